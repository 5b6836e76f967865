#!/usr/bin/env bash
# The board, the History window and the family tree as a screen reader walks
# them: the real pelorin program under a private X server and D-Bus session
# with the accessibility bus, read and driven through AT-SPI
# (pelorin_a11y_e2e.py).
#
#   pelorin_a11y_e2e.sh PELORIN [--walk N]
#
# --walk N: instead of the test, opens N pictures and prints how long a
# client takes to walk the board's cells (name, description, state of each).
# Exit 0: passed; 77: a tool is missing (skipped); anything else: failed.
# On failure (or with PELORIN_E2E_KEEP set) the working folder is kept.
set -euo pipefail
SKIP=77
HERE="$(cd "$(dirname "$0")" && pwd)"
source "$HERE/atspi_common.sh"

if [ "${1:-}" != "--inside" ]; then
  PELORIN="${1:?usage: $(basename "$0") PELORIN [--walk N]}"
  shift
  for tool in xvfb-run Xvfb xauth dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed" >&2; exit "$SKIP"; }
  done
  /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed" >&2; exit "$SKIP"; }
  [ -x "$PELORIN" ] || { echo "FAIL: no executable at $PELORIN" >&2; exit 1; }
  PELORIN="$(cd "$(dirname "$PELORIN")" && pwd)/$(basename "$PELORIN")"

  WORK="$(mktemp -d "${TMPDIR:-/tmp}/pelorin-a11y-e2e.XXXXXX")"
  # TMPDIR: xvfb-run's auth folder is ours.
  run_grouped "$WORK" env TMPDIR="$WORK" dbus-run-session -- \
    xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp -noreset" "$0" --inside "$WORK" "$PELORIN" "$@"
fi

# Inside: a private D-Bus session bus and X server.
WORK="$2"
shift 2
mkdir -p "$WORK/runtime" "$WORK/run"
chmod 700 "$WORK/runtime"
export XDG_RUNTIME_DIR="$WORK/runtime" XDG_DATA_HOME="$WORK/data" XDG_CONFIG_HOME="$WORK/config"
export LANG=C.UTF-8 LC_ALL=C.UTF-8 LANGUAGE=en QT_QPA_PLATFORM=xcb  # controls found by English names
unset WAYLAND_DISPLAY
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$WORK/at-spi.log" 2>&1 &
exec /usr/bin/python3 "$HERE/pelorin_a11y_e2e.py" "$WORK" "$@"
