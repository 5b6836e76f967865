# What the end-to-end scripts share: sourced by each, with its own arguments.
# Outside, it checks the tools (xvfb-run, xdotool, ImageMagick and
# E2E_EXTRA_TOOLS), makes the working folder (named after E2E_NAME) and runs
# the calling script again inside a private X server; inside, it gives the
# helpers that drive the program as a person would. Exit 77 when a tool is
# missing.
SKIP=77

if [ "${1:-}" = "--inside" ]; then
  shift
  INSIDE=1
else
  INSIDE=0
fi

PELORIN="${1:?usage: $(basename "$0") PELORIN_EXECUTABLE}"

# ---------------------------------------------------------------------------
# Outside: check the tools, make the working folder, start a private X server.
# ---------------------------------------------------------------------------
if [ "$INSIDE" = 0 ]; then
  for tool in xvfb-run Xvfb xauth xdotool import convert compare ${E2E_EXTRA_TOOLS:-}; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      echo "SKIP: $tool is not installed" >&2
      exit "$SKIP"
    fi
  done
  [ -x "$PELORIN" ] || { echo "FAIL: no executable at $PELORIN" >&2; exit 1; }
  PELORIN="$(cd "$(dirname "$PELORIN")" && pwd)/$(basename "$PELORIN")"

  WORK="$(mktemp -d "${TMPDIR:-/tmp}/${E2E_NAME:-pelorin-e2e}.XXXXXX")"
  SERVER_PID=""
  cleanup() {
    local status=$?
    trap - EXIT INT TERM
    # The server, the inside part and the program share one process group:
    # xvfb-run alone would wait for its child before it let go of Xvfb.
    if [ -n "$SERVER_PID" ] && kill -0 "$SERVER_PID" 2>/dev/null; then
      kill -TERM -- "-$SERVER_PID" 2>/dev/null || kill -TERM "$SERVER_PID" 2>/dev/null || true
    fi
    # The program, should the inside part have been cut short.
    if [ -f "$WORK/pelorin.pid" ]; then
      local pid
      pid="$(cat "$WORK/pelorin.pid")"
      if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill -KILL "$pid" 2>/dev/null || true; fi
    fi
    [ -n "$SERVER_PID" ] && wait "$SERVER_PID" 2>/dev/null || true
    if [ "$status" = 0 ] && [ -z "${PELORIN_E2E_KEEP:-}" ]; then
      rm -rf "$WORK"
    else
      echo "Screenshots and files kept in $WORK" >&2
    fi
    exit "$status"
  }
  trap cleanup EXIT
  trap 'exit 130' INT TERM

  # ctest runs the other tests offscreen; this one needs the real X11 platform.
  unset QT_QPA_PLATFORM
  # -a: a free display number; the server and its auth file are ours alone.
  # TMPDIR: xvfb-run's auth folder goes with ours, even when it is cut short.
  # -noreset: the server would reset when the program ends, refusing the
  # next start's connection while it does.
  TMPDIR="$WORK" setsid xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp -noreset" \
    "$0" --inside "$PELORIN" "$WORK" &
  SERVER_PID=$!
  set +e
  wait "$SERVER_PID"
  status=$?
  set -e
  SERVER_PID=""
  exit "$status"
fi

# ---------------------------------------------------------------------------
# Inside: DISPLAY is the private server.
# ---------------------------------------------------------------------------
WORK="${2:?}"
RUN="$WORK/run"       # the program's working folder: only it writes here
SHOTS="$WORK/shots"
mkdir -p "$RUN" "$SHOTS"
export QT_QPA_PLATFORM=xcb
# The same numbers whatever the machine's locale: the tools here and the
# program, unless a step starts it under other number settings. The texts
# are English under any number settings, unless a step asks for a language.
export LANG=C.UTF-8 LC_ALL=C.UTF-8 LANGUAGE=en
# The history and the settings of this test alone, never the user's.
export XDG_DATA_HOME="$WORK/data" XDG_CONFIG_HOME="$WORK/config"
STEP="start"
APP=""
# Without tesseract the texts of message windows go unread.
if command -v tesseract >/dev/null 2>&1; then OCR=1; else OCR=0; echo "note: no tesseract, texts not read" >&2; fi

