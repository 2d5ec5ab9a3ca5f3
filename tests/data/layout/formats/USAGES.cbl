      * Writes records of USAGES.cpy to usages.dat and what GnuCOBOL
      * DISPLAYs of each field to usages.txt, one record a line, the
      * fields separated by "|". COMP is big-endian (GnuCOBOL's
      * default); COMP-5, BINARY-LONG and the floats are in the
      * machine's own order. See make-fixtures.sh.
       IDENTIFICATION DIVISION.
       PROGRAM-ID. USAGES.
       ENVIRONMENT DIVISION.
       INPUT-OUTPUT SECTION.
       FILE-CONTROL.
           SELECT USE-FILE ASSIGN TO "usages.dat"
               ORGANIZATION IS SEQUENTIAL.
           SELECT LIST-FILE ASSIGN TO "usages.txt"
               ORGANIZATION IS LINE SEQUENTIAL.
       DATA DIVISION.
       FILE SECTION.
       FD  USE-FILE.
       COPY "USAGES.cpy".
       FD  LIST-FILE.
       01  LIST-LINE           PIC X(200).
       WORKING-STORAGE SECTION.
       01  N                   PIC 9.
       01  L-LEAD              PIC -(3)9.
       01  L-TRAIL             PIC -(3)9.99.
       01  L-NATIVE            PIC -(5)9.
       01  L-WORD              PIC -(10)9.
       01  L-BIG               PIC -(4)9.
       PROCEDURE DIVISION.
           OPEN OUTPUT USE-FILE LIST-FILE.
           PERFORM VARYING N FROM 1 BY 1 UNTIL N > 4
               EVALUATE N
                   WHEN 1
                       MOVE "ZERO" TO U-NAME
                       MOVE 0 TO U-LEAD U-TRAIL U-SHORT U-LONG
                       MOVE 0 TO U-NATIVE U-WORD U-BIG
                   WHEN 2
                       MOVE "PLUS" TO U-NAME
                       MOVE 123 TO U-LEAD
                       MOVE 456.78 TO U-TRAIL
                       MOVE 1.5 TO U-SHORT
                       MOVE 0.1 TO U-LONG
                       MOVE 1234 TO U-NATIVE
                       MOVE 2000000000 TO U-WORD
                       MOVE 321 TO U-BIG
                   WHEN 3
                       MOVE "MINS" TO U-NAME
                       MOVE -7 TO U-LEAD
                       MOVE -0.01 TO U-TRAIL
                       MOVE -118.625 TO U-SHORT
                       MOVE -2.5E20 TO U-LONG
                       MOVE -1234 TO U-NATIVE
                       MOVE -1 TO U-WORD
                       MOVE -321 TO U-BIG
                   WHEN 4
                       MOVE "BIGS" TO U-NAME
                       MOVE 999 TO U-LEAD
                       MOVE -999.99 TO U-TRAIL
                       MOVE 3.25E10 TO U-SHORT
                       MOVE 1.0E-10 TO U-LONG
                       MOVE 9999 TO U-NATIVE
                       MOVE -2000000000 TO U-WORD
                       MOVE 9999 TO U-BIG
               END-EVALUATE
               WRITE USE-REC
               MOVE U-LEAD TO L-LEAD
               MOVE U-TRAIL TO L-TRAIL
               MOVE U-NATIVE TO L-NATIVE
               MOVE U-WORD TO L-WORD
               MOVE U-BIG TO L-BIG
               MOVE SPACES TO LIST-LINE
               STRING U-NAME "|" L-LEAD "|" L-TRAIL "|" L-NATIVE "|"
                   L-WORD "|" L-BIG DELIMITED BY SIZE INTO LIST-LINE
               WRITE LIST-LINE
           END-PERFORM.
           CLOSE USE-FILE LIST-FILE.
           STOP RUN.
