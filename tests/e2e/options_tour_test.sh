# The Options menu lists the four connectors in board order, and Next from "Header 2" wraps round
# to "PCI/104 Connector".
set -euo pipefail
source "$(dirname "$0")/../../scripts/e2e-lib.sh"

start_on_the_photo

entries=("PCI/104 Connector" "PC/104 Connector" "Header 1" "Header 2")
for i in "${!entries[@]}"; do
  downs=()
  for ((k = 0; k < i; ++k)); do downs+=(Down); done
  choose_menu_entry o "${downs[@]}" Return
  wait_for 30 window_titled "${entries[$i]}" || fail "entry $((i + 1)) of Options did not open \"${entries[$i]}\""
  if (( i < ${#entries[@]} - 1 )); then
    wmctrl -i -c "$(window_titled "${entries[$i]}")"
    wait_for 30 no_window_titled "${entries[$i]}" || fail "\"${entries[$i]}\" did not close"
  fi
done

# Header 2 is open and pinned; its Next button sits at ((client width - 58) / 2, client height - 44).
popup=$(window_titled "Header 2")
client_geometry "$popup"
xdotool mousemove $((X + (WIDTH - 58) / 2 + 29)) $((Y + HEIGHT - 44 + 12))
xdotool click 1
wait_for 30 window_titled "PCI/104 Connector" || fail "Next from Header 2 did not reach PCI/104 Connector"
wait_for 30 no_window_titled "Header 2" || fail "Next left Header 2 open"

wmctrl -i -c "$SETUP_WINDOW"
wait_setup_exit 60
[[ "$SETUP_STATUS" -eq 0 ]] || fail "the program ended with $SETUP_STATUS"
echo "PASS: Options lists the four connectors in order; Next from Header 2 reached PCI/104 Connector"
