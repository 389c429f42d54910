#!/usr/bin/env bash
# The real program in a real X session (started by scripts/with-desktop): its window appears, a
# second start ends at once and brings it back, minimising sends it to the notification area, a
# double-click on the icon restores it, and the icon's "关闭" ends the program.
set -uo pipefail
failure_windows='zicalc|trayer|panel'
# shellcheck source=SCRIPTDIR/lib/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
begin_test "$@"
main_windows() { xdotool search --onlyvisible --name 'zi多功能计算器' 2>/dev/null; }
one_main_window() { [ "$(main_windows | wc -l)" -eq 1 ]; }
no_main_window() { [ -z "$(main_windows)" ]; }

"$zicalc" &
pid=$!

wait_for 15 one_main_window || fail "the main window did not appear"
wid=$(main_windows)
sleep 0.5
import -window "$wid" "$artifacts/main-window.png" || fail "could not take a screenshot"
echo "screenshot: $artifacts/main-window.png"

# A second start ends within 2 s with status 0 and opens nothing.
log "A second start ends within 2 s with status 0 and opens nothing."
start=$(date +%s%N)
timeout 5 "$zicalc"
status=$?
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
[ "$status" -eq 0 ] || fail "second start exited with $status"
[ "$elapsed_ms" -lt 2000 ] || fail "second start took ${elapsed_ms} ms"
sleep 0.3
one_main_window || fail "after a second start there are $(main_windows | wc -l) main windows"

# Minimise: the window leaves the screen and the icon appears, with the caption as tip.
log "Minimise: the window leaves the screen and the icon appears, with the caption as tip."
xdotool windowminimize "$wid"
wait_for 5 no_main_window || fail "the minimised window is still on screen"
wait_for 5 icon_present || fail "no tray icon after minimising"

# A second start while in the tray restores the window.
log "A second start while in the tray restores the window."
timeout 5 "$zicalc" || fail "second start while in the tray failed"
wait_for 5 one_main_window || fail "a second start did not restore the window from the tray"
wait_for 5 icon_gone || fail "the tray icon stayed after restoring"

# Minimise again, then a double-click on the icon restores.
log "Minimise again, then a double-click on the icon restores."
xdotool windowminimize "$(main_windows)"
wait_for 5 icon_present || fail "no tray icon after the second minimise"
wait_for 5 no_main_window || fail "the window did not leave the screen the second time"
icon=$(tray_icon)
eval "$(xdotool getwindowgeometry --shell "$icon")"
xdotool mousemove --sync $((X + 8)) $((Y + 8)) click --repeat 2 --delay 60 1
wait_for 5 one_main_window || fail "double-clicking the icon did not restore the window"
wait_for 5 icon_gone || fail "the icon stayed after the double-click"

# The icon's menu: "关闭" (its last item) ends the program.
log "The icon's menu: 关闭 (its last item) ends the program."
xdotool windowminimize "$(main_windows)"
wait_for 5 icon_present || fail "no tray icon for the menu test"
ended() { ! kill -0 "$pid" 2>/dev/null; }
for _ in 1 2 3; do
  icon=$(tray_icon)
  [ -n "$icon" ] || break
  eval "$(xdotool getwindowgeometry --shell "$icon")"
  xdotool mousemove --sync $((X + 8)) $((Y + 8)) click 3
  sleep 1
  xdotool key Up Return
  wait_for 5 ended && break
  xdotool key Escape
done
ended || fail "\"关闭\" in the tray menu did not end the program"
wait "$pid"
status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "desktop main window: all checks passed"
