#!/bin/sh
# Rebuilds codecs-big.dat, codecs-little.dat and codecs.txt from CODECFIX.cbl
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
    cobc -std=ibm -x -fbinary-byteorder=$flag -o codecfix "$here/CODECFIX.cbl"
    ./codecfix
    cp codecs.dat "$here/codecs-$order.dat"
done
cp codecs.txt "$here/codecs.txt"