fail() {
  echo "FAIL [$STEP]: $*" >&2
  import -window root "$SHOTS/failure-screen.png" 2>/dev/null || true
  exit 1
}

step() {
  STEP="$1"
  echo "--- $STEP"
}

on_exit() {
  local status=$?
  if [ -n "$APP" ] && kill -0 "$APP" 2>/dev/null; then kill -KILL "$APP" 2>/dev/null || true; fi
  exit "$status"
}
trap on_exit EXIT

# poll SECONDS COMMAND...: runs COMMAND until it succeeds, false after SECONDS.
poll() {
  local limit=$(( $1 * 10 )) i=0
  shift
  while ! "$@"; do
    i=$((i + 1))
    [ "$i" -ge "$limit" ] && return 1
    sleep 0.1
  done
}

# The one visible window with exactly this title (xdotool's match ignores case).
visible_window() {
  local id name
  for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
    name="$(xdotool getwindowname "$id" 2>/dev/null)" || continue
    if [ "$name" = "$1" ]; then
      echo "$id"
      return 0
    fi
  done
  return 1
}

has_window() { visible_window "$1" >/dev/null; }
lacks_window() { ! visible_window "$1" >/dev/null; }

wait_window() {
  poll 30 has_window "$1" || fail "no window titled \"$1\" appeared"
  visible_window "$1"
}

wait_gone() {
  poll 30 lacks_window "$1" || fail "window \"$1\" did not go away"
}

# Sets X Y WIDTH HEIGHT of a window.
geometry() {
  local WINDOW SCREEN
  eval "$(xdotool getwindowgeometry --shell "$1")"
}

# Without a window manager every window opens at 0,0: spread them out.
move_to() {
  local id="$1" x="$2" y="$3"
  xdotool windowmove --sync "$id" "$x" "$y" 2>/dev/null || xdotool windowmove "$id" "$x" "$y"
  poll 5 at_position "$id" "$x" "$y" || fail "window $id did not move to $x,$y"
}

at_position() {
  local X Y WIDTH HEIGHT
  geometry "$1"
  [ "$X" = "$2" ] && [ "$Y" = "$3" ]
}

click_at() {
  xdotool mousemove --sync "$1" "$2"
  sleep 0.05
  xdotool click 1
}

# type_into X Y TEXT: clicks a text box, replaces its text.
type_into() {
  click_at "$1" "$2"
  sleep 0.1
  xdotool key --clearmodifiers ctrl+a
  if [ -n "$3" ]; then
    xdotool type --delay 20 -- "$3"
  else
    xdotool key BackSpace
  fi
  sleep 0.1
}

shot() { import -window "$1" "$SHOTS/$2.png" 2>/dev/null; }

# crop IN OUT GEOMETRY
crop() { convert "$1" -crop "$3" +repage "$2"; }

colours() { convert "$1" -format '%k' info:; }

# Number of pixels in which two pictures differ.
pixel_difference() {
  local n
  n="$(compare -metric AE "$1" "$2" null: 2>&1)" || true
  echo "${n%% *}"
}

# --- Main window layout (logical pixels = twips / 15) ----------------------
MAIN_CLIENT_H=76            # 1140 twips; the menu bar sits above it
MAIN_X=560; MAIN_Y=10
# --- Picture window layout: client 217 x 153 -------------------------------
PIC_DRAW="113x105+96+8"     # picDraw 1440,120 1695x1575
# slots for the picture windows, two rows of four
slot_x() { echo $(( 10 + ($1 % 4) * 230 )); }
slot_y() { echo $(( 200 + ($1 / 4) * 180 )); }

main_geometry() {
  local X Y WIDTH HEIGHT
  geometry "$MAIN"
  MX=$X
  # The client area ends at the window's bottom.
  MCY=$(( Y + HEIGHT - MAIN_CLIENT_H ))
}
set_rate() { main_geometry; type_into $((MX + 128)) $((MCY + 20)) "$1"; }   # txtMutationRate 1200,120 1455x375
set_name() { main_geometry; type_into $((MX + 128)) $((MCY + 52)) "$1"; }   # txtName 1200,600 1455x375
press_open() { main_geometry; click_at $((MX + 40)) $((MCY + 52)); }       # btnOpen 120,600 975x375

