# Sourced by the scripts that need an emulated meter, once $exe (the built
# program) and $emulator (the built meter emulator) are set: both must be there.
# start_emulator, once $work (a scratch folder) is set too, starts the emulator
# in the background with the options given, waits until it answers and sets
# `pty` to its pseudo-terminal; the emulator and $work go when the script ends.
for f in "$exe" "$emulator"; do
  if [ ! -x "$f" ]; then
    echo "$f is missing: build first (make build)." >&2
    exit 1
  fi
done

emulator_pid=
cleanup() {
  if [ -n "$emulator_pid" ]; then
    kill "$emulator_pid" 2>/dev/null || true
    wait "$emulator_pid" 2>/dev/null || true
  fi
  [ -z "${work:-}" ] || rm -rf "$work"
}
trap cleanup EXIT

start_emulator() {
  # Emptied here: the background start empties it only later, and a second
  # emulator must not be taken for started by the first one's line.
  : >"$work/meter.out"
  "$emulator" "$@" >"$work/meter.out" 2>"$work/meter.err" &
  emulator_pid=$!
  # The emulator prints its terminal's path on its first line once it is ready.
  for _ in $(seq 50); do
    [ -s "$work/meter.out" ] && break
    if ! kill -0 "$emulator_pid" 2>/dev/null; then
      cat "$work/meter.err" >&2
      exit 1
    fi
    sleep 0.1
  done
  pty=$(head -n 1 "$work/meter.out")
  if [ -z "$pty" ]; then
    echo "The meter emulator did not start." >&2
    exit 1
  fi
}
