#!/usr/bin/env bash
# The real pelorin program under a headless weston, driven through AT-SPI
# (pelorin_wayland_e2e.py): weston's headless back end has no input devices,
# and XTEST on its XWayland crashes the server, so no pointer or key is faked.
#
#   pelorin_wayland_e2e.sh wayland|xwayland PELORIN PELORIN_RENDER FIND_IN_IMAGE
#
# wayland: Pelorin on QT_QPA_PLATFORM=wayland; xwayland: weston with XWayland
# and no platform chosen, where Pelorin should pick xcb.
# Exit 0: passed; 77: a tool is missing (skipped); anything else: failed.
# On failure (or with PELORIN_E2E_KEEP set) the working folder is kept.
set -euo pipefail
SKIP=77
HERE="$(cd "$(dirname "$0")" && pwd)"
source "$HERE/atspi_common.sh"

if [ "${1:-}" != "--inside" ]; then
  MODE="${1:?usage: $(basename "$0") wayland|xwayland PELORIN PELORIN_RENDER FIND_IN_IMAGE}"
  tools=(weston weston-screenshooter dbus-run-session /usr/libexec/at-spi-bus-launcher sqlite3)
  [ "$MODE" = xwayland ] && tools+=(Xwayland xprop)
  for tool in "${tools[@]}"; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed" >&2; exit "$SKIP"; }
  done
  /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed" >&2; exit "$SKIP"; }
  ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
    { echo "SKIP: qt6-wayland is not installed" >&2; exit "$SKIP"; }

  WORK="$(mktemp -d "${TMPDIR:-/tmp}/pelorin-$MODE-e2e.XXXXXX")"
  run_grouped "$WORK" dbus-run-session -- "$0" --inside "$WORK" "$@"
fi

# Inside: a private D-Bus session bus.
WORK="$2" MODE="$3"
shift 3
mkdir -p "$WORK/runtime" "$WORK/run" "$WORK/shots"
chmod 700 "$WORK/runtime"
export XDG_RUNTIME_DIR="$WORK/runtime" XDG_DATA_HOME="$WORK/data" XDG_CONFIG_HOME="$WORK/config"
export LANG=C.UTF-8 LC_ALL=C.UTF-8 LANGUAGE=en  # the controls are found by their English names
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

SOCKET="pelorin-e2e-$$"
# Natively at a scale of 2, where pictures must stay crisp; a logical size.
extra=(--scale=2)
[ "$MODE" = xwayland ] && extra=(--xwayland)
# --debug lets weston-screenshooter take screenshots.
weston --backend=headless-backend.so --use-pixman --socket="$SOCKET" --idle-time=0 \
  --width=1024 --height=768 --debug "${extra[@]}" >"$WORK/weston.log" 2>&1 &
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$SOCKET" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/$SOCKET" ] || { echo "FAIL [start]: weston did not start" >&2; cat "$WORK/weston.log" >&2; exit 1; }
export WAYLAND_DISPLAY="$SOCKET"
if [ "$MODE" = xwayland ]; then
  for _ in $(seq 100); do grep -q "xserver listening on display" "$WORK/weston.log" && break; sleep 0.1; done
  DISPLAY="$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$WORK/weston.log" | head -n 1)"
  [ -n "$DISPLAY" ] || { echo "FAIL [start]: weston started no XWayland" >&2; exit 1; }
  export DISPLAY
fi
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$WORK/at-spi.log" 2>&1 &

cd "$WORK/shots"  # weston-screenshooter writes into the working folder
exec /usr/bin/python3 "$HERE/pelorin_wayland_e2e.py" "$MODE" "$WORK" "$@"
