#!/usr/bin/env bash
# Tidies a man page help2man wrote, in place: the date becomes the release date (a form man and
# mandoc both read, and the same at every build), and a text line longer than 80 bytes is broken
# at spaces, which roff joins again when it fills the paragraph.
#
# Usage: tidy-page.sh PAGE YYYY-MM-DD
set -euo pipefail
page="$1"
date="$2"
awk -v date="$date" '
  # A line that would start with a dot or a quote is a request: \& keeps it text.
  function put(text) {
    if (text ~ /^[.'\'']/) text = "\\&" text
    print text
  }
  # .TH NAME "1" "DATE" "SOURCE" "MANUAL": the date is the fourth piece between quotes.
  /^\.TH / {
    n = split($0, piece, "\"")
    piece[4] = date
    line = piece[1]
    for (i = 2; i <= n; i++) line = line "\"" piece[i]
    print line
    next
  }
  /^[.'\'']/ || length($0) <= 80 { print; next }
  {
    line = ""
    rest = $0
    while (length(rest) > 0) {
      if (length(line) == 0 && length(rest) <= 80) { put(rest); rest = ""; break }
      # The last single space within 80 bytes; a word longer than that stays whole.
      cut = 0
      for (i = 2; i <= 80 && i < length(rest); i++) {
        if (substr(rest, i, 1) == " " && substr(rest, i - 1, 1) != " " &&
            substr(rest, i + 1, 1) != " ") cut = i
      }
      if (cut == 0) {
        cut = index(substr(rest, 2), " ")
        if (cut == 0) { put(rest); break }
        cut += 1
      }
      put(substr(rest, 1, cut - 1))
      rest = substr(rest, cut + 1)
    }
  }
' "$page" >"$page.tidy"
mv "$page.tidy" "$page"
