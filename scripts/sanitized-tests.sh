#!/usr/bin/env bash
# The native tests built with clang under AddressSanitizer and UBSan, then each fuzz target for
# PENMAR_FUZZ_SECONDS (default 20) from the inputs in tests/fuzz/corpus/.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/sanitize
seconds=${PENMAR_FUZZ_SECONDS:-20}
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPENMAR_FUZZ=ON >/dev/null
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j2

for target in list_files_fuzz typed_word_fuzz word_scanner_fuzz text_encoding_fuzz; do
  # New inputs go to a scratch folder; the tree's corpus is only read.
  found="$build/fuzz-found/$target" log="$build/$target.log"
  mkdir -p "$found"
  if ! "$build/bin/$target" -max_total_time="$seconds" -artifact_prefix="$build/" "$found" \
      "tests/fuzz/corpus/$target" > "$log" 2>&1; then
    tail -n 60 "$log"
    echo "$target failed: the input that did it is in $build/ (crash-*, leak-* or timeout-*)" >&2
    exit 1
  fi
  echo "$target: $(grep '^Done' "$log")"
done
