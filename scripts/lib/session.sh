# The scratch folder and background processes of a script that runs the program; source it.
# Sets work (a new folder); record the program in app_pid and its display server in server_pid
# (start_private_xvfb sets xvfb_pid): at exit they are stopped and the folder is removed.
work=$(mktemp -d "${TMPDIR:-/tmp}/hexcribe-session.XXXXXX")
app_pid="" server_pid="" xvfb_pid=""
end_session() {
  local pid
  for pid in "$app_pid" "$server_pid" "$xvfb_pid"; do
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
  done
  wait 2>/dev/null
  rm -rf "$work"
}
trap end_session EXIT

wait_for() {  # wait_for SECONDS COMMAND...: polls until the command succeeds
  local deadline=$((SECONDS + $1)); shift
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
}
