#!/usr/bin/env bash
# check_translations.sh LUPDATE INCLUDE_DIR TS_FILE... -- SOURCE...
# Runs lupdate on the sources into a copy of each .ts file and fails when a
# message is new (a text without its translation), unfinished, or vanished
# or obsolete (a translation whose text is gone): every tr() text of the
# program has its translation in every language, and no .ts holds stale ones.
set -euo pipefail
lupdate="$1" include="$2"
shift 2
ts_files=()
while [ "$#" -gt 0 ] && [ "$1" != "--" ]; do ts_files+=("$1"); shift; done
shift
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
copies=()
for ts in "${ts_files[@]}"; do
  cp "$ts" "$work/"
  copies+=("$work/$(basename "$ts")")
done
# The options of the update_translations target, but keeping what vanished.
"$lupdate" -silent -I "$include" -locations none -no-ui-lines "$@" -ts "${copies[@]}"
status=0
for copy in "${copies[@]}"; do
  bad="$(grep -cE 'type="(unfinished|vanished|obsolete)"' "$copy" || true)"
  if [ "$bad" -ne 0 ]; then
    echo "$(basename "$copy"): $bad message(s) untranslated or stale:" >&2
    grep -B3 -E 'type="(unfinished|vanished|obsolete)"' "$copy" | grep -E '<source>' | sed 's/^ */  /' >&2
    status=1
  fi
done
if [ "$status" -ne 0 ]; then
  echo "Run 'ninja -C build update_translations' and translate the texts marked unfinished in translations/." >&2
fi
exit "$status"
