# Helpers for the end-to-end test scripts. Every wait is for a condition, with a generous limit,
# so that the tests hold on a loaded machine.

# wait_for SECONDS COMMAND...: runs COMMAND until it succeeds; fails after SECONDS.
wait_for() {
  local limit=$1; shift
  local deadline=$((SECONDS + limit))
  until "$@" >/dev/null 2>&1; do
    (( SECONDS >= deadline )) && return 1
    sleep 0.1
  done
}

fail() { echo "FAIL: $*"; exit 1; }

# A command that fails where the script did not expect it says which one it was.
set -E
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND exited with $?"' ERR

# start_setup [ARG...]: starts the program in the background with those arguments; sets SETUP_PID.
start_setup() {
  "$SETUP_EXE" "$@" >"$E2E_WORKDIR/setup.log" 2>&1 &
  SETUP_PID=$!
}

# window_of_setup: prints the id of the visible window captioned exactly "Setup".
window_of_setup() { window_titled "Setup"; }

# wait_setup_window: waits for the main window; sets SETUP_WINDOW.
wait_setup_window() {
  wait_for 60 window_of_setup || { cat "$E2E_WORKDIR/setup.log"; fail "no window captioned Setup appeared"; }
  SETUP_WINDOW=$(window_of_setup)
}

is_maximised() {
  local state
  state=$(xprop -id "$1" _NET_WM_STATE)
  [[ "$state" == *_NET_WM_STATE_MAXIMIZED_VERT* && "$state" == *_NET_WM_STATE_MAXIMIZED_HORZ* ]]
}

visible_windows_of_setup() {
  xdotool search --onlyvisible --pid "$SETUP_PID" 2>/dev/null | wc -l
}

# wait_setup_exit SECONDS: waits for the program to end; sets SETUP_STATUS to its exit code.
wait_setup_exit() {
  wait_for "$1" bash -c "! kill -0 $SETUP_PID" || { kill "$SETUP_PID"; fail "the program did not end"; }
  set +e
  wait "$SETUP_PID"
  SETUP_STATUS=$?
  set -e
  if [[ "$SETUP_STATUS" -ne 0 ]]; then cat "$E2E_WORKDIR/setup.log"; fi
}

# photo_origin: sets PHOTO_X and PHOTO_Y, the screen position of the photograph's top-left pixel.
# The card's solder mask starts 2 pixels right of and 3 below that corner.
photo_origin() {
  local left top width height
  read -r left top width height < <("$SCREEN_PROBE" board-box) || return 1
  [[ -n "$width" ]] && (( width >= 594 )) || return 1
  PHOTO_X=$((left - 2))
  PHOTO_Y=$((top - 3))
}

# move_to_photo X Y: moves the pointer onto the photograph's pixel (X, Y).
move_to_photo() { xdotool mousemove $((PHOTO_X + $1)) $((PHOTO_Y + $2)); }

# window_titled TITLE: prints the id of the visible window of the program captioned exactly TITLE.
# A search can fail while the program makes or drops other windows, so it is tried a few times.
window_titled() {
  local id try
  for try in 1 2 3 4 5; do
    id=$(xdotool search --all --onlyvisible --pid "$SETUP_PID" --name "^$1\$" 2>/dev/null | head -n1) || true
    [[ -n "$id" ]] && { echo "$id"; return 0; }
    sleep 0.05
  done
  return 1
}

no_window_titled() { ! window_titled "$1" >/dev/null; }

# wait_photo: waits until the whole photograph is drawn, then sets PHOTO_X and PHOTO_Y.
wait_photo() { wait_for 30 photo_origin || fail "the photograph did not appear"; }

# client_geometry WINDOW: sets X, Y, WIDTH and HEIGHT of the window's client area on the screen.
# (xwininfo is used because xdotool reports a framed window's position off by the frame.)
client_geometry() {
  local info
  info=$(xwininfo -id "$1")
  X=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
  Y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  WIDTH=$(awk '/^  Width:/ {print $2}' <<<"$info")
  HEIGHT=$(awk '/^  Height:/ {print $2}' <<<"$info")
}

# dismiss_help: waits for the help window that opens by itself after start-up and closes it.
dismiss_help() {
  wait_for 30 window_titled "Help" || fail "the help window did not open by itself"
  wmctrl -i -c "$(window_titled "Help")"
  wait_for 30 no_window_titled "Help" || fail "the help window did not close"
}

# start_on_the_photo: starts the program, closes the help window that opens by itself and waits
# until the photograph is drawn; sets SETUP_WINDOW, PHOTO_X and PHOTO_Y.
start_on_the_photo() {
  start_setup
  wait_setup_window
  dismiss_help
  wait_photo
}

# choose_menu_entry MENU_KEY KEY...: opens a menu of the main window by its key, then presses the keys.
choose_menu_entry() {
  xdotool windowactivate --sync "$SETUP_WINDOW"
  xdotool key --clearmodifiers "alt+$1"
  sleep 0.3
  xdotool key "${@:2}"
}
