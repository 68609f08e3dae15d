#!/usr/bin/env bash
# Sets up a fresh Debian machine for Pelvaro, builds it, and then starts it or runs the tests.
#   ./build.sh run    install what is missing, build, start the program
#   ./build.sh test   install what is missing, build with sanitizers, run every test
#   ./build.sh bench  install what is missing, build optimised, run the benchmarks
#   ./build.sh fuzz   install clang too, build the libFuzzer harnesses, run each for
#                     FUZZ_SECONDS seconds (60 by default) from the inputs in tests/fuzz/corpus;
#                     new inputs go to build/fuzz/corpus, failing ones to build/fuzz/findings
#                     (one job per harness, which carries on past a finding)
set -euo pipefail
cd "$(dirname "$0")"
what=${1:-run}

packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-svg-dev
          libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
          fonts-ipafont-gothic fonts-ipafont-mincho qt6-translations-l10n)
[ "$what" = fuzz ] && packages+=(clang)
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
if [ "$what" = fuzz ]; then
  # The fuzzer runtime comes in a package of clang's own version.
  runtime="libclang-rt-$(clang -dumpversion | cut -d. -f1)-dev"
  if ! dpkg-query -W -f='${Status}' "$runtime" 2>/dev/null | grep -q "install ok installed"; then
    SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "$runtime" >/dev/null
  fi
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
  fuzz)
    # Warnings stay errors in the gcc builds; clang warns of more, which must not stop fuzzing.
    cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
          -DPELVARO_FUZZ=ON -DPELVARO_WERROR=OFF -DPELVARO_TESTS=OFF -DPELVARO_BENCH=OFF >/dev/null
    names=(sim_file stored_text stored_tools datetime_format number_format)
    cmake --build build/fuzz -j "$jobs" --target "${names[@]/#/fuzz_}"
    for name in "${names[@]}"; do
      mkdir -p "build/fuzz/corpus/$name" "build/fuzz/findings/$name"
      dict=(); [ -f "tests/fuzz/$name.dict" ] && dict=(-dict="tests/fuzz/$name.dict")
      # Fontconfig's caches look leaked to the leak checker in a process that keeps its
      # application to the end, as a fuzzer does.
      LSAN_OPTIONS="suppressions=$PWD/tests/fuzz/lsan.supp" QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} \
        "build/fuzz/tests/fuzz/fuzz_$name" \
        "build/fuzz/corpus/$name" "tests/fuzz/corpus/$name" "${dict[@]}" \
        -max_total_time="${FUZZ_SECONDS:-60}" -timeout=10 -rss_limit_mb=3072 -artifact_prefix="build/fuzz/findings/$name/" \
        -fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1
    done
    ;;
  *)
    echo "usage: $0 run|test|bench|fuzz" >&2; exit 2 ;;
esac
