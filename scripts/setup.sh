#!/bin/bash
# Sets Nubo up on a Debian 12 machine and builds it, then either starts it or runs every test.
#   bash scripts/setup.sh run    install what is missing, build, start Nubo
#   bash scripts/setup.sh test   install what is missing, build, run the unit, frame and end-to-end
#                                tests, a sanitizer build of the tests and a short fuzz run
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-run}
jobs=$(nproc 2>/dev/null || echo 2)

build_packages=(g++ cmake make pkg-config libsdl2-dev libsdl2-mixer-dev libglew-dev libgl1-mesa-dri
  libfreetype-dev libpng-dev zlib1g-dev libcurl4-openssl-dev fonts-inconsolata fonts-cantarell)
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev xvfb xauth x11-utils
  x11-xserver-utils xdotool xclip imagemagick python3)

install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
}

case "$mode" in
run)
  install_missing "${build_packages[@]}"
  cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DNUBO_TESTS=OFF -DNUBO_BENCH=OFF \
    -UNUBO_UPDATE_HOST -UNUBO_HOME_PAGE >/dev/null
  cmake --build build -j"$jobs" --target nubo
  exec build/nubo
  ;;
test)
  install_missing "${build_packages[@]}" "${test_packages[@]}"
  # The sheet-file reader under libFuzzer, briefly.
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUBO_FUZZ=ON \
    -DNUBO_SANITIZE=ON -DNUBO_TESTS=OFF -DNUBO_BENCH=OFF >/dev/null
  cmake --build build-fuzz -j"$jobs" --target nubo_fuzz_sheetfile
  mkdir -p build-fuzz/corpus
  build-fuzz/fuzz/nubo_fuzz_sheetfile -max_total_time="${NUBO_FUZZ_SECONDS:-30}" -max_len=4096 \
    -print_final_stats=1 build-fuzz/corpus 2>build-fuzz/fuzz.log || { tail -40 build-fuzz/fuzz.log; exit 1; }
  grep -E "stat::number_of_executed_units" build-fuzz/fuzz.log || true
  # The tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DNUBO_SANITIZE=ON -DNUBO_BENCH=OFF >/dev/null
  cmake --build build-asan -j"$jobs" --target nubo_tests platform_sdl_tests
  ASAN_OPTIONS=detect_leaks=1 ctest --test-dir build-asan -L unit --output-on-failure -j"$jobs"
  # The real build: unit and frame tests, then the real program under Xvfb, its update check
  # pointed at a server the test runs on this machine.
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUBO_UPDATE_HOST=127.0.0.1:18308 \
    -DNUBO_HOME_PAGE=http://127.0.0.1:18308/nubo/ >/dev/null
  cmake --build build -j"$jobs"
  ctest --test-dir build --output-on-failure -j"$jobs"
  ;;
*)
  echo "usage: bash scripts/setup.sh run|test" >&2
  exit 2
  ;;
esac
