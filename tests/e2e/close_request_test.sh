# Closing the window through the window manager's close request ends the program with 0.
set -euo pipefail
source "$(dirname "$0")/../../scripts/e2e-lib.sh"

start_setup
wait_setup_window
wmctrl -i -c "$SETUP_WINDOW"
wait_setup_exit 60
[[ "$SETUP_STATUS" -eq 0 ]] || fail "closing the window ended the program with $SETUP_STATUS"
echo "PASS: close request ended the program with 0"
