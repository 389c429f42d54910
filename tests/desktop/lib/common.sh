# Helpers shared by the desktop test scripts (sourced, not run).
#
# A script sets `failure_windows` (a grep -E pattern of the window tree lines worth showing when it
# fails) and, to keep a picture of the screen then, `failure_shot` (a file name under the
# artifacts directory); then it calls begin_test "$@".

log() { echo "[$(date +%T.%3N)] $*"; }

fail() {
  log "FAIL: $*" >&2
  xwininfo -root -tree 2>/dev/null | grep -E "$failure_windows" >&2
  if [ -n "${failure_shot:-}" ]; then
    import -window root "$artifacts/$failure_shot" 2>/dev/null
  fi
  exit 1
}

# begin_test PROGRAM ARTIFACTS PROBE: keeps the three paths (zicalc, artifacts, probe) and moves
# into a fresh work directory, removed at the end with the program the script started (pid).
begin_test() {
  zicalc=$1
  artifacts=$2
  probe=$3
  mkdir -p "$artifacts"
  work=$(mktemp -d)
  cd "$work" || exit 1
  pid=
  trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
}

wait_for() {  # wait_for SECONDS COMMAND...: until the command succeeds
  local limit=$(( $1 * 10 )); shift
  for _ in $(seq 1 "$limit"); do "$@" && return 0; sleep 0.1; done
  return 1
}
visible() { [ -n "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ]; }
gone() { ! visible "$1"; }
window_of() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }
ended() { ! kill -0 "$pid" 2>/dev/null; }

# The notification-area icon: a mapped window of zicalc's class (the program's, or the probe's
# instance name) named just "zicalc" (the main window bears its caption).
tray_icon() {
  local w
  for w in $(xwininfo -root -tree 2>/dev/null | awk '/ "zicalc": \("(zicalc|desktop_probe)" "zicalc"\)/ {print $1}'); do
    xwininfo -id "$w" 2>/dev/null | grep -q 'IsViewable' && { echo "$w"; return; }
  done
}
icon_present() { [ -n "$(tray_icon)" ]; }
icon_gone() { [ -z "$(tray_icon)" ]; }

# The probe: the real main window in a program that also says where a control is on the screen.
start_probe() {
  coproc PROBE { "$probe"; }
  pid=$PROBE_PID
}
where() {  # where OBJECTNAME: the screen centre of that control, or "none"
  local at
  echo "where $1" >&"${PROBE[1]}"
  read -r -t 5 at <&"${PROBE[0]}" || fail "the probe did not answer for $1"
  echo "$at"
}
click() {  # click OBJECTNAME: a real left click on the centre of that control
  local at
  at=$(where "$1")
  [ "$at" != none ] || fail "no visible control $1"
  log "click $1 at $at"
  # shellcheck disable=SC2086
  xdotool mousemove --sync $at click 1
}
