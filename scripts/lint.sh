#!/usr/bin/env bash
# The checks of the code CI runs besides the tests: clang-format over src/ tests/ bench/ fuzz/
# must find nothing to change, and clang-tidy with the repository's .clang-tidy must find
# nothing in src/ (two files at a time, on the compile commands of BUILD_DIR).
# Usage: scripts/lint.sh [BUILD_DIR]   (default build; scripts/build.sh makes it)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${1:-build}"

find src tests bench fuzz \( -name '*.cpp' -o -name '*.h' \) -print0 |
  xargs -0 clang-format --dry-run -Werror
echo "clang-format: nothing to change"

if [ ! -f "$build_dir/compile_commands.json" ]; then
  echo "No $build_dir/compile_commands.json: build first (scripts/build.sh $build_dir)" >&2
  exit 2
fi
# The moc files under the build folder are Qt's, not ours: only the sources below src/.
run-clang-tidy -p "$build_dir" -j 2 -quiet -extra-arg=-Wno-unknown-warning-option "^$PWD/src/" >"$build_dir/clang-tidy.log" 2>&1 ||
  { grep -E "warning:|error:" -A3 "$build_dir/clang-tidy.log" >&2; exit 1; }
echo "clang-tidy: no findings"
