#!/bin/sh
# Rebuilds roundfix.dat and roundfix.txt from ROUNDFIX.cbl with GnuCOBOL
# (cobc -std=ibm), binary fields big-endian and never cut to their pictures.
set -e
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
cobc -std=ibm -x -fbinary-byteorder=big-endian -fnotrunc -I "$here" -o roundfix "$here/ROUNDFIX.cbl"
./roundfix
cp roundfix.dat roundfix.txt "$here/"
