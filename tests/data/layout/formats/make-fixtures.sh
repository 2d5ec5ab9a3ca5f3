#!/bin/sh
# Rebuilds the data files of this folder with GnuCOBOL (cobc -std=ibm), iconv
# and python3:
#   formats-mf.dat, formats-mf.txt   FORMATS.cbl with GnuCOBOL's ASCII signs,
#                                    fixed and line-sequential
#   formats-overpunch.dat            the same records with mainframe overpunch
#                                    signs in ASCII (-fsign=EBCDIC)
#   formats-037.dat                  those records in EBCDIC code page 037
#                                    (iconv -t IBM037): zones C, D and F
#   formats-1141.dat                 the same in code page 1141 (German): the
#                                    text fields converted by iconv from 037
#                                    to 1141, the zoned fields as they are
#   formats.rdw                      the records of formats-mf.dat as variable
#                                    records with z/OS record descriptor words
#   odo.rdw                          ODOREC.cbl's variable records with record
#                                    descriptor words (GnuCOBOL's headers hold
#                                    the length without the header; a z/OS
#                                    descriptor word's includes its 4 bytes)
#   usages.dat, usages.txt           USAGES.cbl's records and listing
set -e
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

cobc -std=ibm -x -fsign=ASCII -I "$here" -o formats "$here/FORMATS.cbl"
./formats
cp formats.dat "$here/formats-mf.dat"
cp formats.txt "$here/formats-mf.txt"

cobc -std=ibm -x -fsign=EBCDIC -I "$here" -o formats "$here/FORMATS.cbl"
./formats
cp formats.dat "$here/formats-overpunch.dat"
iconv -f ISO-8859-1 -t IBM037 formats.dat > "$here/formats-037.dat"
python3 - "$here/formats-037.dat" "$here/formats-1141.dat" <<'PY'
import subprocess, sys
data = bytearray(open(sys.argv[1], 'rb').read())
text = [(6, 18), (30, 40), (40, 44)]  # F-NAME, F-PRICE, F-CODE
for start in range(0, len(data), 44):
    for begin, end in text:
        field = bytes(data[start + begin:start + end])
        data[start + begin:start + end] = subprocess.run(
            ['iconv', '-f', 'IBM037', '-t', 'IBM1141'], input=field, capture_output=True, check=True).stdout
open(sys.argv[2], 'wb').write(data)
PY

python3 - "$here/formats-mf.dat" "$here/formats.rdw" <<'PY'
import sys
data = open(sys.argv[1], 'rb').read()
with open(sys.argv[2], 'wb') as out:
    for start in range(0, len(data), 44):
        record = data[start:start + 44]
        out.write((len(record) + 4).to_bytes(2, 'big') + b'\0\0' + record)
PY

cobc -std=ibm -x -I "$here" -o odorec "$here/ODOREC.cbl"
COB_VARSEQ_FORMAT=0 ./odorec
python3 - odo.var "$here/odo.rdw" <<'PY'
import sys
data = open(sys.argv[1], 'rb').read()
at = 0
with open(sys.argv[2], 'wb') as out:
    while at < len(data):
        length = int.from_bytes(data[at:at + 2], 'big')
        assert data[at + 2:at + 4] == b'\0\0'
        out.write((length + 4).to_bytes(2, 'big') + b'\0\0' + data[at + 4:at + 4 + length])
        at += 4 + length
PY

cobc -std=ibm -x -I "$here" -o usages "$here/USAGES.cbl"
./usages
cp usages.dat usages.txt "$here/"
