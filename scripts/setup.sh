# Shared set-up for scripts/run and scripts/test: install what is missing,
# configure and build into build/. Sourced, not run.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
# Parallel build and test jobs; PELORIN_JOBS overrides.
JOBS="${PELORIN_JOBS:-$(nproc)}"

PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-qpa-plugins libsqlite3-dev zlib1g-dev
  libgraphviz-dev  # dot, the reference the family tree layout is measured against
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-dejavu-core
  xvfb xauth xdotool imagemagick tesseract-ocr tesseract-ocr-eng time sqlite3
  # Wayland and screen-reader end-to-end tests: a headless compositor with
  # XWayland, Qt's Wayland platform, and an AT-SPI client on a private D-Bus.
  weston xwayland x11-utils qt6-wayland dbus-daemon at-spi2-core python3-pyatspi
  dpkg-dev desktop-file-utils appstream lintian man-db
  clang libclang-rt-14-dev clang-format git
  locales
)

# The number settings the tests run under. Qt alone follows LANG and LC_ALL
# for its number formats; the C library (error texts, and any conversion that
# follows the process locale) only when the locale has been generated.
TEST_LOCALES=(de_DE en_US fr_FR fa_IR)

missing_packages() {
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      printf '%s\n' "$pkg"
    fi
  done
}

install_packages() {
  local missing
  mapfile -t missing < <(missing_packages "$@")
  [ "${#missing[@]}" -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Pelorin needs these Debian packages, which are not installed:" >&2
    echo "  ${missing[*]}" >&2
    echo "Install them as root:  apt-get update && apt-get install -y ${missing[*]}" >&2
    exit 2
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Generates the test locales that are missing: quick once they exist; as
# root only, since it writes the system's locale archive.
generate_test_locales() {
  local name available missing=()
  available="$(locale -a 2>/dev/null)"
  for name in "${TEST_LOCALES[@]}"; do
    grep -qixE "$name\.utf-?8" <<<"$available" || missing+=("$name")
  done
  [ "${#missing[@]}" -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "note: locales not generated (as root: localedef -i NAME -f UTF-8 NAME.UTF-8): ${missing[*]}" >&2
    return 0
  fi
  for name in "${missing[@]}"; do
    echo "Generating locale $name.UTF-8"
    localedef -i "$name" -f UTF-8 "$name.UTF-8"
  done
}

# configure_and_build DIR [cmake args...]
configure_and_build() {
  local dir="$1"; shift
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$ROOT" -B "$dir" -G Ninja "$@"
  fi
  cmake --build "$dir" --parallel "$JOBS"
}

install_packages "${PACKAGES[@]}"
