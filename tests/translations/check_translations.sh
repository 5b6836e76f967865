#!/usr/bin/env bash
# check_translations.sh LUPDATE INCLUDE_DIR TS_FILE... -- SOURCE...
# Runs lupdate on the sources into a copy of each .ts file and fails when a
# message is unfinished (new, or not yet translated), vanished or obsolete.
set -euo pipefail
lupdate="$1" include="$2" work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
shift 2
while [ "$1" != "--" ]; do cp "$1" "$work/"; shift; done
shift
"$lupdate" -silent -I "$include" -locations none -no-ui-lines "$@" -ts "$work"/*.ts
status=0
for copy in "$work"/*.ts; do
  if grep -qE 'type="(unfinished|vanished|obsolete)"' "$copy"; then
    echo "$(basename "$copy"): untranslated or stale:" >&2
    grep -B3 -E 'type="(unfinished|vanished|obsolete)"' "$copy" | grep '<source>' >&2
    status=1
  fi
done
[ "$status" = 0 ] || echo "Run 'ninja -C build update_translations' and translate what is unfinished." >&2
exit "$status"
