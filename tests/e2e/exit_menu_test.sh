# The window opens maximised with its caption and menu bar; File > Exit ends the program with 0.
set -euo pipefail
source "$(dirname "$0")/../../scripts/e2e-lib.sh"

start_setup
wait_setup_window
dismiss_help
wait_for 30 is_maximised "$SETUP_WINDOW" || fail "the Setup window is not maximised: $(xprop -id "$SETUP_WINDOW" _NET_WM_STATE)"

# The whole photograph is drawn, centred across the screen's width (the window is maximised).
photo_in_place() {
  read -r left top width height < <("$SCREEN_PROBE" board-box)
  (( width >= 594 && width <= 600 && height >= 550 && height <= 561 )) || return 1
  (( left + width / 2 >= 637 && left + width / 2 <= 643 ))
}
wait_for 30 photo_in_place || {
  "$SCREEN_PROBE" save "$E2E_WORKDIR/screen.png"; cp "$E2E_WORKDIR/screen.png" /tmp/e2e-failed-screen.png
  fail "the photograph is not whole and centred: box $("$SCREEN_PROBE" board-box); screenshot /tmp/e2e-failed-screen.png"
}

xdotool windowactivate --sync "$SETUP_WINDOW"
before=$(visible_windows_of_setup)
xdotool key --clearmodifiers alt+f
wait_for 30 bash -c "[ \$(xdotool search --onlyvisible --pid $SETUP_PID 2>/dev/null | wc -l) -gt $before ]" \
  || fail "the File menu did not open"
xdotool key e
wait_setup_exit 60
[[ "$SETUP_STATUS" -eq 0 ]] || fail "File > Exit ended the program with $SETUP_STATUS"
echo "PASS: maximised Setup window with the whole photograph centred, File menu opened, Exit ended with 0"
