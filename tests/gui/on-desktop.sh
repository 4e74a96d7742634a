#!/bin/sh
# Runs a program on a fresh virtual X screen of the size given, under a window manager (openbox) so
# that windows get a title bar and a border as on a desktop.
# Usage: on-desktop.sh WIDTHxHEIGHT PROGRAM [ARGUMENTS...]
# Exits 77 (ctest's "skipped") when there is no Xvfb to run on.
size=$1
shift
if ! command -v xvfb-run >/dev/null 2>&1; then
  echo "xvfb-run is missing (scripts/install-deps installs it): not run"
  exit 77
fi
exec xvfb-run -a -s "-screen 0 ${size}x24" sh -c '
  wm=
  if command -v openbox >/dev/null 2>&1; then
    openbox --sm-disable >/dev/null 2>&1 &
    wm=$!
    sleep 1
  else
    echo "openbox is missing: the windows have no frames"
  fi
  "$@"
  status=$?
  [ -n "$wm" ] && kill "$wm"
  exit $status' on-desktop "$@"
