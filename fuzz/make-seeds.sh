#!/usr/bin/env bash
# Assembles the seed inputs of the fuzz targets from tests/data into
# SEEDS/<target>/ (usage: make-seeds.sh SEEDS [NORVANE-CLI]). Targets that take
# a copybook and a file get the two joined by a NUL byte; the data CSV seeds
# are made by the command line, when it is given.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seeds="$1"
cli="${2:-}"
data="$root/tests/data"

rm -rf "$seeds"
mkdir -p "$seeds"

copy() { # TARGET FILE...
    local target="$1"
    shift
    mkdir -p "$seeds/$target"
    cp "$@" "$seeds/$target/"
}
joined() { # TARGET NAME FIRST SECOND
    mkdir -p "$seeds/$1"
    { cat "$3"; printf '\0'; cat "$4"; } >"$seeds/$1/$2"
}

programs=("$data"/structure/*.cbl "$data"/search/*.cbl "$data"/layout/*/*.cbl)
copybooks=("$data"/layout/*.cpy "$data"/layout/*/*.cpy)
settings=("$data"/settings/*.ini)

copy fuzz_structure "${programs[@]}"
copy fuzz_search "${programs[@]}"
copy fuzz_source_text "${programs[@]}" "${settings[@]}"
copy fuzz_layout "${copybooks[@]}" "$data"/layout/offsets/*.cbl

# Block commands: a command byte and an indent byte before the text.
mkdir -p "$seeds/fuzz_block_editing"
for command in 0 1 2 3; do
    { printf "\\x0$command\\x04"; cat "$data/structure/worked-example.cbl"; } >"$seeds/fuzz_block_editing/worked-example-$command"
done

# Pictures, one a file, as the copybooks write them.
mkdir -p "$seeds/fuzz_picture" "$seeds/fuzz_codecs"
n=0
while read -r picture; do
    n=$((n + 1))
    printf '%s' "$picture" >"$seeds/fuzz_picture/picture-$n"
    # The codec target reads picture, text and bytes (strings ended by a
    # backslash and a space), then the field bytes; its choices come last.
    printf '%s\\ 123.45-\\ \x12\x34\x5c\x00\x01\x02\x01' "$picture" >"$seeds/fuzz_codecs/picture-$n"
done < <(cat "${copybooks[@]}" | grep -oiE 'PIC(TURE)?( IS)? +[^ .]+(\.[0-9Z9]+)*' | awk '{print $NF}' | sort -u)

copy fuzz_settings "${settings[@]}"

joined fuzz_data_file datafix-big "$data/layout/data/DATAFIX.cpy" "$data/layout/data/datafix-big.dat"
joined fuzz_data_file datafix-little "$data/layout/data/DATAFIX.cpy" "$data/layout/data/datafix-little.dat"
joined fuzz_data_file codecs-big "$data/layout/codecs/CODECFIX.cbl" "$data/layout/codecs/codecs-big.dat"
joined fuzz_data_file codecs-little "$data/layout/codecs/CODECFIX.cbl" "$data/layout/codecs/codecs-little.dat"

mkdir -p "$seeds/fuzz_data_csv"
if [ -n "$cli" ] && [ -x "$cli" ]; then
    work="$(mktemp -d)"
    trap 'rm -rf "$work"' EXIT
    "$cli" data "$data/layout/data/DATAFIX.cpy" "$data/layout/data/datafix-big.dat" >"$work/datafix.csv" 2>/dev/null || true
    "$cli" data "$data/layout/codecs/CODECFIX.cbl" "$data/layout/codecs/codecs-big.dat" >"$work/codecs.csv" 2>/dev/null || true
    joined fuzz_data_csv datafix "$data/layout/data/DATAFIX.cpy" "$work/datafix.csv"
    joined fuzz_data_csv codecs "$data/layout/codecs/CODECFIX.cbl" "$work/codecs.csv"
fi
joined fuzz_data_csv datafix-text "$data/layout/data/DATAFIX.cpy" "$data/layout/data/datafix.txt"
