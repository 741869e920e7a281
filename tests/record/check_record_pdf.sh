#!/usr/bin/env bash
# The saved PDF holds the same figures as the text record, on every tab:
# each tab is calculated, its record copied as text (Ctrl+Shift+C) and saved
# (Ctrl+S), and every number of the inputs and results of the text is looked
# for in the text of the PDF (pdftotext). The CO2 record also holds the
# chart's scale.   check_record_pdf.sh DRIVER
set -euo pipefail
driver=$1
command -v pdftotext >/dev/null || { echo "FAIL: pdftotext is missing (make deps installs poppler-utils)"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Each tab's calculation, ending with the record copied and saved.
declare -A setup
setup[duct]='click CirkRadioButton
type Flow 100
type MaxMeterPerSek 3
key Enter'
setup[power]='tab Effekt
type DeltaT 20
type EffektFlowEdit 1
key Enter'
setup[valve]='tab Kvs
type FlowEdit 1
type TryckEdit 10
key Enter'
setup[pipe]='tab Rorber
type RTemp 20
choose RMtrlComboBox 0
type RInvDiam 20
type RFlow 0.2
key Enter'
setup[co2]='tab CO2TabSheet
type UteLuft 10
type AntalPers 1
key Enter'

failed=0
for tab in duct power valve pipe co2; do
  pdf="$work/$tab.pdf"
  printf 'separator .\nstart\n%s\nkey Ctrl+Shift+C\nclipboard\nsavefile %s\nkey Ctrl+S\nexists %s\n' \
    "${setup[$tab]}" "$pdf" "$pdf" | QT_QPA_PLATFORM=offscreen "$driver" >"$work/$tab.out"
  if ! grep -qx true "$work/$tab.out"; then
    echo "FAIL $tab: no PDF written"
    failed=1
    continue
  fi
  # The text record is the line the clipboard query printed, its line breaks
  # and tabs escaped; the numbers of its inputs and results (not the method).
  grep -m1 '^PLUVIK' "$work/$tab.out" | sed 's/\\n/\n/g; s/\\t/ /g' >"$work/$tab.txt"
  awk '/^(Metod|Metode)$/ {skip=1} /^(Resultat)$/ {skip=0} !skip && /^  / {print}' "$work/$tab.txt" |
    grep -oE '[0-9]+([.:][0-9]+)?' | sort -u >"$work/$tab.figures"
  pdftotext -raw "$pdf" - | grep -oE '[0-9]+([.:][0-9]+)?' | sort -u >"$work/$tab.pdffigures"
  missing=$(comm -23 "$work/$tab.figures" "$work/$tab.pdffigures" | tr '\n' ' ')
  count=$(wc -l <"$work/$tab.figures")
  if [ -n "$missing" ] || [ "$count" -lt 3 ]; then
    echo "FAIL $tab: figures of the text record not in the PDF: $missing ($count figures)"
    failed=1
  else
    echo "ok $tab: $count figures"
  fi
done
# The chart: its scale of 1000 ppm steps to 5000 and its hours, as text.
pdftotext -raw "$work/co2.pdf" - | grep -q '5000' || { echo "FAIL co2: no chart in the PDF"; failed=1; }
exit $failed
