#!/usr/bin/env bash
# The pet simulator in a real X session: 加点模拟器 puts it in place of the main window;
# minimising it sends it behind its own tray icon, whose menu brings it back (召唤兽加点) or shows
# the calculator instead (计算器), and a double-click on the icon restores it.
set -uo pipefail
failure_windows='zicalc|召唤兽'
failure_shot='pet-simulator-failure.png'
# shellcheck source=SCRIPTDIR/lib/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
begin_test "$@"
start_probe

# menu KEYS...: opens the icon's menu with a right click and picks an item by keyboard.
menu() {
  local icon
  icon=$(tray_icon)
  [ -n "$icon" ] || fail "no tray icon to open the menu of"
  eval "$(xdotool getwindowgeometry --shell "$icon")"
  xdotool mousemove --sync $((X + 8)) $((Y + 8)) click 3
  sleep 1
  xdotool key "$@"
}

main='zi多功能计算器'
sim='召唤兽属性预测'
wait_for 15 visible "$main" || fail "the main window did not appear"
sleep 0.5

log "加点模拟器 shows the simulator and hides the main window."
click 'Button0(3)'
click 'Button13'
wait_for 5 visible "$sim" || fail "the simulator did not open"
wait_for 5 gone "$main" || fail "the main window stayed on screen"
sleep 0.5
import -window "$(window_of "$sim")" "$artifacts/pet-simulator.png" 2>/dev/null || true

log "Minimising the simulator puts it behind its own icon."
xdotool windowminimize "$(window_of "$sim")"
wait_for 5 gone "$sim" || fail "the minimised simulator is still on screen"
wait_for 5 icon_present || fail "no tray icon after minimising the simulator"

log "召唤兽加点 in the icon's menu brings it back; the main window stays hidden."
for _ in 1 2 3; do
  log "menu: 召唤兽加点"; menu Down Down Return
  wait_for 5 visible "$sim" && break
  xdotool key Escape
done
visible "$sim" || fail "召唤兽加点 did not bring the simulator back"
wait_for 5 icon_gone || fail "the icon stayed after 召唤兽加点"
gone "$main" || fail "the main window came back with the simulator"

log "A double-click on the icon restores it too."
xdotool windowminimize "$(window_of "$sim")"
wait_for 5 icon_present || fail "no tray icon after the second minimise"
wait_for 5 gone "$sim" || fail "the simulator did not leave the screen the second time"
icon=$(tray_icon)
eval "$(xdotool getwindowgeometry --shell "$icon")"
log "double-click the icon"
xdotool mousemove --sync $((X + 8)) $((Y + 8)) click --repeat 2 --delay 60 1
wait_for 5 visible "$sim" || fail "double-clicking the icon did not restore the simulator"
wait_for 5 icon_gone || fail "the icon stayed after the double-click"

log "计算器 shows the main window and leaves the simulator hidden."
xdotool windowminimize "$(window_of "$sim")"
wait_for 5 icon_present || fail "no tray icon after the third minimise"
for _ in 1 2 3; do
  log "menu: 计算器"; menu Down Return
  wait_for 5 visible "$main" && break
  xdotool key Escape
done
visible "$main" || fail "计算器 did not bring the main window back"
gone "$sim" || fail "the simulator came back with the main window"
wait_for 5 icon_gone || fail "the icon stayed after 计算器"

log "Closing the main window ends the program."
xdotool windowactivate --sync "$(window_of "$main")" key alt+F4
wait_for 5 ended || fail "the program did not end"
echo "desktop pet simulator: all checks passed"
