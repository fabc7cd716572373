#!/usr/bin/env bash
# Hardening checks on Debian 12:
#   scripts/hardening.sh [all]   both of the below
#   scripts/hardening.sh asan    the whole test suite built with AddressSanitizer and
#                                UndefinedBehaviorSanitizer (build-asan)
#   scripts/hardening.sh fuzz    every libFuzzer target for a bounded time (build-fuzz)
# Any sanitizer report, failed test or fuzz finding makes the script fail.
# SHRINK4_FUZZ_SCALE multiplies the fuzzing times (default 1: about a minute in all);
# SHRINK4_JOBS sets the build parallelism (default 2).
set -euo pipefail
cd "$(dirname "$0")/.."

JOBS=${SHRINK4_JOBS:-2}
SCALE=${SHRINK4_FUZZ_SCALE:-1}
# xvfb, openbox, wmctrl, xdotool: the suite drives the built window on an X display.
PACKAGES=(build-essential cmake ninja-build pkg-config qt6-base-dev libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev xvfb openbox wmctrl xdotool)

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if ((${#missing[@]})); then
        echo "Installing: ${missing[*]}"
        local sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

run_asan() {
    echo "== Test suite under AddressSanitizer and UndefinedBehaviorSanitizer (build-asan)"
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSHRINK4_SANITIZE=ON \
          -DSHRINK4_BUILD_BENCH=OFF >/dev/null
    cmake --build build-asan -j "$JOBS"
    # Qt and the font libraries keep some allocations for the life of the process; only
    # those are exempt from leak detection.
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    LSAN_OPTIONS=suppressions="$PWD/scripts/lsan-qt.supp":print_suppressions=0 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    QT_QPA_PLATFORM=offscreen \
        ctest --test-dir build-asan --output-on-failure -j "$JOBS"
}

# name  seconds  max_len: each target's share of the minute and the input size it explores.
FUZZ_TARGETS=(
    "four_digit_windows 5 512"
    "code_list          5 256"
    "junk_compound      5 512"
    "positional_kill    5 512"
    "sum_value          4 512"
    "lenient_number     3 512"
    "list_sets          5 512"
    "splice             7 256"
    "scheme             6 2048"
    "run               15 1024"
    "draws              6 2048"
)

run_fuzz() {
    echo "== Fuzz targets (build-fuzz)"
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
          -DSHRINK4_BUILD_FUZZ=ON -DSHRINK4_BUILD_GUI=OFF -DSHRINK4_BUILD_TESTS=OFF \
          -DSHRINK4_BUILD_BENCH=OFF >/dev/null
    cmake --build build-fuzz --target shrink4_fuzz_all -j "$JOBS"

    local failed=()
    for entry in "${FUZZ_TARGETS[@]}"; do
        read -r name seconds maxlen <<<"$entry"
        local seconds_scaled=$((seconds * SCALE))
        # Work on a copy, so the seeds in the repository stay small.
        local work=build-fuzz/corpus-work/$name artifacts=build-fuzz/artifacts/$name
        mkdir -p "$work" "$artifacts"
        local log=build-fuzz/fuzz-$name.log
        if ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
            "build-fuzz/fuzz/fuzz_$name" -max_total_time="$seconds_scaled" -max_len="$maxlen" \
                -timeout=25 -rss_limit_mb=2048 -print_final_stats=1 \
                -artifact_prefix="$artifacts/" "$work" "fuzz/corpus/$name" >"$log" 2>&1; then
            local runs
            runs=$(grep -a -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
            printf '  %-20s clean  %8s runs in %ss\n' "$name" "$runs" "$seconds_scaled"
        else
            printf '  %-20s FINDING (log: %s, input in %s)\n' "$name" "$log" "$artifacts"
            grep -a -E 'PROPERTY FAILED|ERROR:|SUMMARY:|runtime error' -A12 "$log" | head -40 || true
            failed+=("$name")
        fi
    done
    if ((${#failed[@]})); then
        echo "Fuzz findings in: ${failed[*]}" >&2
        return 1
    fi
}

case "${1:-all}" in
asan) install_missing; run_asan ;;
fuzz) install_missing; run_fuzz ;;
all)  install_missing; run_asan; run_fuzz ;;
*)    sed -n '2,9p' "$0" | sed 's/^# \{0,1\}//'; exit 2 ;;
esac
