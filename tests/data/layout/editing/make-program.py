#!/usr/bin/env python3
"""Writes EDITMOVE.cbl: a GnuCOBOL program that MOVEs each value below into
an item of each numeric-edited picture below and lists, one line each,
    PICTURE|VALUE|FITS|[WHAT THE MOVE WROTE]
where FITS is Y when moving the edited item back to a numeric item gives the
value again (no digit or sign lost). Run (see make-fixture.sh):
    python3 make-program.py > EDITMOVE.cbl
    cobc -std=ibm -x EDITMOVE.cbl && ./EDITMOVE     # writes editmove.txt
"""
import sys

PICTURES = """
ZZ,ZZ9.99- $$$,$$9.99 +++,++9.99 ---9 $ZZ,ZZ9 $$$$9 -(5)9 +(3)9 ZZ9- ZZZ.99
99/99/99 999B999 9(3)000 ***,**9.99 9(3)CR 9(3)DB Z(3)9.99CR **,**9 -Z9 Z-
ZZ ZZZ.ZZ $$$$.$$ +ZZ9 ZZ9+ $**,**9.99 9(3).99 Z,ZZZ,ZZ9 --,---,--9.99
$$,$$$,$$9.99CR B9(3) 0(2)9(3) 99B99B99 ZZBZZ9 ++++ ----.-- $$$.99 *(5).**
-9(3) +9(3).99 ZZ9V99 ZZ9.99DB 9,999 Z,ZZ9- $9(4).99 ZZZZ ****.** ---.99
+++.++ $$$,$$$ Z(5)9 ***9 -(4) ZZ9PP $$9.99 ZZ,ZZZ.ZZ $$$$$ 99.99- 9B9B9
ZZ/ZZ/99 **/**/99 $$/$$/99 ++/++/99 $,$$$,$$9 ZZZ9.99+ ZZ0ZZ9 **0**9
$$0$$9 ++0++9 **B**9 $$B$$9 ZZ,ZZ/ZZ9 ZZ.ZZ $$$$.99 +++9.99 Z(3)V99 ZZ.99
Z(3) *(3) $$$ +++ --- ZZZ,ZZZ.ZZCR $$$$,$$$.$$ +,+++,++9 -,---,--9.99
ZZ9.99BCR 9(3)BDB +$$$9.99 $+++9.99 $---9.99 **** **.** ZZ/99 0ZZ9 Z0Z9
Z9/9 $ZZZ $***.** ZZZ+ ZZZ- Z,ZZZ- -,--- ZZ/ZZ **/** ZZ0ZZ $$,$$$
""".split()

VALUES = """
0 1 -1 7 45 -45 123 -123 1234.5 -1234.5 0.05 -0.05 12345 99999.99 123456
100 1000 1000.01 0.5 -9999 0.000123
""".split()

lines = []
w = lines.append
w("      * Moves each value into each numeric-edited picture and lists")
w("      * what GnuCOBOL wrote, and whether moving the edited item back")
w("      * gives the value again. Written by make-program.py.")
w("       IDENTIFICATION DIVISION.")
w("       PROGRAM-ID. EDITMOVE.")
w("       ENVIRONMENT DIVISION.")
w("       INPUT-OUTPUT SECTION.")
w("       FILE-CONTROL.")
w("           SELECT LIST-FILE ASSIGN TO \"editmove.txt\"")
w("               ORGANIZATION IS LINE SEQUENTIAL.")
w("       DATA DIVISION.")
w("       FILE SECTION.")
w("       FD  LIST-FILE.")
w("       01  LIST-LINE       PIC X(80).")
w("       WORKING-STORAGE SECTION.")
w("       01  WANTED          PIC S9(10)V9(8).")
w("       01  BACK-AGAIN      PIC S9(10)V9(8).")
w("       01  FITS            PIC X.")
for i, p in enumerate(PICTURES):
    w(f"       01  E{i:03d}            PIC {p}.")
w("       PROCEDURE DIVISION.")
w("           OPEN OUTPUT LIST-FILE")
for i, p in enumerate(PICTURES):
    for v in VALUES:
        w(f"           MOVE {v} TO WANTED E{i:03d}")
        w(f"           MOVE E{i:03d} TO BACK-AGAIN")
        w("           MOVE \"N\" TO FITS")
        w("           IF BACK-AGAIN = WANTED MOVE \"Y\" TO FITS END-IF")
        w("           MOVE SPACES TO LIST-LINE")
        w(f"           STRING \"{p}|{v}|\" FITS \"|[\" E{i:03d} \"]\"")
        w("               DELIMITED BY SIZE INTO LIST-LINE")
        w("           WRITE LIST-LINE")
w("           CLOSE LIST-FILE")
w("           STOP RUN.")
sys.stdout.write("\n".join(lines) + "\n")
