#!/usr/bin/env bash
# Builds the libFuzzer targets with Clang in build/fuzz and runs one of them.
# Usage: scripts/fuzz.sh TARGET SECONDS [libFuzzer options...]
#        scripts/fuzz.sh --smoke SECONDS   (each target in turn, for SECONDS each)
# Targets: jet_translate jet_rows format conversions script_reader.
# The seeds are fuzz/corpus/TARGET (fuzz/corpus/jet for both jet targets); what a run finds goes to build/fuzz/corpus/TARGET, and a
# crashing input to build/fuzz/findings/. Exit status 0 when no target found anything.
set -euo pipefail
cd "$(dirname "$0")/.."
targets=(jet_translate jet_rows format conversions script_reader)
if (($# < 2)); then
  echo "usage: scripts/fuzz.sh TARGET|--smoke SECONDS [libFuzzer options...]" >&2
  exit 2
fi
what="$1"
seconds="$2"
shift 2
if [ "$what" = --smoke ]; then
  selected=("${targets[@]}")
else
  selected=("$what")
  [[ " ${targets[*]} " == *" $what "* ]] || { echo "unknown target $what (${targets[*]})" >&2; exit 2; }
fi

dir=build/fuzz
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# -O1 with line tables: quick to build, fast enough to run, and reports that name their lines.
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_FLAGS="-O1 -gline-tables-only" \
      -DCMAKE_CXX_COMPILER=clang++ -DZOLK_WERROR=ON -DZOLK_FUZZ=ON -DZOLK_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build "$dir" -j2 --target "${selected[@]/#/fuzz_}"

mkdir -p "$dir/findings"
status=0
for t in "${selected[@]}"; do
  seeds="fuzz/corpus/${t%%_*}"   # jet_translate and jet_rows share the statements
  [ -d "$seeds" ] || seeds="fuzz/corpus/$t"
  mkdir -p "$dir/corpus/$t"
  echo "== $t for ${seconds}s"
  # Ten seconds per input at most, 2 GB of memory: a slow or greedy input is a find.
  if ! "$dir/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$dir/findings/$t-" "$@" \
        "$dir/corpus/$t" "$seeds" 2>"$dir/$t.log"; then
    status=1
    tail -40 "$dir/$t.log" >&2
  fi
  grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$dir/$t.log" | sed "s/^/  /"
done
exit $status
