#!/usr/bin/env bash
# The mock exam page and the mini query window on a real desktop: the exam's countdown reaches
# the first question on the real timers; 迷你 puts the mini window in place of the main window,
# above the others (_NET_WM_STATE_ABOVE), in the bottom-right corner, and its corner button takes
# it bottom left, top right and back; closing it brings the main window back.
set -uo pipefail
failure_windows='zicalc|迷你'
failure_shot='mini-window-failure.png'
# shellcheck source=SCRIPTDIR/lib/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
begin_test "$@"
printf '1,古代常识,长安城有几个门？,四个,三个,五个,六个\r\n2,历史知识,长安是哪朝的都城？,唐,宋,元,明\r\n' |
  iconv -f UTF-8 -t GBK >test.dat
start_probe

shown() { [ "$(where "$1")" != none ]; }
hidden() { [ "$(where "$1")" = none ]; }

main='zi多功能计算器'
mini='科举查询\(迷你\)'  # a pattern: the parentheses are escaped
wait_for 15 visible "$main" || fail "the main window did not appear"
sleep 0.5

log "考试 opens the exam page; 开始 counts down to the first question on the real timers."
click 'Button0(5)'
wait_for 5 shown 'Button17(3)' || fail "the browser page did not come up"
click 'Button17(3)'
wait_for 5 shown 'Button18(0)' || fail "the exam page did not come up"
click 'Button18(0)'
wait_for 3 shown 'Label18' || fail "the countdown did not show"
wait_for 9 shown 'Option4(0)' || fail "no question within nine seconds of 开始"
hidden 'Label18' || fail "the countdown label stayed up with the first question"
import -window "$(window_of "$main")" "$artifacts/exam-page.png" 2>/dev/null || true
click 'Button18(1)'
wait_for 3 shown 'Label18' || fail "停止 showed no status"
click 'Button18(2)'
wait_for 5 shown 'Button17(4)' || fail "放弃 did not return to the browser"

log "迷你 shows the mini window in place of the main window, above the others."
click 'Button17(4)'
wait_for 5 visible "$mini" || fail "the mini window did not open"
wait_for 5 gone "$main" || fail "the main window stayed on screen"
win=$(window_of "$mini")
xprop -id "$win" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "the mini window is not kept above"

# The corners, checked on the window's frame: right edge on the screen's right edge, top 0, left 0;
# the bottom corners sit the window's width plus 80 pixels above the bottom.
eval "$(xdotool getdisplaygeometry --shell)"
screen_w=$WIDTH
screen_h=$HEIGHT
frame_of() {  # prints "left top width" of the window's outer frame
  local id=$1 extents l r t x y w
  extents=$(xprop -id "$id" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ' ')
  IFS=, read -r l r t _ <<<"${extents:-0,0,0,0}"
  # xwininfo gives the client area's absolute place; the frame lies around it.
  x=$(xwininfo -id "$id" | sed -n 's/.*Absolute upper-left X: *//p')
  y=$(xwininfo -id "$id" | sed -n 's/.*Absolute upper-left Y: *//p')
  w=$(xwininfo -id "$id" | sed -n 's/.*Width: *//p')
  echo "$((x - l)) $((y - t)) $((w + l + r))"
}
at_corner() {  # at_corner NAME: the frame is where that corner puts it (2 pixels of slack)
  local left top width want_left want_top
  read -r left top width <<<"$(frame_of "$win")"
  case $1 in
    bottom-right) want_left=$((screen_w - width)); want_top=$((screen_h - width - 80)) ;;
    bottom-left) want_left=0; want_top=$((screen_h - width - 80)) ;;
    top-right) want_left=$((screen_w - width)); want_top=0 ;;
  esac
  [ $((left - want_left)) -le 2 ] && [ $((want_left - left)) -le 2 ] &&
    [ $((top - want_top)) -le 2 ] && [ $((want_top - top)) -le 2 ]
}
wait_for 5 at_corner bottom-right || fail "the mini window opened at $(frame_of "$win"), not bottom right"
import -window root "$artifacts/mini-window.png" 2>/dev/null || true
for corner in bottom-left top-right bottom-right; do
  click 'Button3'
  wait_for 5 at_corner "$corner" || fail "the corner button left the window at $(frame_of "$win"), not $corner"
done

log "Closing the mini window brings the main window back."
xdotool windowactivate --sync "$win" key alt+F4
wait_for 5 gone "$mini" || fail "the mini window did not close"
wait_for 5 visible "$main" || fail "the main window did not come back"

xdotool windowactivate --sync "$(window_of "$main")" key alt+F4
wait_for 5 ended || fail "the program did not end"
echo "desktop mini window: all checks passed"
