#!/usr/bin/env bash
# Runs a program on a real X11 desktop of its own: a virtual X server (Xvfb)
# with the openbox window manager, and the xcb platform. Used by CTest for the
# desktop tests:  run_on_x11.sh PROGRAM [ARGS...]
set -euo pipefail

for tool in Xvfb openbox xdotool xprop xwininfo xmessage; do
  command -v "$tool" >/dev/null || { echo "run_on_x11.sh: $tool is missing (make deps installs it)" >&2; exit 1; }
done

workdir=$(mktemp -d)
cleanup() {
  [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$workdir"
}
trap cleanup EXIT

# Xvfb picks a free display and tells its number.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$workdir/display" 2>"$workdir/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do [ -s "$workdir/display" ] && break; sleep 0.05; done
[ -s "$workdir/display" ] || { cat "$workdir/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$workdir/display")"

openbox --sm-disable >"$workdir/openbox.log" 2>&1 &
wm=$!
# The window manager is ready once it names itself on the root window. On a
# busy machine (the sanitizer build's tests side by side) that may take a
# while; without it every stacking and focus check would fail, so say so.
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
for _ in $(seq 600); do
  wm_ready && break
  sleep 0.05
done
if ! wm_ready; then
  echo "run_on_x11.sh: openbox did not start within 30 s" >&2
  cat "$workdir/openbox.log" >&2
  exit 1
fi

export QT_QPA_PLATFORM=xcb
"$@"
