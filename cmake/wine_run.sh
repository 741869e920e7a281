#!/bin/sh
# Runs the Windows test build's programs under Wine, in a Wine prefix of the
# build folder's own, made at its first use (when CTest first lists the
# tests), without Wine's debug messages and without offering to install Mono
# or Gecko, which nothing here needs.
#
#   wine_run.sh PROGRAM [ARGS...]   the program under Wine
#   wine_run.sh --sh COMMANDS       shell commands (wineserver, wineboot) in
#                                   the same prefix
#
# WINEPREFIX is set by the build (cmake/wine_tests.cmake). Making the prefix
# says it cannot open syswow64's rundll32.exe: no 32-bit Wine is installed,
# and nothing here needs one.
set -eu
: "${WINEPREFIX:?wine_run.sh: WINEPREFIX is not set}"
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX.made" ]; then
  # Two tests listed at once must not make the prefix twice.
  mkdir -p "$(dirname "$WINEPREFIX")"
  flock "$WINEPREFIX.lock" sh -c '[ -f "$WINEPREFIX.made" ] || { wineboot -i </dev/null >/dev/null 2>&1 && touch "$WINEPREFIX.made"; }'
fi
if [ "$1" = --sh ]; then
  shift
  exec sh -c "$1"
fi
exec wine "$@"
