#!/bin/sh
# Starts the real program N times (default 10) on a fresh, empty archive under Xvfb and prints
# the start-up time it records ("Application"/Speed, milliseconds) for each run and the median.
# The first run includes the copy of the template; later runs open the existing archive.
set -eu
BIN=${1:-build/quarzil}
RUNS=${2:-10}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/cfg" XDG_DATA_HOME="$work/data" QUARZIL_MACHINE_CONFIG="$work/none.ini"
export QUARZIL_INSTANCE_NAME="quarzil-bench-$$" QUARZIL_NONINTERACTIVE=1
mkdir -p "$XDG_DATA_HOME"
ini="$XDG_CONFIG_HOME/Norvisk/Quarzil.ini"
speeds=""
i=0
while [ $i -lt "$RUNS" ]; do
  rm -f "$ini.speed"
  "$BIN" 2>/dev/null &
  pid=$!
  n=0
  while ! grep -q '^Speed=' "$ini" 2>/dev/null; do
    sleep 0.05; n=$((n + 1)); [ $n -lt 400 ] || { echo "start-up did not finish" >&2; kill $pid; exit 1; }
  done
  s=$(sed -n 's/^Speed=//p' "$ini")
  kill -TERM $pid; wait $pid || true
  sed -i '/^Speed=/d' "$ini"
  echo "run $((i + 1)): $s ms"
  speeds="$speeds $s"
  i=$((i + 1))
done
echo "$speeds" | tr ' ' '\n' | sed '/^$/d' | sort -n | awk '{a[NR]=$1} END {m=(NR%2)?a[(NR+1)/2]:(a[NR/2]+a[NR/2+1])/2; print "median: " m " ms over " NR " runs"}'
