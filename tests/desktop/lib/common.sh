# Helpers shared by the desktop test scripts (sourced, not run).
log() { echo "[$(date +%T.%3N)] $*"; }
wait_for() {  # wait_for SECONDS COMMAND...: until the command succeeds
  local limit=$(( $1 * 10 )); shift
  for _ in $(seq 1 "$limit"); do "$@" && return 0; sleep 0.1; done
  return 1
}
visible() { [ -n "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ]; }
window_of() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }
