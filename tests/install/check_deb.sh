#!/usr/bin/env bash
# Builds the .deb of BUILD_DIR with CPack into a temporary folder, unpacks it
# into a clean folder, checks that it holds the program, its desktop entry
# and icons and names the Qt 6 runtime among its dependencies, and starts the
# unpacked program in a virtual X server: it must show its "Main" window.
# Exits 77 (skipped) when a tool it needs is missing.
# Usage: check_deb.sh BUILD_DIR
set -euo pipefail

build_dir="$1"
for tool in cpack dpkg-deb xvfb-run xdotool; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

if ! cpack --config "$build_dir/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  fail "cpack did not build the package"
fi
debs=("$work"/out/*.deb)
[ "${#debs[@]}" -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one .deb, found: ${debs[*]}"
deb="${debs[0]}"
echo "built $(basename "$deb")"

dpkg-deb -x "$deb" "$work/root"
for file in usr/share/applications/pelorin.desktop usr/share/icons/hicolor/48x48/apps/pelorin.png \
            usr/share/icons/hicolor/scalable/apps/pelorin.svg; do
  [ -s "$work/root/$file" ] || fail "$file is missing"
done
[ -x "$work/root/usr/bin/pelorin" ] || fail "usr/bin/pelorin is missing or not executable"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$work/root/usr/share/applications/pelorin.desktop" || fail "desktop entry is not valid"
fi
grep -qx 'Exec=pelorin' "$work/root/usr/share/applications/pelorin.desktop" || fail "desktop entry does not start pelorin"

depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
for package in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins; do
  grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends does not name $package"
done

# The unpacked program against the system's Qt, on the X platform it would
# use from the menu.
cat >"$work/start.sh" <<'START'
#!/usr/bin/env bash
program="$1"
env -u QT_QPA_PLATFORM "$program" &
pid=$!
for _ in $(seq 50); do
  if xdotool search --onlyvisible --name '^Main$' >/dev/null 2>&1; then
    sleep 2
    if kill -0 "$pid" 2>/dev/null; then
      kill "$pid"
      wait "$pid" 2>/dev/null || true
      echo "the Main window showed and the program stayed up"
      exit 0
    fi
    echo "the program ended after showing its window" >&2
    exit 1
  fi
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "the program ended without showing its window" >&2
    exit 1
  fi
  sleep 0.2
done
kill "$pid" 2>/dev/null || true
echo "no Main window within 10 seconds" >&2
exit 1
START
chmod +x "$work/start.sh"
xvfb-run -a "$work/start.sh" "$work/root/usr/bin/pelorin" || fail "the unpacked program did not start"
