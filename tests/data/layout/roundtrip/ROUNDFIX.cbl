      * Writes records of ROUNDFIX.cpy and a listing of their values, one
      * line a record, fields in record order separated by "|": numbers
      * as GnuCOBOL edits them for display, edited fields and text as they
      * stand. Build (see make-fixtures.sh):
      *   cobc -std=ibm -x -fbinary-byteorder=big-endian -fnotrunc
       IDENTIFICATION DIVISION.
       PROGRAM-ID. ROUNDFIX.
       ENVIRONMENT DIVISION.
       INPUT-OUTPUT SECTION.
       FILE-CONTROL.
           SELECT DATA-FILE ASSIGN TO "roundfix.dat"
               ORGANIZATION IS SEQUENTIAL.
           SELECT LIST-FILE ASSIGN TO "roundfix.txt"
               ORGANIZATION IS LINE SEQUENTIAL.
       DATA DIVISION.
       FILE SECTION.
       FD  DATA-FILE.
       COPY "ROUNDFIX.cpy".
       FD  LIST-FILE.
       01  LIST-LINE           PIC X(300).
       WORKING-STORAGE SECTION.
       01  L-TRAIL             PIC -(3)9.
       01  L-LEAD              PIC -(3)9.
       01  L-LEAD-V            PIC -(3)9.99.
       01  L-SCALED            PIC Z(5)9.
       01  L-SMALL             PIC -.9(4).
       01  L-BIN               PIC Z(4)9.
       01  L-SBIN              PIC -(5)9.
       01  L-PACK              PIC -(3)9.
       PROCEDURE DIVISION.
           OPEN OUTPUT DATA-FILE LIST-FILE
           MOVE "ZERO" TO R-NAME
           MOVE 0 TO R-TRAIL R-LEAD R-LEAD-V R-CR R-DATE R-GROUPS
               R-THOU R-STARS R-DOLLARS R-PLUS R-MINUS R-SCALED R-SMALL
               R-BIN R-SBIN R-PACK R-ODD
           MOVE "ABCDEFGHI" TO R-LONG
           MOVE "END" TO R-LAST
           PERFORM WRITE-ONE
           MOVE "PLUS" TO R-NAME
           MOVE 123 TO R-TRAIL R-LEAD R-CR R-MINUS R-PACK R-ODD
           MOVE 123.45 TO R-LEAD-V
           MOVE 123199 TO R-DATE
           MOVE 123456 TO R-GROUPS
           MOVE 123 TO R-THOU
           MOVE 1234.5 TO R-STARS R-DOLLARS R-PLUS
           MOVE 12300 TO R-SCALED
           MOVE .0001 TO R-SMALL
           MOVE "SHORT" TO R-LONG
           MOVE 42 TO R-BIN R-SBIN
           PERFORM WRITE-ONE
           MOVE "MINUS" TO R-NAME
           MOVE -123 TO R-TRAIL R-LEAD R-CR R-PACK
           MOVE -999 TO R-MINUS
           MOVE -1.5 TO R-LEAD-V
           MOVE 99999.99 TO R-DOLLARS
           MOVE -99999.99 TO R-PLUS
           MOVE 0 TO R-STARS
           MOVE 99900 TO R-SCALED
           MOVE -.0099 TO R-SMALL
           MOVE -42 TO R-SBIN
           PERFORM WRITE-ONE
      * Values beyond the pictures (no truncation) and fields holding
      * what their pictures do not allow.
           MOVE "BEYOND" TO R-NAME
           MOVE 65535 TO R-BIN
           MOVE -32768 TO R-SBIN
           MOVE SPACES TO R-ODD-X
           MOVE "1A2" TO R-ODD-X
           MOVE "x1y2z3w4v" TO R-LONG
           PERFORM WRITE-ONE
           CLOSE DATA-FILE LIST-FILE
           STOP RUN.
       WRITE-ONE.
           WRITE RT-REC
           MOVE R-TRAIL TO L-TRAIL
           MOVE R-LEAD TO L-LEAD
           MOVE R-LEAD-V TO L-LEAD-V
           MOVE R-SCALED TO L-SCALED
           MOVE R-SMALL TO L-SMALL
           MOVE R-BIN TO L-BIN
           MOVE R-SBIN TO L-SBIN
           MOVE R-PACK TO L-PACK
           MOVE SPACES TO LIST-LINE
           STRING R-NAME "|" L-TRAIL "|" L-LEAD "|" L-LEAD-V "|"
               R-CR "|" R-DATE "|" R-GROUPS "|" R-THOU "|"
               R-STARS "|" R-DOLLARS "|" R-PLUS "|" R-MINUS "|"
               L-SCALED "|" L-SMALL "|" R-SHORT "|" R-LONG(5:5) "|"
               L-BIN "|" L-SBIN "|" L-PACK "|" R-ODD-X "|" R-LAST
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE.
