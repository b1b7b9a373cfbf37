#!/bin/sh
# Runs the Windows test program under Wine against a native simulator:
#   run_wine_test.sh ZAVOSIM TEST_EXE WORK_DIR [WINE]
# Starts three simulated terminals at 127.40.0.1-3, runs the program, stops
# the simulator; exits with the program's status.
set -u
sim=$1 exe=$2 work=$3 wine=${4:-wine64}
mkdir -p "$work"
keylog="$work/keylog.txt" out="$work/sim.out"
rm -f "$keylog"

: "${WINEPREFIX:=$(cd "$(dirname "$0")/../../.." && pwd)/build/wineprefix}"
: "${WINEDEBUG:=-all}"
export WINEPREFIX WINEDEBUG
[ -d "$WINEPREFIX" ] || wineboot --init >/dev/null 2>&1

"$sim" --terminals 3 --address 127.40.0.1 --keylog "$keylog" >"$out" 2>&1 &
pid=$!
trap 'kill -TERM $pid 2>/dev/null; wait $pid 2>/dev/null' EXIT
i=0
while [ "$(grep -c ' ready at ' "$out" 2>/dev/null)" -lt 3 ]; do
  i=$((i + 1))
  if [ $i -gt 100 ] || ! kill -0 $pid 2>/dev/null; then
    echo "simulator did not start:"; cat "$out"; exit 1
  fi
  sleep 0.1
done

"$wine" "$exe" "Z:$keylog"
