#!/usr/bin/env bash
# Velto developer entry point.
#   ./dev.sh run [ARGS]  install what is missing, build, start Velto (simulated processor without a device)
#   ./dev.sh test        install what is missing, build, run every test, sanitizer and fuzzing job
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(build-essential cmake ninja-build ccache pkg-config clang libclang-rt-14-dev clang-format
          qt6-base-dev qt6-base-dev-tools libgl-dev libhidapi-dev libgtest-dev libgmock-dev
          libbenchmark-dev fonts-wqy-microhei fonts-dejavu-core iproute2)
JOBS=${JOBS:-$(nproc)}
export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/velto-ccache}

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if ((${#missing[@]})); then
        echo "== installing: ${missing[*]}"
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

# configure DIR [cmake options...]: configure once, then reuse the build tree.
configure() {
    local dir=$1; shift
    if [[ ! -f $dir/build.ninja ]]; then
        cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    fi
}

build_main() {
    configure build -DVELTO_WERROR=ON
    cmake --build build -j "$JOBS"
}

run_tests() {
    echo "== format check"
    tools/check-format
    build_main
    echo "== tests"
    (cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$JOBS" --timeout 600)

    echo "== link and transport tests under ThreadSanitizer"
    local threaded=(link/velto_link_tests transports/velto_transport_tests network/velto_wifi_tests
                    network/velto_net_tests files/velto_files_tests)
    configure build-tsan -DVELTO_WERROR=ON -DVELTO_UI=OFF -DVELTO_BENCH=OFF -DVELTO_SANITIZE=thread
    cmake --build build-tsan -j "$JOBS" --target "${threaded[@]##*/}"
    for t in "${threaded[@]}"; do
        TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" "build-tsan/tests/$t" --gtest_brief=1
    done

    echo "== fuzzing with AddressSanitizer and UndefinedBehaviorSanitizer"
    configure build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DVELTO_WERROR=ON -DVELTO_UI=OFF -DVELTO_TESTS=OFF \
        -DVELTO_BENCH=OFF -DVELTO_FUZZ=ON -DVELTO_SANITIZE=address,undefined,fuzzer-no-link
    cmake --build build-fuzz -j "$JOBS"
    tools/run-fuzzers build-fuzz/fuzz "${FUZZ_SECONDS:-30}"
}

cmd=${1:-}
shift || true
case "$cmd" in
    run)
        install_missing
        build_main
        exec build/app/velto "$@"
        ;;
    test)
        install_missing
        run_tests
        ;;
    *)
        echo "usage: $0 run [ARGS] | test" >&2
        exit 2
        ;;
esac
