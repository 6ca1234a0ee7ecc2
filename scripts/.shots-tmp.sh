#!/usr/bin/env bash
# Takes a picture of every window, each calculation window with a worked
# example typed in and calculated, into docs/screenshots/ (or the folder
# given): the program runs on a virtual screen (Xvfb) with a small window
# manager (openbox), so that the pictures show the title bars.
#   scripts/screenshots.sh [--lang it|en] [OUTPUT_FOLDER] [WINDOW...]
# In English: scripts/screenshots.sh --lang en docs/screenshots/en
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
language=()
if [ "${1:-}" = --lang ]; then
  language=(--lang "$2")
  shift 2
fi
out=$(realpath -m "${1:-docs/screenshots}")
shift || true
mkdir -p "$out"
# The measured sweep beside the simulation is the sample the tests write.
"$build/tests/test_sweep" readsTheSampleDipole >/dev/null

# The window manager's look: title bars in an Arial-like bold 8 point, as the
# captions of the windows were laid out for.
config=$(mktemp --suffix=.xml)
trap 'rm -f "$config"' EXIT
font() {
  echo "<font place=\"$1\"><name>Liberation Sans</name><size>7</size><weight>bold</weight></font>"
}
cat >"$config" <<XML
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <theme>
    <name>Clearlooks</name>
    <titleLayout>NLIMC</titleLayout>
    $(font ActiveWindow)
    $(font InactiveWindow)
  </theme>
  <desktops><number>1</number></desktops>
</openbox_config>
XML

# Inside the virtual screen: start the window manager, wait until it has
# taken over, take the pictures, stop it.
session='
  openbox --sm-disable --config-file "$OPENBOX_CONFIG" &
  wm=$!
  for _ in $(seq 1 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
  done
  status=0
  "$@" || status=$?
  kill $wm
  wait $wm 2>/dev/null || true
  exit $status'
OPENBOX_CONFIG=$config xvfb-run -a -s "-screen 0 1024x768x24" bash -c "$session" session "$build/tools/zeliro_screenshots" "${language[@]}" "$out" "$@"
# The verification window on the smallest screen the splash recommends,
# 800x600, with room kept for a 24-pixel panel at the bottom.
if [ $# -eq 0 ]; then
  sed -i 's#<desktops>#<margins><bottom>24</bottom></margins><desktops>#' "$config"
  OPENBOX_CONFIG=$config xvfb-run -a -s "-screen 0 800x600x24" bash -c "$session" session \
    "$build/tools/zeliro_screenshots" "${language[@]}" "$out" frmVERIFICA_schermo
fi
