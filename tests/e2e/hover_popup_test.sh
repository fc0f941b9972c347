# Moving onto the DIP-switch circle opens its popup; moving away closes it again. Clicking a
# connector circle pins its popup, which then stays when the mouse moves away.
set -euo pipefail
source "$(dirname "$0")/../../scripts/e2e-lib.sh"

start_on_the_photo

move_to_photo 432 108
wait_for 30 window_titled "Dip Switches" || fail "moving onto the DIP-switch circle opened no \"Dip Switches\" window"
xdotool mousemove 1000 150
wait_for 30 no_window_titled "Dip Switches" || fail "moving away left the \"Dip Switches\" window open"

move_to_photo 304 52
wait_for 30 window_titled "PCI/104 Connector" || fail "moving onto the PCI/104 circle opened no popup"
xdotool click 1
xdotool mousemove 1000 150
sleep 1 # give a wrongly closing popup the time to go; the check below is on a state, not a wait
window_titled "PCI/104 Connector" >/dev/null || fail "the clicked PCI/104 popup closed when the mouse moved away"

wmctrl -i -c "$SETUP_WINDOW"
wait_setup_exit 60
[[ "$SETUP_STATUS" -eq 0 ]] || fail "the program ended with $SETUP_STATUS"
echo "PASS: hover opened and closed the DIP-switch popup; a click pinned the PCI/104 popup"
