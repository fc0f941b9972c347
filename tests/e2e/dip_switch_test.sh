# In the DIP-switch popup a press on the switch picture moves a knob and changes the position
# that the combo box shows.
set -euo pipefail
source "$(dirname "$0")/../../scripts/e2e-lib.sh"

start_on_the_photo

move_to_photo 432 108
wait_for 30 window_titled "Dip Switches" || fail "no \"Dip Switches\" window"
popup=$(window_titled "Dip Switches")
client_geometry "$popup"
# The switch picture is 41 x 41 at (24, 24) of the popup, the combo box 225 x 21 at (72, 32).
xdotool mousemove $((X + 44)) $((Y + 44)) # from the circle into the popup: it stays
sleep 0.5
switch_before=$("$SCREEN_PROBE" region-hash $((X + 24)) $((Y + 24)) 41 41)
combo_before=$("$SCREEN_PROBE" region-hash $((X + 76)) $((Y + 34)) 180 17)
xdotool click 1
switch_changed() { [[ "$("$SCREEN_PROBE" region-hash $((X + 24)) $((Y + 24)) 41 41)" != "$switch_before" ]]; }
combo_changed() { [[ "$("$SCREEN_PROBE" region-hash $((X + 76)) $((Y + 34)) 180 17)" != "$combo_before" ]]; }
wait_for 30 switch_changed || fail "the switch picture did not change after a press"
wait_for 30 combo_changed || fail "the combo box's text did not change after a press"
"$SCREEN_PROBE" save "$E2E_WORKDIR/after.png"
window_titled "Dip Switches" >/dev/null || fail "the popup closed"

wmctrl -i -c "$SETUP_WINDOW"
wait_setup_exit 60
[[ "$SETUP_STATUS" -eq 0 ]] || fail "the program ended with $SETUP_STATUS"
echo "PASS: a press on the switch picture moved a knob and changed the combo box's text"
