#!/usr/bin/env bash
# The user manual beside the program: a PDF of several pages that holds the
# picture of each of the five tabs.   check_manual.sh PDF
set -euo pipefail
pdf=$1
[ -f "$pdf" ] || { echo "FAIL: $pdf is missing"; exit 1; }
head -c 5 "$pdf" | grep -q '%PDF-' || { echo "FAIL: $pdf is not a PDF"; exit 1; }
# The object dictionaries of a PDF are plain text, also where its streams are
# packed.
pages=$(grep -a -c -E '/Type ?/Page([^s]|$)' "$pdf" || true)
pictures=$(grep -a -o -E '/Subtype ?/Image' "$pdf" | wc -l)
echo "pages: $pages, pictures: $pictures"
[ "$pages" -ge 4 ] || { echo "FAIL: the manual has only $pages pages"; exit 1; }
[ "$pictures" -ge 5 ] || { echo "FAIL: the manual holds $pictures pictures, not one for each of the five tabs"; exit 1; }
