#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the libFuzzer targets with clang and runs each on its committed corpus
# for a bounded time. Fails on any crash, leak, timeout (> 1 s per input, 5 s
# for a picture) or memory use above 256 MiB.
#   scripts/fuzz.sh [seconds per target, default 60] [target names...]
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
seconds="${1:-60}"
shift || true
install_missing "${KOLVENT_PACKAGES[@]}" clang libclang-rt-14-dev
KOLVENT_BUILD="${KOLVENT_FUZZ_BUILD:-$KOLVENT_ROOT/build-fuzz}"
if [ ! -f "$KOLVENT_BUILD/build.ninja" ]; then
    CC=clang CXX=clang++ cmake -S "$KOLVENT_ROOT" -B "$KOLVENT_BUILD" -G Ninja \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOLVENT_FUZZ=ON -DKOLVENT_TESTS=OFF
fi
cmake --build "$KOLVENT_BUILD" --parallel
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=()
    for source in "$KOLVENT_ROOT"/fuzz/*_fuzzer.cpp; do
        targets+=("$(basename "$source" .cpp)")
    done
fi
export QT_QPA_PLATFORM=offscreen
# AddressSanitizer keeps freed memory in a 256 MiB quarantine by default, which
# alone reaches the memory limit; a smaller one still catches use after free.
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:quarantine_size_mb=32"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
status=0
for target in "${targets[@]}"; do
    corpus="$KOLVENT_ROOT/fuzz/corpus/${target%_fuzzer}"
    work="$KOLVENT_BUILD/corpus/${target%_fuzzer}"
    mkdir -p "$work"
    # The largest accepted picture, 4096 pixels square, takes about 1.5 s under
    # the sanitizers and coverage tracing (0.25 s in the program).
    timeout=1
    [ "$target" = gif_fuzzer ] && timeout=5
    echo "== $target for ${seconds}s"
    # New inputs go to the work folder; the committed corpus is only read.
    if ! (cd "$KOLVENT_BUILD" && "./$target" -max_total_time="$seconds" -timeout="$timeout" -rss_limit_mb=256 \
            -print_final_stats=1 "$work" "$corpus" 2>&1 | tail -n 25); then
        status=1
    fi
done
exit $status
