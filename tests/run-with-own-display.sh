#!/usr/bin/env bash
# Runs one test program on a virtual X server that no other running test uses, so windows of
# one test can never take the focus or the stacking order from another's.
# - Under test.sh, ctest hands each test one display slot (CTEST_RESOURCE_GROUP_0_DISPLAY) of
#   the X servers test.sh started (VINDORO_DISPLAYS, one display number per slot).
# - Otherwise an X server already set in DISPLAY is used, or one is started for this run.
set -u
case " $* " in *" --gtest_list_tests "*) exec "$@" ;; esac

if [ -n "${CTEST_RESOURCE_GROUP_0_DISPLAY:-}" ] && [ -n "${VINDORO_DISPLAYS:-}" ]; then
  id=$(printf '%s' "$CTEST_RESOURCE_GROUP_0_DISPLAY" | sed -n 's/.*id:\([0-9]*\).*/\1/p')
  read -r -a displays <<< "$VINDORO_DISPLAYS"
  export DISPLAY=":${displays[$id]}"
  exec "$@"
fi
[ -n "${DISPLAY:-}" ] && exec "$@"

tmp=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1600x1000x24 -dpi 96 -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
xpid=$!
for _ in $(seq 1 500); do
  [ -s "$tmp/display" ] && break
  kill -0 "$xpid" 2>/dev/null || break
  sleep 0.02
done
if [ ! -s "$tmp/display" ]; then
  echo "Xvfb did not start:" >&2; cat "$tmp/xvfb.log" >&2
  kill "$xpid" 2>/dev/null; rm -rf "$tmp"; exit 1
fi
export DISPLAY=":$(head -n 1 "$tmp/display")"
"$@"
rc=$?
kill "$xpid" 2>/dev/null
wait "$xpid" 2>/dev/null
rm -rf "$tmp"
exit $rc