# picture_* N: the control positions of picture window N, moved to its slot.
picture_window() {
  local id
  id="$(wait_window "$1")"
  move_to "$id" "$(slot_x "$1")" "$(slot_y "$1")"
  echo "$id"
}
pic_origin() { local X Y WIDTH HEIGHT; geometry "$1"; PX=$X; PY=$Y; }
press_done() { pic_origin "$1"; click_at $((PX + 44)) $((PY + 28)); }     # btnDone 120,240 1095x375
press_save() { pic_origin "$1"; click_at $((PX + 44)) $((PY + 60)); }     # btnSave 120,720 1095x375
# expect_message SHOT TEXT: waits for the program's message box, keeps a
# screenshot of it and checks that it shows TEXT. The box stays open.
expect_message() {
  local box
  box="$(wait_window Pelorin)"
  move_to "$box" 560 260
  sleep 0.3
  shot "$box" "$1"
  [ "$(colours "$SHOTS/$1.png")" -ge 3 ] || fail "the message window is blank"
  expect_text "$1" "$2"
}
# save_as WINDOW NAME: types NAME into the window's name box, saves and waits
# until the file is written.
save_as() {
  set_pic_name "$1" "$2"
  press_save "$1"
  poll 10 test -s "$2" || fail "$2 was not written"
  sleep 0.3
}
tick_parent() { pic_origin "$1"; click_at $((PX + 30)) $((PY + 92)); }    # cbxParent 240,1200 1095x375
set_pic_name() { pic_origin "$1"; type_into $((PX + 136)) $((PY + 132)) "$2"; }  # txtName 960,1800 2175x375

# The drawn picture of window ID into NAME.png, once something is drawn.
drawn() { shot "$1" "$2" && crop "$SHOTS/$2.png" "$SHOTS/$2-draw.png" "$PIC_DRAW" && [ "$(colours "$SHOTS/$2-draw.png")" -ge 2 ]; }
capture_picture() {
  poll 10 drawn "$1" "$2" || fail "picture window $2 shows a blank drawing area"
  # Once more, so a repaint still under way cannot count.
  sleep 0.3
  drawn "$1" "$2" || fail "picture window $2 went blank"
}

# For a picture that may be blank: two captures in a row agree.
settled() {
  shot "$1" "$2-a" && sleep 0.3 && shot "$1" "$2" || return 1
  crop "$SHOTS/$2-a.png" "$SHOTS/$2-a-draw.png" "$PIC_DRAW"
  crop "$SHOTS/$2.png" "$SHOTS/$2-draw.png" "$PIC_DRAW"
  [ "$(pixel_difference "$SHOTS/$2-a-draw.png" "$SHOTS/$2-draw.png")" = 0 ]
}
capture_settled() {
  sleep 0.3
  poll 10 settled "$1" "$2" || fail "picture window $2 does not settle"
}

same_picture() {
  local d
  d="$(pixel_difference "$SHOTS/$1-draw.png" "$SHOTS/$2-draw.png")"
  [ "$d" = 0 ] || fail "drawing areas of $1 and $2 differ in $d pixels"
}

# The text a window shows, read by OCR, on one line: blanks squeezed,
# quotation marks dropped (OCR takes straight ones for curly ones).
shown_text() {
  convert "$1" -colorspace gray -resize 400% -sharpen 0x1 "$1.ocr.png"
  tesseract "$1.ocr.png" - --psm 6 2>/dev/null | tr '\n' ' ' | tr -d '"\342\200\234\235' | tr -s ' '
}

# expect_text SHOT TEXT: the window in SHOT shows TEXT.
expect_text() {
  [ "$OCR" = 1 ] || return 0
  local seen
  seen="$(shown_text "$SHOTS/$1.png")"
  case "$seen" in
    *"$2"*) ;;
    *) fail "the window does not say \"$2\"; it reads: $seen" ;;
  esac
}

# Files in the working folder, one a line, sorted.
listing() { (cd "$RUN" && find . -mindepth 1 | sort); }

