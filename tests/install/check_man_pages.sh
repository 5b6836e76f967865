#!/usr/bin/env bash
# Checks every manual page in MAN_DIR (files NAME.N, N a section from 1 to
# 9) as Debian's lintian does: man formats it without a single warning, and
# its NAME section gives the whatis entry "NAME \- what it is" for NAME.
# Exits 77 (skipped) when man or lexgrog is missing.
# Usage: check_man_pages.sh MAN_DIR
set -euo pipefail

man_dir="$1"
for tool in man lexgrog; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done

shopt -s nullglob
pages=("$man_dir"/*.[1-9])
[ "${#pages[@]}" -gt 0 ] || { echo "FAILED: no manual page in $man_dir" >&2; exit 1; }

failed=0
for page in "${pages[@]}"; do
  file="$(basename "$page")"
  name="${file%.*}"
  section="${file##*.}"
  # What lintian runs; groff's and man's warnings arrive on stderr.
  warnings="$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
    man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)" || warnings+=" (man failed)"
  if [ -n "$warnings" ]; then
    echo "FAILED: $file does not format cleanly: $warnings" >&2
    failed=1
  fi
  if ! grep -Eq "^\.TH +\"?$(tr '[:lower:]' '[:upper:]' <<<"$name")\"? +$section( |$)" "$page"; then
    echo "FAILED: $file has no .TH line for ${name^^}($section)" >&2
    failed=1
  fi
  whatis="$(lexgrog "$page" 2>&1)" || true
  if ! grep -Fq ": \"$name - " <<<"$whatis"; then
    echo "FAILED: $file gives no whatis entry for $name: $whatis" >&2
    failed=1
  fi
done
[ "$failed" -eq 0 ] && echo "checked ${#pages[@]} manual page(s)"
exit "$failed"
