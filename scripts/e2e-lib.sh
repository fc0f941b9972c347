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

# start_setup: starts the program in the background; sets SETUP_PID.
start_setup() {
  "$SETUP_EXE" >"$E2E_WORKDIR/setup.log" 2>&1 &
  SETUP_PID=$!
}

# window_of_setup: prints the id of the visible window captioned exactly "Setup".
window_of_setup() {
  xdotool search --onlyvisible --pid "$SETUP_PID" --name '^Setup$' 2>/dev/null | head -n1 | grep .
}

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
