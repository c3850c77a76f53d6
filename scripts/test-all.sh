#!/bin/sh
# Builds everything and runs every test: the release build, the build under
# the address and undefined-behaviour sanitizers, and the fuzzers for a
# bounded time.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh

JOBS=2
export QT_QPA_PLATFORM=offscreen

echo "== release build"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$JOBS"
ctest --test-dir build --output-on-failure -j"$JOBS"

echo "== sanitizer build (address, undefined)"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHYGREL_SANITIZE=ON -DHYGREL_BUILD_BENCH=OFF
cmake --build build-sanitize -j"$JOBS"
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-sanitize --output-on-failure -j"$JOBS"

if [ -f tests/fuzz/CMakeLists.txt ]; then
  echo "== fuzzers (clang, libFuzzer)"
  cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DHYGREL_BUILD_FUZZERS=ON -DHYGREL_BUILD_GUI=OFF -DHYGREL_BUILD_BENCH=OFF
  cmake --build build-fuzz -j"$JOBS"
  ctest --test-dir build-fuzz --output-on-failure -L fuzz
fi
