#!/usr/bin/env bash
# Builds one fuzz target with clang's libFuzzer (in build-fuzz) and runs it.
# Usage: scripts/fuzz.sh TARGET [SECONDS] [libFuzzer option ...]
#   TARGET   nametable, collection, cmap, inifile or favorites (fuzz/TARGET_fuzz.cpp)
#   SECONDS  how long to run (default 600); 0 runs until a -runs=N option is met or Ctrl+C
# The run starts from the corpus in the repository (fuzz/corpus/TARGET, seeded from
# fuzz/makeseeds.cpp when it is empty) and the inputs that once found a fault
# (fuzz/regressions/TARGET), and grows a work corpus in build-fuzz/corpus/TARGET. After a clean
# run both are merged back into fuzz/corpus/TARGET, minimised (-merge=1), so the repository keeps
# a small corpus that covers all that was reached. A fault stops the run with its input in
# build-fuzz/artifacts/TARGET/: add that input to fuzz/regressions/TARGET/ with the fix.
# The fuzzer runs in build-fuzz/logs/TARGET/, where -jobs=N leaves its fuzz-N.log files, so
# that runs of two targets at once keep their logs apart and out of the source tree.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

if [ $# -lt 1 ] || [ ! -f "fuzz/$1_fuzz.cpp" ]; then
  echo "Usage: scripts/fuzz.sh TARGET [SECONDS] [libFuzzer option ...]" >&2
  echo "Targets: $(cd fuzz && ls ./*_fuzz.cpp | sed 's|^./||; s|_fuzz.cpp$||' | tr '\n' ' ')" >&2
  exit 2
fi
target=$1
seconds=${2:-600}
shift $(( $# >= 2 ? 2 : 1 ))

scripts/deps.sh build fuzz
build_dir="$root/build-fuzz"
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DGW_FUZZ=ON -DGW_BUILD_BENCH=OFF >/dev/null
cmake --build "$build_dir" --target "fuzz_$target" fuzz_makeseeds
fuzzer="$build_dir/fuzz/fuzz_$target"

corpus="$root/fuzz/corpus/$target"
work="$build_dir/corpus/$target"
artifacts="$build_dir/artifacts/$target"
logs="$build_dir/logs/$target"
mkdir -p "$corpus" "$work" "$artifacts" "$logs"
inputs=("$work" "$corpus")
if [ -d "$root/fuzz/regressions/$target" ]; then inputs+=("$root/fuzz/regressions/$target"); fi

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"

# Merges the given folders into the corpus, keeping only inputs that add coverage.
merge_into_corpus() {
  local merged
  merged=$(mktemp -d)
  "$fuzzer" -merge=1 "$merged" "$@" 2>&1 | tail -n 2
  rm -rf "$corpus"
  mkdir -p "$corpus"
  cp "$merged"/* "$corpus"/ 2>/dev/null || true
  rm -rf "$merged"
}

if [ -z "$(ls -A "$corpus")" ]; then
  seeds="$build_dir/seeds"
  rm -rf "$seeds"
  "$build_dir/fuzz/fuzz_makeseeds" "$seeds" /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf \
    /usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf \
    /usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf
  if [ -d "$seeds/$target" ]; then merge_into_corpus "$seeds/$target"; fi
fi

if ! (cd "$logs" && "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix="$artifacts/" "$@" "${inputs[@]}"); then
  echo "A fault was found; its input is in $artifacts/. Fix it, then add the input to" \
    "fuzz/regressions/$target/ so that the corpus replay keeps checking it." >&2
  exit 1
fi

merge_into_corpus "$corpus" "$work"
echo "Corpus fuzz/corpus/$target: $(ls "$corpus" | wc -l) inputs, $(du -sh "$corpus" | cut -f1)"
