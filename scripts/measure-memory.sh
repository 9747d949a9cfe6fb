#!/usr/bin/env bash
# Measures the program's resident memory as a user meets it: the built program on a virtual X
# server, every window but the web browser opened from its button and closed with its close box,
# round after round. Prints the resident size after start, after the first round and after the last.
#
#   scripts/measure-memory.sh [rounds [program]]   (200 rounds and build/bin/zenvortali unless given)
#
# With ZV_SMAPS_DIR=folder and ZV_SMAPS_ROUNDS="1 50 100" it also copies /proc/PID/smaps and
# smaps_rollup into that folder after each of those rounds (smaps-R, smaps_rollup-R), to see which
# mappings hold the growth.
#
# Needs xvfb-run, xdotool and python3 (which sends the close request a window manager sends).
# The button positions are the main window's and the topic index's design, in twips, at the
# virtual screen's 96 dots per inch.
set -euo pipefail
rounds=${1:-200}
cd "$(dirname "$0")/.."
program=$(realpath "${2:-build/bin/zenvortali}")

if [ -z "${ZV_MEASURE_DISPLAY:-}" ]; then
  ZV_MEASURE_DISPLAY=1 XDG_RUNTIME_DIR=$(mktemp -d) \
    exec xvfb-run -a -s '-screen 0 1280x1024x24' "$0" "$rounds" "$program"
fi

"$program" 2>/dev/null &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

visible() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | sort || true; }

# Waits until a visible window of the program that is not among $1 appears, and prints it.
wait_new() {
  local known=$1 w
  for _ in $(seq 400); do
    w=$(comm -13 <(echo "$known") <(visible) | head -1)
    [ -n "$w" ] && { echo "$w"; return; }
    sleep 0.025
  done
  echo "no new window appeared" >&2
  exit 1
}

wait_gone() {
  for _ in $(seq 400); do
    visible | grep -qx "$1" || return 0
    sleep 0.025
  done
  echo "window $1 did not close" >&2
  exit 1
}

# What the close box does: the window manager asks the window to close (WM_DELETE_WINDOW).
close_window() {
  python3 - "$1" <<'EOF'
import ctypes, sys
x = ctypes.CDLL("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 12)]
d = x.XOpenDisplay(None)
e = ClientMessage(type=33, window=int(sys.argv[1]), message_type=x.XInternAtom(d, b"WM_PROTOCOLS", 0), format=32)
e.data[0] = x.XInternAtom(d, b"WM_DELETE_WINDOW", 0)
x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
x.XSendEvent(d, e.window, 0, 0, ctypes.byref(e))
x.XCloseDisplay.argtypes = [ctypes.c_void_p]
x.XCloseDisplay(d)
EOF
}

click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# Opens a window from a button of window $1 at ($2, $3), closes it, and waits until it has gone.
open_and_close() {
  local known w
  known=$(visible)
  click "$1" "$2" "$3"
  w=$(wait_new "$known")
  close_window "$w"
  wait_gone "$w"
}

# Copies the program's mappings after round $1, when asked to.
dump_smaps() {
  [ -n "${ZV_SMAPS_DIR:-}" ] || return 0
  [[ " ${ZV_SMAPS_ROUNDS:-} " == *" $1 "* ]] || return 0
  mkdir -p "$ZV_SMAPS_DIR"
  sleep 1
  cat "/proc/$pid/smaps" >"$ZV_SMAPS_DIR/smaps-$1"
  cat "/proc/$pid/smaps_rollup" >"$ZV_SMAPS_DIR/smaps_rollup-$1"
}

rss() { awk '/^VmRSS/ { printf "%.1f MB", $2 / 1024 }' "/proc/$pid/status"; }

# The main window, once the splash has handed over to it.
main=$(timeout 30 xdotool search --sync --onlyvisible --name '^ \{\{ Zenvortali Versiyon 2\.0 \}\}$' | head -1) ||
  { echo "the main window did not appear" >&2; exit 1; }

# The navigation column: x at its centre, y at each button's centre (design twips / 15).
nav_x=556
nav_y=(108 148 228 268 308 344 376) # features, accessories, topics, comparison, drag race, dictionary, driving
topics_y=124                          # the topic index: two columns of six, 48 pixels apart
round() {
  local y topics known i
  for y in "${nav_y[@]}"; do
    if [ "$y" = 228 ]; then
      # The topic index, and each of its twelve pages from it.
      known=$(visible)
      click "$main" "$nav_x" "$y"
      topics=$(wait_new "$known")
      for i in $(seq 0 11); do
        open_and_close "$topics" $((i < 6 ? 92 : 220)) $((topics_y + 48 * (i % 6)))
      done
      close_window "$topics"
      wait_gone "$topics"
    else
      open_and_close "$main" "$nav_x" "$y"
    fi
  done
  # The about screen takes the main window's place and gives it back as it closes.
  known=$(visible)
  click "$main" "$nav_x" 412
  about=$(wait_new "$known")
  close_window "$about"
  wait_gone "$about"
  for _ in $(seq 400); do visible | grep -qx "$main" && break; sleep 0.025; done
}

sleep 1
echo "after start:      $(rss)"
round
sleep 1
echo "after round 1:    $(rss)"
dump_smaps 1
for r in $(seq 2 "$rounds"); do
  round
  dump_smaps "$r"
done
sleep 1
echo "after round $rounds:  $(rss)"
