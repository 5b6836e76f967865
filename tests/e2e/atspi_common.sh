# What the end-to-end scripts driven through AT-SPI share: sourced.

# run_grouped WORK COMMAND...: runs COMMAND in a process group of its own,
# then kills whatever it left running (a bus, a server, the program), removes
# WORK if it passed (kept with PELORIN_E2E_KEEP set) and exits with its status.
run_grouped() {
  local work="$1" status group
  shift
  set +e
  setsid "$@" &
  group=$!
  wait "$group"
  status=$?
  set -e
  kill -KILL -- "-$group" 2>/dev/null || true
  if [ "$status" = 0 ] && [ -z "${PELORIN_E2E_KEEP:-}" ]; then
    rm -rf "$work"
  else
    echo "Files kept in $work" >&2
  fi
  exit "$status"
}
