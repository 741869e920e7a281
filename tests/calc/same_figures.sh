#!/bin/sh
# Runs calc_figures as built for Linux and as built for Windows, and passes
# when both write the same figures.
#
#   same_figures.sh LINUX_PROGRAM RUNNER... WINDOWS_PROGRAM
set -eu
linux=$1
shift
"$linux" >figures-linux.txt
# The Windows program ends its lines in CR LF.
"$@" | tr -d '\r' >figures-windows.txt
if cmp -s figures-linux.txt figures-windows.txt; then
  echo "$(wc -l <figures-linux.txt) lines of figures, the same on Linux and on Windows"
  exit 0
fi
echo "The figures differ between Linux (<) and Windows (>):"
diff figures-linux.txt figures-windows.txt | head -40
exit 1
