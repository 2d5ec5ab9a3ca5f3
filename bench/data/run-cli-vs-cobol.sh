#!/bin/sh
# Times norvane-cli data against a GnuCOBOL program that reads the same file of
# 1,000,000 records of 100 bytes and DISPLAYs every field, both to /dev/null,
# and shows the CLI's peak memory. Usage (from a Release build folder):
#   bench/data/run-cli-vs-cobol.sh BUILD_DIR
# The data file is made by DataFileBench in ${TMPDIR:-/tmp}/norvane-bench.
set -e
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?usage: run-cli-vs-cobol.sh BUILD_DIR}" && pwd)
folder="${TMPDIR:-/tmp}/norvane-bench"
"$build/bin/DataFileBench" --benchmark_filter=RandomRecordDecode --benchmark_min_time=0.01 > /dev/null 2>&1
cd "$folder"
cobc -std=ibm -x -O2 -I "$here" -o benchread "$here/BENCHREAD.cbl"
seconds() {
    start=$(date +%s.%N)
    "$@" > /dev/null
    end=$(date +%s.%N)
    echo "$end - $start" | bc
}
echo "norvane-cli data:  $(seconds "$build/bin/norvane-cli" data "$folder/bench.cpy" "$folder/records.dat") s"
echo "GnuCOBOL DISPLAY:  $(seconds ./benchread) s"
if command -v /usr/bin/time > /dev/null; then
    /usr/bin/time -f "norvane-cli data peak memory: %M KiB" "$build/bin/norvane-cli" data "$folder/bench.cpy" "$folder/records.dat" > /dev/null
fi
