#!/usr/bin/env bash
# A long duct series on paper: every page of the saved PDF repeats the grid's
# column headings and ends with the footer "Sida N av M" (Danish "Side N af
# M"), and the PDF has as many pages as the footer counts.
#   check_record_pages.sh DRIVER
set -euo pipefail
driver=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
for language in Svensk Dansk; do
  pdf="$work/$language.pdf"
  printf 'separator .\nabout %s\nstart\nclick RektRadioButton\ntype Flow 100\ntype Sida 105\ntype Steg 1\nspin SpinEdit1 10\ntype MaxMeterPerSek 3\nkey Enter\nsavefile %s\nkey Ctrl+S\n' \
    "$language" "$pdf" | QT_QPA_PLATFORM=offscreen "$driver" >/dev/null
  pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
  word=$([ "$language" = Svensk ] && echo "Sida %d av %d" || echo "Side %d af %d")
  if [ "${pages:-0}" -lt 10 ]; then
    echo "FAIL $language: a series of about 1000 rows on ${pages:-0} pages"
    failed=1
    continue
  fi
  for ((page = 1; page <= pages; page++)); do
    text=$(pdftotext -f "$page" -l "$page" -layout "$pdf" -)
    # shellcheck disable=SC2059
    footer=$(printf "$word" "$page" "$pages")
    if ! grep -q 'm/s *Pa/m *Dim' <<<"$text"; then
      echo "FAIL $language page $page: no column headings"
      failed=1
    fi
    if ! grep -q "$footer" <<<"$text"; then
      echo "FAIL $language page $page: no footer '$footer'"
      failed=1
    fi
  done
  [ $failed = 0 ] && echo "ok $language: $pages pages, each with the headings and its footer"
done
exit $failed
