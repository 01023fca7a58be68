# Sourced by the scripts: start_xvfb gives the run a private X display, even
# on a desktop (the window tests read pixels and type keys, which must not
# reach the person's own windows), and stops it when the script exits.
start_xvfb() {
  local f
  f=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$f" >/dev/null 2>&1 &
  XVFB_PID=$!
  trap 'kill $XVFB_PID 2>/dev/null || true' EXIT
  for _ in $(seq 100); do [ -s "$f" ] && break; sleep 0.1; done
  [ -s "$f" ] || { echo "Xvfb no ha arrancado" >&2; return 1; }
  export DISPLAY=":$(head -n1 "$f")"
  rm -f "$f"
}
