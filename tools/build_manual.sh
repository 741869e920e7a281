#!/usr/bin/env bash
# Builds the user manual: the pictures of each tab taken by the acceptance
# driver from the scripts in docs/manual/shots (whose checks fail the build
# when the program no longer shows what the manual says), then the PDF.
#
#   build_manual.sh DRIVER RENDERER SOURCE_DIR WORK_DIR OUTPUT_PDF VERSION
set -euo pipefail
driver=$1 renderer=$2 source=$3 work=$4 output=$5 version=$6

mkdir -p "$work/bilder"
# The manual names the version the build is made from.
sed "s|@VERSION@|$version|g" "$source/PLUVIK.md" >"$work/PLUVIK.md"
export QT_QPA_PLATFORM=offscreen
for script in "$source"/shots/*.scn; do
  name=$(basename "$script" .scn)
  # "shot OUTPUT" takes the window, "recordshot OUTPUT" a page of its record.
  if ! sed -E "s#^(record)?shot OUTPUT\$#\1shot $work/bilder/$name.png#" "$script" | "$driver" >"$work/$name.log" 2>&1; then
    echo "build_manual.sh: the picture script $name.scn does not match the program:" >&2
    grep -v '^ok$' "$work/$name.log" >&2
    exit 1
  fi
done
"$renderer" "$work/PLUVIK.md" "$output"
