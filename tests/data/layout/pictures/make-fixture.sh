#!/bin/sh
# Rebuilds PICTURES.cbl and pictures.txt with GnuCOBOL (cobc -std=ibm): one
# item of each picture in pictures.list, and for each picture "ok" or the
# compiler's first message about it, as "PICTURE<TAB>VERDICT".
set -e
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
{
    echo "      * One item of each picture of pictures.list, for cobc to judge."
    echo "       IDENTIFICATION DIVISION."
    echo "       PROGRAM-ID. PICTURES."
    echo "       DATA DIVISION."
    echo "       WORKING-STORAGE SECTION."
    n=0
    while IFS= read -r picture; do
        n=$((n + 1))
        printf '       01  P%05d PIC %s.\n' "$n" "$picture"
    done <"$here/pictures.list"
    echo "       PROCEDURE DIVISION."
    echo "           STOP RUN."
} >"$here/PICTURES.cbl"
cobc -std=ibm -fsyntax-only -fmax-errors=100000 "$here/PICTURES.cbl" >"$work/messages" 2>&1 || true
# Item n is on line n + 5; each message is "PICTURES.cbl:LINE: error: TEXT".
awk -v messages="$work/messages" '
    BEGIN {
        while ((getline line <messages) > 0) {
            if (match(line, /:[0-9]+: error: /)) {
                number = substr(line, RSTART + 1, RLENGTH - 10) - 5
                text = substr(line, RSTART + RLENGTH)
                if (!(number in said))
                    said[number] = text
            }
        }
    }
    { print $0 "\t" ((NR in said) ? said[NR] : "ok") }
' "$here/pictures.list" >"$here/pictures.txt"
