#!/bin/sh
# Builds the calculator and starts it on the user's desktop.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j2 --target hygrel
exec ./build/bin/hygrel "$@"
