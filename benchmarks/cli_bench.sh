#!/bin/sh
# trailcfg-cli as a whole process: `batch` of 1,000 cameras (wall time and
# peak memory by /usr/bin/time -v) and `export` of one file (hyperfine when it
# is installed, else a timed loop). Prints the numbers; asserts nothing.
#
#   benchmarks/cli_bench.sh [BUILD_DIR]      (default build/cli-bench, Release)
set -eu
build=${1:-build/cli-bench}
cli=$build/bin/trailcfg-cli
[ -x "$cli" ] || { echo "no $cli; build it: cmake -S . -B $build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRAILCFG_QT=OFF && ninja -C $build trailcfg-cli" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/trailcfg-cli-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT

cat > "$work/template.json" <<'JSON'
{"bySendBy": 2, "szRecp[2]": "owner@farm.org", "sSmtpSet.szServer": "smtp.farm.org", "sSmtpSet.iPort": 25,
 "sSmtpSet.szAddr": "cams@farm.org", "sSmtpSet.szPassword": "pw", "byOperatorCountry": 2, "byOperator": 1,
 "byRemoteInterval": 0, "szRemotePhoneNum": "+4917012345", "szRemoteEmail": "remote@farm.org",
 "CapMode": 2, "Interval": 65, "SerialMode": 1}
JSON
{
  echo "name,szRecp[3],szRecp[0],Serial[0],Serial[1]"
  i=1
  while [ $i -le 1000 ]; do
    echo "cam$i,c$i@farm.org,+49170$i,$((i % 36)),$((i / 36 % 36))"
    i=$((i + 1))
  done
} > "$work/cameras.csv"

run_batch() {
  rm -rf "$work/out" && mkdir "$work/out"
  /usr/bin/time -v "$cli" batch "$work/template.json" "$work/cameras.csv" --out "$work/out" \
    > "$work/batch.out" 2> "$work/batch.time"
  cat "$work/batch.out"
  grep -E "Elapsed \(wall clock\)|Maximum resident set size" "$work/batch.time"
}
echo "== batch, 1,000 cameras (CFG.BIN + menu.dat each), twice"
run_batch
run_batch

"$cli" new cfg --dir "$work" > /dev/null
echo "== export of one CFG.BIN, whole process"
if command -v hyperfine > /dev/null; then
  hyperfine -N --warmup 20 --runs 500 "$cli export $work/CFG.BIN" 2>&1 | grep -E "Time|Range"
else
  start=$(date +%s%N)
  i=0
  while [ $i -lt 500 ]; do "$cli" export "$work/CFG.BIN" > /dev/null; i=$((i + 1)); done
  end=$(date +%s%N)
  echo "mean $(( (end - start) / 500 / 1000 )) us per run (500 runs)"
fi
