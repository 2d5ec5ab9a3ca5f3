#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) into build-fuzz/ (or $NORVANE_FUZZ_BUILD_DIR) and
# runs each for SECONDS seconds (default 60): usage: fuzz.sh [SECONDS].
# $NORVANE_FUZZ_TARGETS may name some targets ("fuzz_layout fuzz_codecs").
# $NORVANE_FUZZ_SEED fixes libFuzzer's random seed: a run then tries the same
# inputs in the same order as every other run with that seed, so CI replays a
# sequence that was fuzzed here for longer instead of a new one each time.
#
# Each target first replays the inputs in fuzz/regressions/<target>/, then
# fuzzes from its seeds (assembled from tests/data) and its corpus, which
# grows in the build folder from run to run. Exits non-zero on any crash,
# leak, sanitizer report, failed property or timeout; the input that caused
# it is saved in fuzz/findings/. The reproducers of faults still being mended
# elsewhere (fuzz/known/) are run last, to say whether they still reproduce.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
build="${NORVANE_FUZZ_BUILD_DIR:-$root/build-fuzz}"
jobs="${NORVANE_JOBS:-$(nproc)}"
findings="$root/fuzz/findings"

if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -lt 1 ]; then
    echo "usage: $0 [SECONDS]   (each target runs SECONDS seconds, default 60)" >&2
    exit 2
fi

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DNORVANE_FUZZ=ON >/dev/null
cmake --build "$build" -j "$jobs"

seeds="$build/fuzz-seeds"
"$root/fuzz/make-seeds.sh" "$seeds" "$build/bin/norvane-cli"
mkdir -p "$findings" "$build/fuzz-corpus" "$build/fuzz-logs" "$build/fuzz-dict"

# The dictionaries each target reads, joined into one file per target.
dictionaries() {
    case "$1" in
        fuzz_structure | fuzz_search | fuzz_block_editing) echo cobol ;;
        fuzz_layout | fuzz_data_file) echo cobol picture ;;
        fuzz_picture | fuzz_codecs) echo picture ;;
        fuzz_data_csv) echo cobol picture csv ;;
        fuzz_settings) echo settings ;;
    esac
}

export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1:handle_abort=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

targets="${NORVANE_FUZZ_TARGETS:-$(cd "$build/fuzz" && ls fuzz_* | sort)}"
failed=()
summary=()
for target in $targets; do
    exe="$build/fuzz/$target"
    log="$build/fuzz-logs/$target.log"
    : >"$log"

    regressions=()
    if [ -d "$root/fuzz/regressions/$target" ]; then
        mapfile -t regressions < <(find "$root/fuzz/regressions/$target" -type f | sort)
    fi
    if [ ${#regressions[@]} -gt 0 ] && ! "$exe" "${regressions[@]}" >>"$log" 2>&1; then
        echo "== $target: a regression input fails again (log: $log)"
        tail -n 40 "$log"
        failed+=("$target")
        summary+=("$(printf '%-22s %12s  %s' "$target" "-" "regression fails")")
        continue
    fi

    dict="$build/fuzz-dict/$target.dict"
    : >"$dict"
    for name in $(dictionaries "$target"); do
        cat "$root/fuzz/dict/$name.dict" >>"$dict"
    done
    options=(-max_total_time="$seconds" -timeout=30 -rss_limit_mb=4096 -max_len=8192 -print_final_stats=1
        -artifact_prefix="$findings/$target-")
    [ -s "$dict" ] && options+=(-dict="$dict")
    [ -n "${NORVANE_FUZZ_SEED:-}" ] && options+=(-seed="$NORVANE_FUZZ_SEED")
    mkdir -p "$build/fuzz-corpus/$target" "$seeds/$target"

    echo "== $target: fuzzing for $seconds s"
    status=0
    "$exe" "${options[@]}" "$build/fuzz-corpus/$target" "$seeds/$target" >>"$log" 2>&1 || status=$?
    runs="$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | tail -n 1 | grep -o '[0-9]*$' || true)"
    if [ "$status" -ne 0 ]; then
        echo "== $target: FINDING (exit $status); the input is in $findings/; log: $log"
        grep -A 40 -m 1 -E '==[0-9]+==ERROR|runtime error|property does not hold|ERROR: libFuzzer' "$log" || tail -n 40 "$log"
        failed+=("$target")
        summary+=("$(printf '%-22s %12s  %s' "$target" "${runs:-?}" "FINDING")")
    else
        summary+=("$(printf '%-22s %12s  %s' "$target" "${runs:-?}" "ok")")
    fi
done

echo
echo "Known faults being mended elsewhere (fuzz/known/):"
if [ -d "$root/fuzz/known" ]; then
    while IFS= read -r input; do
        target="$(basename "$(dirname "$input")")"
        [ -x "$build/fuzz/$target" ] || continue
        if NORVANE_FUZZ_KNOWN_FAULTS=1 "$build/fuzz/$target" "$input" >/dev/null 2>&1; then
            echo "  no longer reproduces: ${input#"$root"/} (its check in fuzz/KnownFaults.h can go)"
        else
            echo "  still reproduces:     ${input#"$root"/}"
        fi
    done < <(find "$root/fuzz/known" -type f ! -name '*.md' | sort)
fi

echo
printf '%-22s %12s  %s\n' target executions result
printf '%s\n' "${summary[@]}"
if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz.sh: findings in: ${failed[*]}" >&2
    exit 1
fi
echo "fuzz.sh: no findings"
