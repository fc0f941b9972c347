# The example board program on a fake PCI tree: the cards window lists the maker's cards in
# address order, the title follows whether one was found, the File entry shows the window again,
# and calibration runs from the red circle's popup, or ends in the failure box without a card.
set -euo pipefail
source "$(dirname "$0")/../../../scripts/e2e-lib.sh"

le16() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $(($1 >> 8)))"; }
byte() { printf "\\x$(printf %02x "$1")"; }
# pci_function TREE ADDRESS VENDOR DEVICE REVISION IRQ: a function's 256 configuration bytes.
pci_function() {
  mkdir -p "$1/$2"
  { le16 "$3"; le16 "$4"; head -c 4 /dev/zero; byte "$5"; head -c 51 /dev/zero; byte "$6"; head -c 195 /dev/zero; } \
    >"$1/$2/config"
}

cards="$E2E_WORKDIR/cards"
pci_function "$cards" 0000:00:02.0 0x8086 0x1234 1 0
pci_function "$cards" 0000:04:00.0 0x6A3E 0x0004 1 10
pci_function "$cards" 0000:03:00.0 0x6A3E 0x0008 2 11
pci_function "$cards" 0000:05:00.0 0x6A3E 0x0099 1 5 # the maker's, but this program cannot name it
empty="$E2E_WORKDIR/empty"
mkdir -p "$empty"

# memo_text WINDOW: the text of the window's memo, copied to the clipboard from the keyboard.
memo_text() {
  client_geometry "$1"
  xdotool mousemove $((X + 60)) $((Y + 40)) click 1
  xdotool key ctrl+a ctrl+c
  sleep 0.2
  xclip -o -selection clipboard
}

# start_demo TREE TITLE: starts the program on that tree and waits for its main window to show
# the title line in its caption; closes the help window.
start_demo() {
  start_setup --pci-devices "$1"
  wait_for 60 window_titled "Setup - $2" || { cat "$E2E_WORKDIR/setup.log"; fail "no main window titled \"$2\""; }
  SETUP_WINDOW=$(window_titled "Setup - $2")
  dismiss_help
}

# open_calibration: opens the A/D circle's popup from the Calibration menu; sets POPUP.
open_calibration() {
  choose_menu_entry c Return
  wait_for 30 window_titled "A/D Calibration" || fail "the Calibration menu opened no popup"
  POPUP=$(window_titled "A/D Calibration")
  client_geometry "$POPUP"
  START_X=$((X + 45)) START_Y=$((Y + 150)) # the Start/Stop button under the result list
}
list_hash() { "$SCREEN_PROBE" region-hash $((X + 10)) $((Y + 10)) 290 120; }
list_differs_from() { [[ $(list_hash) != "$1" ]]; }
press_start() { xdotool mousemove "$START_X" "$START_Y" click 1; }

# --- two cards of the maker's, one of another vendor and one this program cannot name
start_demo "$cards" "HX-OCTSER Series Setup Program"
wait_for 30 window_titled "HX-OCTSER Cards installed" || fail "the cards window did not open"
expected=$'HX-OCTSER, revision 2, interrupt line 11\nHX-QUADSER, revision 1, interrupt line 10'
text=$(memo_text "$(window_titled "HX-OCTSER Cards installed")")
[[ "$text" == "$expected" ]] || fail "the cards window lists: $text"

xdotool key Escape
wait_for 30 no_window_titled "HX-OCTSER Cards installed" || fail "Esc did not close the cards window"
choose_menu_entry f Return # "Display HX-OCTSER Cards Installed" is the first entry of File
wait_for 30 window_titled "HX-OCTSER Cards installed" || fail "the File entry did not show the cards window"
text=$(memo_text "$(window_titled "HX-OCTSER Cards installed")")
[[ "$text" == "$expected" ]] || fail "shown again, the cards window lists: $text"
xdotool key Escape

open_calibration
before=$(list_hash)
press_start
wait_for 30 list_differs_from "$before" || fail "Start wrote no results"
# The readings change from pass to pass while calibration runs, and stop changing after Stop.
first=$(list_hash)
wait_for 30 list_differs_from "$first" || fail "the passes did not go on"
no_window_titled "Total A/D failure" || fail "a card is listed, yet the failure box opened"
press_start
sleep 0.5
stopped=$(list_hash)
sleep 0.5
[[ $(list_hash) == "$stopped" ]] || fail "Stop did not end the passes"

wmctrl -i -c "$SETUP_WINDOW"
wait_setup_exit 60
[[ "$SETUP_STATUS" -eq 0 ]] || fail "the program ended with $SETUP_STATUS"

# --- no card: the title says so, and calibration ends in the failure box
start_demo "$empty" "No HX-OCTSER Series Card Found"
text=$(memo_text "$(window_titled "HX-OCTSER Cards installed")")
[[ "$text" == "No Card Found In Registry" ]] || fail "without cards the window lists: $text"
xdotool key Escape

open_calibration
press_start
wait_for 30 window_titled "Total A/D failure" || fail "every channel failed, yet no failure box opened"
xdotool key alt+r # Retry: the box closes and the next pass brings it back
wait_for 30 window_titled "Total A/D failure" || fail "Retry did not run another pass"
xdotool key Return # Cancel is the default button
wait_for 30 no_window_titled "Total A/D failure" || fail "Cancel did not close the failure box"
sleep 0.5
no_window_titled "Total A/D failure" || fail "calibration went on after Cancel"

wmctrl -i -c "$SETUP_WINDOW"
wait_setup_exit 60
[[ "$SETUP_STATUS" -eq 0 ]] || fail "the program ended with $SETUP_STATUS"
echo "PASS: cards listed in address order, title follows the listing, calibration runs and fails as it should"
