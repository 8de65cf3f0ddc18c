# Private X server for scripts that open windows; source it, then call start_private_xvfb.
# start_private_xvfb SCREEN: starts Xvfb on a display number the server picks itself (no race
# with other runs), sets xvfb_pid and DISPLAY, fails when no display is reported within 20 s.
# -noreset: otherwise the server resets whenever its last client leaves and refuses the next
# program's connection meanwhile.
start_private_xvfb() {
  local fifo display=""
  fifo=$(mktemp -u)
  mkfifo "$fifo" || return 1
  Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
  xvfb_pid=$!
  read -r -t 20 display <"$fifo"
  rm -f "$fifo"
  [ -n "$display" ] || return 1
  export DISPLAY=":$display"
}
