#!/usr/bin/env bash
# Sets up, then builds and runs the whole test suite twice: a normal build, and one
# with AddressSanitizer and UndefinedBehaviorSanitizer. Any failing test or sanitizer
# report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0

status=0
run_suite() {
  local dir=$1; shift
  echo "== $dir: configure and build"
  cmake -S . -B "$dir" -G Ninja "$@" > /dev/null
  cmake --build "$dir" -j "$jobs"
  echo "== $dir: tests"
  ctest --test-dir "$dir" -j "$jobs" --output-on-failure || status=1
}

run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo
run_suite build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVARNIMO_SANITIZE=ON -DVARNIMO_BENCH=OFF

if [ $status -eq 0 ]; then
  echo "All tests passed in both builds (normal, ASan+UBSan)."
else
  echo "Some tests failed; see above."
fi
exit $status
