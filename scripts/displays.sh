# Virtual X servers for the tests, one per parallel test slot. Sourced by test.sh.
# vindoro_displays_start N SPECFILE: starts N servers, exports VINDORO_DISPLAYS and writes the
# ctest resource spec that hands each running test one of them.
VINDORO_XVFB_PIDS=()

vindoro_displays_start() {
  local n="$1" spec="$2" dir
  dir=$(mktemp -d)
  local numbers=()
  for i in $(seq 0 $((n - 1))); do
    Xvfb -displayfd 3 -screen 0 1600x1000x24 -dpi 96 -nolisten tcp 3>"$dir/$i" 2>/dev/null &
    VINDORO_XVFB_PIDS+=($!)
  done
  for i in $(seq 0 $((n - 1))); do
    for _ in $(seq 1 500); do [ -s "$dir/$i" ] && break; sleep 0.02; done
    [ -s "$dir/$i" ] || { echo "Xvfb $i did not start" >&2; return 1; }
    numbers+=("$(head -n 1 "$dir/$i")")
  done
  rm -rf "$dir"
  export VINDORO_DISPLAYS="${numbers[*]}"
  {
    printf '{"version":{"major":1,"minor":0},"local":[{"display":['
    for i in $(seq 0 $((n - 1))); do
      [ "$i" -gt 0 ] && printf ','
      printf '{"id":"%d","slots":1}' "$i"
    done
    printf ']}]}\n'
  } > "$spec"
}

vindoro_displays_stop() {
  for p in "${VINDORO_XVFB_PIDS[@]}"; do kill "$p" 2>/dev/null; done
  VINDORO_XVFB_PIDS=()
}
