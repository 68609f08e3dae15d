#!/usr/bin/env bash
# Sets up a fresh Debian machine for Pelvaro, builds it, and then starts it or runs the tests.
#   ./build.sh run    install what is missing, build, start the program
#   ./build.sh test   install what is missing, build with sanitizers, run every test
#   ./build.sh bench  install what is missing, build optimised, run the benchmarks
set -euo pipefail
cd "$(dirname "$0")"
what=${1:-run}

packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-svg-dev
          libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
          fonts-ipafont-gothic fonts-ipafont-mincho qt6-translations-l10n)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi

jobs=$(nproc)
case "$what" in
  run)
    cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DPELVARO_TESTS=OFF -DPELVARO_BENCH=OFF >/dev/null
    cmake --build build/release -j "$jobs" --target pelvaro
    exec build/release/app/pelvaro
    ;;
  test)
    cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPELVARO_SANITIZE=ON -DPELVARO_BENCH=OFF >/dev/null
    cmake --build build/test -j "$jobs"
    cd build/test && ctest --output-on-failure -j "$jobs"
    ;;
  bench)
    cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DPELVARO_TESTS=OFF -DPELVARO_BENCH=ON >/dev/null
    cmake --build build/bench -j "$jobs"
    for b in build/bench/bench/bench_*; do [ -x "$b" ] && QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$b"; done
    ;;
  *)
    echo "usage: $0 run|test|bench" >&2; exit 2 ;;
esac
