#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, the address and undefined-behaviour sanitizers on, in
# build-fuzz, and runs each for N seconds (default 60) from its seeds in tests/fuzz/seeds/.
# Fails when any target crashes, hangs, leaks or breaks one of its checks; the input that did it
# is kept in build-fuzz/fuzz/artifacts/.
#   scripts/fuzz.sh [seconds] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
zv_install_packages "${ZV_PACKAGES[@]}" clang

seconds=${1:-60}
shift || true
targets=("$@")
[ "${#targets[@]}" -eq 0 ] && targets=(fuzz_numbers fuzz_drawing fuzz_pictures)
# A picture may take no more at once than one at the loader's limit needs (64 Mi pixels, 256 MiB).
declare -A options=([fuzz_pictures]="-malloc_limit_mb=257")

cmake --preset fuzz
cmake --build --preset fuzz --target "${targets[@]}"

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$PWD/build-fuzz/runtime}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
failed=()
for target in "${targets[@]}"; do
  corpus=build-fuzz/fuzz/corpus/$target
  artifacts=build-fuzz/fuzz/artifacts/$target
  mkdir -p "$corpus" "$artifacts"
  echo "== $target for ${seconds} s"
  # New inputs go to the corpus in the build folder; the seeds stay as they are.
  # shellcheck disable=SC2086 # the options are words
  if ! "build-fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 ${options[$target]:-} \
      -artifact_prefix="$artifacts/" "$corpus" "tests/fuzz/seeds/$target"; then
    failed+=("$target")
  fi
done
if [ "${#failed[@]}" -gt 0 ]; then
  echo "Fuzzing found faults in: ${failed[*]} (inputs in build-fuzz/fuzz/artifacts/)" >&2
  exit 1
fi
echo "No faults found."
