#!/bin/sh
# Runs a program on a fresh virtual X screen of the size given, under a window manager (openbox) so
# that windows get a title bar and a border as on a desktop.
# Usage: on-desktop.sh WIDTHxHEIGHT PROGRAM [ARGUMENTS...]
# With KORVEL_PANEL=N in the environment, the window manager keeps the bottom N pixels free, as a
# desktop's panel does: the screen's work area is that much shorter.
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
    # Openbox runs its start-up command once it manages the screen: the program starts then, and
    # is told that its windows get frames.
    ready=$(mktemp -u)
    config=
    if [ -n "$KORVEL_PANEL" ] && [ "$KORVEL_PANEL" != 0 ]; then
      config=$(mktemp)
      printf "%s\n" "<?xml version=\"1.0\"?>" \
        "<openbox_config xmlns=\"http://openbox.org/3.4/rc\"><margins>" \
        "<top>0</top><bottom>$KORVEL_PANEL</bottom><left>0</left><right>0</right>" \
        "</margins></openbox_config>" >"$config"
    fi
    openbox --sm-disable ${config:+--config-file "$config"} --startup "touch $ready" \
      >/dev/null 2>&1 &
    wm=$!
    waited=0
    while [ ! -e "$ready" ] && [ $waited -lt 200 ]; do sleep 0.1; waited=$((waited + 1)); done
    if [ -e "$ready" ]; then
      rm -f "$ready"
      export KORVEL_WINDOW_MANAGER=openbox
    else
      echo "openbox did not start within 20 s: the windows may have no frames"
    fi
  else
    echo "openbox is missing: the windows have no frames"
  fi
  "$@"
  status=$?
  [ -n "$wm" ] && kill "$wm"
  [ -n "$config" ] && rm -f "$config"
  exit $status' on-desktop "$@"
