#!/usr/bin/env bash
# Builds the .deb of BUILD_DIR with CPack into a temporary folder, unpacks it
# into a clean folder, checks its files and Qt 6 dependencies, runs lintian
# on it (any error or warning fails), and starts the unpacked program in a
# virtual X server: it must show its "Main" window. The unpacked command-line
# programs must breed and draw a picture with no display and no platform named.
# Exits 77 (skipped) when a tool it needs is missing.
# Usage: check_deb.sh BUILD_DIR SOURCE_DIR
set -euo pipefail

build_dir="$1"
source_dir="$2"
app_id=org.example.pelorin
for tool in cpack dpkg-deb lintian appstreamcli xvfb-run xdotool; do
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
root="$work/root"
desktop="usr/share/applications/$app_id.desktop"
for file in "$desktop" "usr/share/metainfo/$app_id.metainfo.xml" \
            usr/share/icons/hicolor/48x48/apps/pelorin.png usr/share/icons/hicolor/scalable/apps/pelorin.svg \
            usr/share/doc/pelorin/copyright usr/share/doc/pelorin/changelog.gz; do
  [ -s "$root/$file" ] || fail "$file is missing"
done
for program in pelorin pelorin-render pelorin-breed; do
  [ -x "$root/usr/bin/$program" ] || fail "usr/bin/$program is missing or not executable"
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$root/$desktop" || fail "desktop entry is not valid"
fi
grep -qx 'Exec=pelorin' "$root/$desktop" || fail "desktop entry does not start pelorin"
# The metainfo together with the desktop entry it launches.
appstreamcli validate-tree --no-net "$root" || fail "the AppStream metainfo is not valid in the installed tree"
# The program ties its windows to the desktop entry by this id, held as a
# UTF-16 string literal.
id_utf16="$(printf '%s' "$app_id" | sed 's/[.]/\\./g; s/\\\.\|./&\\x00/g')"
LC_ALL=C grep -qaP "$id_utf16" "$root/usr/bin/pelorin" || fail "usr/bin/pelorin does not name its desktop entry $app_id"

# The manual pages and changelog of the source tree (lintian checks how they
# are compressed).
for page in "$source_dir"/packaging/man/*.[1-9] "$source_dir/packaging/changelog"; do
  file="$(basename "$page")"
  gz="usr/share/man/man${file##*.}/$file.gz"
  [ "$file" != changelog ] || gz=usr/share/doc/pelorin/changelog.gz
  zcat "$root/$gz" | cmp -s - "$page" || fail "$gz is not $file compressed"
done

# A machine-readable copyright file under the licence of LICENSE.
copyright="$root/usr/share/doc/pelorin/copyright"
head -n1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "the copyright file is not machine-readable"
grep -qx 'License: Expat' "$copyright" || fail "the copyright file names no Expat (MIT) licence"

depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
for package in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins libsqlite3-0; do
  grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends does not name $package"
done

# Lintian as Debian's archive would run it, info tags shown for the log.
lintian --info --display-info --pedantic --fail-on error,warning "$deb" || fail "lintian found errors or warnings"

# The command-line programs as on a server: no display, no platform plugin.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/pelorin-breed" --seed 1 -o "$work/child.txt" ||
  fail "the unpacked pelorin-breed did not breed a child"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/pelorin-render" "$work/child.txt" "$work/child.png" ||
  fail "the unpacked pelorin-render did not draw the child"
[ "$(head -c 8 "$work/child.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
  fail "pelorin-render did not write a PNG image"

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
# The window's title is looked for in English, whatever the machine's language.
LANGUAGE=en xvfb-run -a "$work/start.sh" "$work/root/usr/bin/pelorin" || fail "the unpacked program did not start"
