#!/usr/bin/env bash
# Writes a help2man include file with a COMMANDS section: each korvel-cli command's help (its
# summary, usage, arguments, options and what it prints) turned into man page text.
#
# The help is read unwrapped (COLUMNS set wide): an option is one line, a paragraph one line.
#
# Usage: cli-commands.sh KORVEL_CLI OUTPUT
set -euo pipefail
cli="$1"
output="$2"
export COLUMNS=100000

commands="$("$cli" --help | awk '/^Commands:/ { on = 1; next } on && /^  [a-z]/ { print $1 } on && /^$/ { exit }')"
[ -n "$commands" ] || { echo "cli-commands.sh: $cli --help lists no commands" >&2; exit 1; }

{
  echo "[COMMANDS]"
  for command in $commands; do
    echo ".SS $command"
    "$cli" "$command" --help | awk '
      # Roff: a backslash is written \e, a line may not start with a dot or a quote.
      function roff(text) {
        gsub(/\\/, "\\e", text)
        if (text ~ /^[.'\'']/) text = "\\&" text
        return text
      }
      function option(name) {
        name = roff(name)
        gsub(/-/, "\\-", name)
        return ".B " name
      }
      state == "" && /^Usage:/ { sub(/^Usage: /, ""); print ".PP\n.B " roff($0); state = "usage"; next }
      state == "" && NF { print roff($0); next }
      # A blank line ends a block of arguments or options; another such block may follow.
      /^(Options|Positionals):$/ && (state == "usage" || state == "gap") { state = "options"; next }
      state == "gap" && NF { state = "after" }
      state == "options" && /^  -h,--help / { next }
      state == "options" && /^  [^ ]/ {
        line = substr($0, 3)
        split_at = match(line, /  +/)
        if (split_at) {
          print ".TP\n" option(substr(line, 1, split_at - 1))
          text = substr(line, split_at); sub(/^ +/, "", text); print roff(text)
        } else {
          print ".TP\n" option(line)
        }
        next
      }
      state == "options" && /^   +[^ ]/ { sub(/^ +/, ""); print roff($0); next }
      state == "options" && !NF { state = "gap"; next }
      state == "after" && /^Global options/ { exit }
      state == "after" && NF { print ".PP\n" roff($0) }
    '
  done
} >"$output"
