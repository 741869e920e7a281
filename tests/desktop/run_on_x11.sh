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

# Starts a private X server and openbox on it. Xvfb picks a free display and
# tells its number; the window manager is ready once it names itself on the
# root window. Two desktop tests start side by side, and on a busy machine
# (the sanitizer build's tests at once) a server can vanish or refuse its
# first client, so a start that does not come up is retried on a new server.
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
start_desktop() {
  : >"$workdir/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$workdir/display" 2>"$workdir/xvfb.log" &
  xvfb=$!
  for _ in $(seq 200); do [ -s "$workdir/display" ] && break; kill -0 "$xvfb" 2>/dev/null || return 1; sleep 0.05; done
  [ -s "$workdir/display" ] || return 1
  export DISPLAY=":$(head -n1 "$workdir/display")"
  # The server answers a client before the window manager is asked to start.
  for _ in $(seq 200); do xprop -root >/dev/null 2>&1 && break; kill -0 "$xvfb" 2>/dev/null || return 1; sleep 0.05; done
  xprop -root >/dev/null 2>&1 || return 1
  openbox --sm-disable >"$workdir/openbox.log" 2>&1 &
  wm=$!
  for _ in $(seq 600); do
    wm_ready && return 0
    kill -0 "$wm" 2>/dev/null || return 1
    sleep 0.05
  done
  return 1
}
stop_desktop() {
  [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
  wm= xvfb=
}

started=false
for attempt in 1 2 3; do
  if start_desktop; then started=true; break; fi
  echo "run_on_x11.sh: the desktop did not come up (attempt $attempt)" >&2
  stop_desktop
  sleep 1
done
if ! $started; then
  echo "run_on_x11.sh: no X server with openbox after 3 attempts" >&2
  cat "$workdir/xvfb.log" "$workdir/openbox.log" >&2 2>/dev/null || true
  exit 1
fi

export QT_QPA_PLATFORM=xcb
"$@"
