#!/bin/sh
# Runs one libFuzzer target for a bounded time, starting from its committed
# seeds, and reports how fast it went. New inputs go to a scratch folder, so
# the committed seeds stay as they are. Exits non-zero on a crash, a sanitizer
# report, a leak, a hang, or a fuzzer that did not run; the input that did it
# is kept in the artifact folder and shown in hex.
#
#   tools/run-fuzzers.sh [-t SECONDS] [-a ARTIFACT_DIR] FUZZER SEED_DIR
set -eu

seconds=30
artifacts=
while getopts t:a: opt; do
  case $opt in
    t) seconds=$OPTARG ;;
    a) artifacts=$OPTARG ;;
    *) echo "usage: $0 [-t SECONDS] [-a ARTIFACT_DIR] FUZZER SEED_DIR" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
[ $# -eq 2 ] || { echo "usage: $0 [-t SECONDS] [-a ARTIFACT_DIR] FUZZER SEED_DIR" >&2; exit 2; }
fuzzer=$1
seeds=$2
name=$(basename "$fuzzer")

work=$(mktemp -d "${TMPDIR:-/tmp}/trailcfg-fuzz-run-XXXXXX")
trap 'rm -rf "$work"' EXIT
trap 'exit 1' HUP INT PIPE TERM
mkdir "$work/corpus"
[ -n "$artifacts" ] || artifacts=$work/artifacts
mkdir -p "$artifacts"
# What a previous run left there is not this run's finding.
find "$artifacts" -maxdepth 1 -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) -delete

seed_count=$(find "$seeds" -type f | wc -l)
status=0
"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$artifacts/" "$work/corpus" "$seeds" >"$work/log" 2>&1 || status=$?

final_stat() { sed -n "s/^stat::$1: *//p" "$work/log" | tail -n 1; }
runs=$(final_stat number_of_executed_units)
rate=$(final_stat average_exec_per_sec)
new_units=$(final_stat new_units_added)
coverage=$(grep -o 'cov: [0-9]*' "$work/log" | tail -n 1 | cut -d' ' -f2)

if [ "$status" -ne 0 ] || [ -z "$runs" ] || [ "$runs" -eq 0 ]; then
  echo "$name: FAILED (exit status $status) after ${runs:-no} executions"
  report=$(awk '/==[0-9]+==ERROR|check failed|runtime error|deadly signal|ALARM|out-of-memory/ {p = 1} p' \
    "$work/log" | head -n 80)
  if [ -n "$report" ]; then echo "$report"; else tail -n 60 "$work/log"; fi
  for f in "$artifacts"/*; do
    [ -f "$f" ] || continue
    echo "input kept as $f ($(wc -c <"$f") bytes):"
    od -An -tx1 -v "$f" | head -n 100
  done
  exit 1
fi

echo "$name: ${seconds} s, $runs executions, $rate exec/s, coverage ${coverage:-?} edges," \
  "$seed_count seeds + $new_units new inputs, no crash"
