#!/usr/bin/env bash
# Builds the libFuzzer programs with clang (AddressSanitizer and UBSan) and runs each one for
# SECONDS (default 60), starting from the project's seed files and what earlier runs found.
# A crash is kept under tests/fuzz_regressions/<reader>/, where the test suite replays it.
#   scripts/fuzz.sh [SECONDS_PER_READER] [READER...]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
shift || true
build="$here/build-fuzz"
readers=("$@")
if [ ${#readers[@]} -eq 0 ]; then
  readers=(param_file text_list_file index_records exclusion_file ini_file jpeg_file bmp_file ico_file
           wmf_file emf_file)
fi
targets=(make_corpus)
for r in "${readers[@]}"; do targets+=("fuzz_$r"); done
bash "$here/scripts/build.sh" fuzz --target "${targets[@]}"
"$build/make_corpus" "$build/seeds"
status=0
printf '%-16s %8s %10s %8s %s\n' reader seconds execs cov result
for r in "${readers[@]}"; do
  corpus="$build/corpus/$r"
  mkdir -p "$corpus" "$build/crashes/$r"
  log="$build/fuzz_$r.log"
  set +e
  (cd "$build/crashes/$r" && "$build/fuzz_$r" -max_total_time="$seconds" -print_final_stats=1 \
     -rss_limit_mb=2048 -malloc_limit_mb=1024 -timeout=10 "$corpus" "$build/seeds/$r" >"$log" 2>&1)
  rc=$?
  set -e
  execs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*' || echo "?")
  result=ok
  if [ $rc -ne 0 ]; then
    result="FOUND (see $log)"
    status=1
    mkdir -p "$here/tests/fuzz_regressions/$r"
    cp "$build/crashes/$r"/crash-* "$build/crashes/$r"/leak-* "$build/crashes/$r"/timeout-* \
       "$build/crashes/$r"/oom-* "$here/tests/fuzz_regressions/$r/" 2>/dev/null || true
  fi
  printf '%-16s %8s %10s %8s %s\n' "$r" "$seconds" "$execs" "$cov" "$result"
done
exit $status
