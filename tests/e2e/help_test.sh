# The help window opens by itself soon after start-up; Start hides it and begins the tour at the
# DIP switch; the Help menu shows the help and support windows, one of each however often chosen.
set -euo pipefail
source "$(dirname "$0")/../../scripts/e2e-lib.sh"

count_titled() { xdotool search --all --onlyvisible --pid "$SETUP_PID" --name "^$1\$" 2>/dev/null | wc -l; }

start_setup
wait_setup_window
shown_at=$(date +%s%N)
wait_for 30 window_titled "Help" || fail "the help window did not open by itself"
elapsed_ms=$(( ($(date +%s%N) - shown_at) / 1000000 ))
echo "the help window opened ${elapsed_ms} ms after the main window"

help=$(window_titled "Help")
client_geometry "$help"
# Start sits at two thirds of the width, its top 33 pixels above the bottom edge.
xdotool mousemove $((X + WIDTH * 2 / 3)) $((Y + HEIGHT - 33 + 12))
xdotool click 1
wait_for 30 no_window_titled "Help" || fail "Start did not hide the help window"
wait_for 30 window_titled "Dip Switches" || fail "Start did not open the DIP-switch popup"
xdotool mousemove 1200 150
sleep 0.5
window_titled "Dip Switches" >/dev/null || fail "the tour's popup was not pinned"

# Each Help entry, chosen twice, shows its one window.
for entry in "o:Help" "t:Technical Support"; do
  key=${entry%%:*} title=${entry#*:}
  for attempt in 1 2; do
    choose_menu_entry h "$key"
    wait_for 30 window_titled "$title" || fail "the Help menu showed no \"$title\" window"
  done
  [[ $(count_titled "$title") -eq 1 ]] || fail "choosing the entry twice gave $(count_titled "$title") \"$title\" windows"
done

wmctrl -i -c "$SETUP_WINDOW"
wait_setup_exit 60
[[ "$SETUP_STATUS" -eq 0 ]] || fail "the program ended with $SETUP_STATUS"
echo "PASS: help opened by itself, Start began the tour, the Help menu showed one window of each"