# A genetic code file: 64 records of 8 lines, each line ending CR LF.
check_code_file() {
  local f="$1"
  [ -f "$f" ] || fail "$f was not written"
  local lines
  lines="$(wc -l < "$f")"
  [ "$lines" = 512 ] || fail "$f has $lines lines, not 512"
  [ "$(tail -c 2 "$f" | od -An -c | tr -d ' ')" = '\r\n' ] || fail "$f does not end in CR LF"
  LC_ALL=C awk -v file="$f" '
    function bad(why) { printf "%s line %d: %s: [%s]\n", file, NR, why, $0; failed = 1; exit 1 }
    {
      if (substr($0, length($0), 1) != "\r") bad("no CR before LF")
      line = substr($0, 1, length($0) - 1)
      if (index(line, "\r")) bad("stray CR")
      k = (NR - 1) % 8
      if (k == 0) {
        if (line !~ /^-?[0-9]+(\.[0-9]+)?(E[-+][0-9]+)?$/) bad("angle is not a number")
        if (line + 0 < 0 || line + 0 >= 6.2831854) bad("angle outside [0, 2 pi)")
        digits = line; sub(/E.*/, "", digits); gsub(/[^0-9]/, "", digits); sub(/^0+/, "", digits)
        if (length(digits) > 15) bad("angle has more than 15 digits")
      } else if (k >= 1 && k <= 3) {
        if (line !~ /^(0|[1-9][0-9]*)$/ || line + 0 > 255) bad("colour is not 0 to 255")
      } else if (k == 4) {
        if (line != "True" && line != "False") bad("draw is not True or False")
        if (line == "True") drawn_genes++
      } else if (k == 5 || k == 6) {
        if (line !~ /^-?(0|[1-9][0-9]*)$/) bad("length or width is not an integer")
      } else if (line != "") bad("separator is not empty")
    }
    END { if (!failed && drawn_genes == 0) { print file ": no gene is drawn"; exit 1 } }
  ' "$f" >&2 || fail "$f is not a genetic code file"
}

# start_program LOG [VAR=VALUE...]: starts the program with these variables
# set, and waits for its main window (titled MAIN_TITLE, "Main" unless said).
start_program() {
  local log="$1"
  shift
  env "$@" "$PELORIN" >"$WORK/$log" 2>&1 &
  APP=$!
  echo "$APP" > "$WORK/pelorin.pid"
  MAIN="$(wait_window "${MAIN_TITLE:-Main}")"
  move_to "$MAIN" "$MAIN_X" "$MAIN_Y"
}

# File > Exit (EXIT_KEYS: the keys that choose it, English unless said),
# then checks that the program ended cleanly.
exit_program() {
  main_geometry
  # A click in the main window's client gives it the keyboard.
  click_at $((MX + 40)) $((MCY + 12))
  sleep 0.2
  local keys=(${EXIT_KEYS:-alt+f e})
  xdotool key --clearmodifiers "${keys[0]}"
  sleep 0.5
  xdotool key "${keys[1]}"
  poll 10 exited || fail "the program did not end after File > Exit"
  set +e
  wait "$APP"
  local code=$?
  set -e
  APP=""
  [ "$code" = 0 ] || fail "the program ended with exit code $code"
}

# write_seed_file FILE: a small spiral of 64 drawn segments around the start
# point, in the forms the program writes, so that saving it again gives the
# same bytes.
write_seed_file() {
  LC_ALL=C awk 'BEGIN {
    for (k = 0; k < 64; k++) {
      printf "%s\r\n%d\r\n%d\r\n%d\r\nTrue\r\n30\r\n2\r\n\r\n", \
        (k % 62 == 0 ? "0" : (k % 62) % 10 == 0 ? sprintf("%d", (k % 62) / 10) : sprintf("%.1f", (k % 62) / 10)), \
        (k * 7) % 256, 200 - k * 3, (k * 4) % 256
    }
  }' > "$1"
}

# Ended: gone, or a zombie waiting for us to collect its exit code.
exited() { [ ! -e "/proc/$APP" ] || [ "$(awk '{ print $3 }' "/proc/$APP/stat" 2>/dev/null)" = Z ]; }

