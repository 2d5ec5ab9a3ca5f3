#!/bin/sh
# Rebuilds EDITMOVE.cbl and editmove.txt with GnuCOBOL (cobc -std=ibm).
set -e
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$here/make-program.py" > "$here/EDITMOVE.cbl"
cd "$work"
cobc -std=ibm -x -o editmove "$here/EDITMOVE.cbl"
./editmove
cp editmove.txt "$here/editmove.txt"
