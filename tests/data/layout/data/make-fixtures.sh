#!/bin/sh
# Rebuilds datafix-big.dat, datafix-little.dat and datafix.txt from DATAFIX.cbl
# with GnuCOBOL (cobc -std=ibm). The little-endian file needs a little-endian
# machine, as "native" is the machine's order.
set -e
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
for order in big little; do
    case $order in
        big) flag=big-endian ;;
        little) flag=native ;;
    esac
    cobc -std=ibm -x -fbinary-byteorder=$flag -I "$here" -o datafix "$here/DATAFIX.cbl"
    ./datafix
    cp datafix.dat "$here/datafix-$order.dat"
done
cp datafix.txt "$here/datafix.txt"
