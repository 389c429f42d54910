#!/usr/bin/env bash
# A modal window can never lock the program: the window manager minimises the warning box and
# the school-skill detail window Form2, and each comes straight back in front, its owner stays
# reachable, Enter answers the warning box, and the main window works again once the modal
# window is gone. Driven through the probe (the real main window, which also says where a
# control is) with real mouse and keyboard events.
set -uo pipefail
failure_windows='zicalc|警告|门派'
failure_shot='modal-windows-failure.png'
# shellcheck source=SCRIPTDIR/lib/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
begin_test "$@"
start_probe

active_is() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$(window_of "$1")" ]; }

main='zi多功能计算器'
wait_for 15 visible "$main" || fail "the main window did not appear"
sleep 0.5

log "The warning box comes back when the window manager minimises it."
click 'Button0(4)'  # 孩子, which has no content yet
wait_for 5 visible '警告框！' || fail "no warning box for the empty category"
xdotool windowminimize "$(window_of '警告框！')"
sleep 0.5
wait_for 5 visible '警告框！' || fail "the minimised warning box stayed off screen"
visible "$main" || fail "the main window left the screen with the warning box"
wait_for 5 active_is '警告框！' || fail "the warning box is not in front after coming back"
import -window root "$artifacts/warning-back.png" 2>/dev/null || true

log "Enter answers the warning box."
xdotool key Return
wait_for 5 gone '警告框！' || fail "Enter did not close the warning box"

log "The school-skill detail window comes back too, and so does its owner."
click 'Button3(8)'  # 详细计算
wait_for 5 visible '门派技能详细计算' || fail "the detail window did not open"
xdotool windowminimize "$(window_of '门派技能详细计算')"
sleep 0.5
wait_for 5 visible '门派技能详细计算' || fail "the minimised detail window stayed off screen"
wait_for 5 visible "$main" || fail "the main window was left hidden behind the detail window"
wait_for 5 active_is '门派技能详细计算' || fail "the detail window is not in front after coming back"
xdotool key Escape
wait_for 5 gone '门派技能详细计算' || fail "Esc did not close the detail window"

log "The main window answers again."
sleep 0.5  # the closed window's modal loop returns to the main window's event loop first
click 'Button0(4)'
wait_for 5 visible '警告框！' || fail "the main window no longer answers after the modal windows"
xdotool key Return
wait_for 5 gone '警告框！' || fail "the second warning box did not close"

log "Closing the main window ends the program."
xdotool windowactivate --sync "$(window_of "$main")" key alt+F4
wait_for 5 ended || fail "the program did not end"
echo "desktop modal windows: all checks passed"
