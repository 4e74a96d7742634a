#!/usr/bin/env bash
# Runs the command-line examples of the README's "Your first game day" as a user would: every
# indented block of that section that is not a scripts/ call, as written, one after the other in
# one shell, from a scratch folder whose build/default is the build under test.
#
# Usage: run-examples.sh README.md BUILD_FOLDER
set -euo pipefail
readme="$(realpath "$1")"
build="$(realpath "$2")"

script="$(awk '
  /^## / { inside = ($0 == "## Your first game day") }
  !inside { next }
  /^    / { if (!block) { block = 1; skip = ($0 ~ /^    scripts\//) } if (!skip) print substr($0, 5); next }
  { block = 0 }
' "$readme")"
grep -q korvel-cli <<<"$script" || { echo "run-examples.sh: no examples found in $readme" >&2; exit 1; }

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/build"
ln -s "$build" "$scratch/build/default"
cd "$scratch"
printf '%s\n' "$script" >examples.sh
bash -euo pipefail examples.sh
echo "The README's examples ran: $(grep -c 'korvel' examples.sh) lines naming the programs"
