# The window opens maximised with its caption and menu bar; File > Exit ends the program with 0.
set -euo pipefail
source "$(dirname "$0")/../../scripts/e2e-lib.sh"

start_setup
wait_setup_window
wait_for 30 is_maximised "$SETUP_WINDOW" || fail "the Setup window is not maximised: $(xprop -id "$SETUP_WINDOW" _NET_WM_STATE)"

xdotool windowactivate --sync "$SETUP_WINDOW"
before=$(visible_windows_of_setup)
xdotool key --clearmodifiers alt+f
wait_for 30 bash -c "[ \$(xdotool search --onlyvisible --pid $SETUP_PID 2>/dev/null | wc -l) -gt $before ]" \
  || fail "the File menu did not open"
xdotool key e
wait_setup_exit 60
[[ "$SETUP_STATUS" -eq 0 ]] || fail "File > Exit ended the program with $SETUP_STATUS"
echo "PASS: maximised Setup window, File menu opened, Exit ended with 0"
