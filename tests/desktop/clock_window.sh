#!/usr/bin/env bash
# The trade-run clock on a real desktop: "跑商辅助" on the 其它 page puts it in place of the main
# window, the first-run reminder comes up over it, the window manager keeps it above other
# windows (_NET_WM_STATE_ABOVE), a 时辰 button starts it, the price panel opens, and closing it
# brings the main window back. Driven through the probe with real mouse and keyboard events.
set -uo pipefail
failure_windows='zicalc|提醒|:[0-9][0-9]:'
failure_shot='clock-window-failure.png'
# shellcheck source=SCRIPTDIR/lib/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
begin_test "$@"
start_probe

main='zi多功能计算器'
clock='^[0-9][0-9]:[0-9][0-9]:[0-9][0-9]$'  # the clock's caption is the time of day
wait_for 15 visible "$main" || fail "the main window did not appear"
sleep 0.5

log "跑商辅助 opens the clock in place of the main window; without setting.ini it asks for a calibration."
click 'Button0(6)'
click 'dcButton5'
wait_for 5 visible "$clock" || fail "the clock did not open"
wait_for 5 gone "$main" || fail "the main window stayed on the screen"
wait_for 5 visible '^提醒$' || fail "no first-run reminder"
sleep 0.3
import -window root "$artifacts/clock-first-run.png" 2>/dev/null || true
xdotool key Return
wait_for 5 gone '^提醒$' || fail "Enter did not close the reminder"

log "The window manager keeps the clock above other windows."
xprop -id "$(window_of "$clock")" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE ||
  fail "the clock is not kept above: $(xprop -id "$(window_of "$clock")" _NET_WM_STATE)"

log "辰 starts the clock and writes setting.ini; the price panel opens."
click 'dcButton1(4)'
wait_for 5 test -s setting.ini || fail "no setting.ini after a calibration"
head -n1 setting.ini | grep -q '^600' || fail "setting.ini does not start with phase 600: $(head -n1 setting.ini)"
click 'dcButton4'
sleep 1.5
import -window root "$artifacts/clock-running.png" 2>/dev/null || true

log "Closing the clock brings the main window back."
xdotool windowactivate --sync "$(window_of "$clock")" key alt+F4
wait_for 5 gone "$clock" || fail "the clock did not close"
wait_for 5 visible "$main" || fail "the main window did not come back"

xdotool windowactivate --sync "$(window_of "$main")" key alt+F4
wait_for 5 ended || fail "the program did not end"
echo "desktop clock window: all checks passed"
