#!/usr/bin/env bash
# Builds the fuzz harnesses with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) and runs each
# for the given number of seconds (default 60): ./scripts/fuzz.sh [SECONDS [HARNESS...]], every harness when none
# is named. New inputs go to build-fuzz/corpus/NAME; a crash leaves its
# input in build-fuzz/ and stops the script. Copy inputs worth keeping into fuzz/corpus/NAME.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
if ! command -v clang++ >/dev/null; then
    echo "Installing clang for libFuzzer"
    apt-get update -qq && apt-get install -y -qq --no-install-recommends clang libclang-rt-dev >/dev/null
fi
seconds=${1:-60}
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DZANDOREX_FUZZ=ON -DZANDOREX_SANITIZE=ON >/dev/null
shift || true
harnesses=${*:-$(cd fuzz && ls fuzz_*.cpp | sed 's/\.cpp$//')}
cmake --build build-fuzz -j "$(nproc)" --target $harnesses
# The decoder starts from every message of the conformance table, one file each (hex, "AB*N" runs, ";" between).
seed_from_table() {
    local folder=$1
    mkdir -p "$folder"
    SEEDS="$folder" perl -ne '
        next if /^#/ || !/ \| /;
        my @fields = split / \| /;
        (my $messages = $fields[1]) =~ s/^\s*line://;
        for my $hex (split /;/, $messages) {
            $hex =~ s/([0-9A-Fa-f]{2})\*(\d+)/$1 x $2/ge;
            $hex =~ s/\s//g;
            open(my $out, ">:raw", sprintf("%s/row%04d", $ENV{SEEDS}, ++$n)) or die;
            print $out pack("H*", $hex);
        }' docs/wire-conformance.txt
}

for harness in $harnesses; do
    mkdir -p "build-fuzz/corpus/$harness"
    seeds=()
    if [ "$harness" = fuzz_wire_decode ]; then
        seed_from_table build-fuzz/seeds/fuzz_wire_decode
        seeds=("seeds/fuzz_wire_decode")
    fi
    echo "== $harness: $seconds s =="
    # The one allowed suppression: fontconfig's known leak, as in the tests.
    (cd build-fuzz && LSAN_OPTIONS="suppressions=$PWD/../tests/lsan.supp" QT_QPA_PLATFORM=offscreen "./fuzz/$harness" -max_total_time="$seconds" -print_final_stats=1 \
        "corpus/$harness" "../fuzz/corpus/$harness" "${seeds[@]}")
done
