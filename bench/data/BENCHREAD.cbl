      * Reads the benchmark's data file and DISPLAYs every field of every
      * record, one line a record: the GnuCOBOL figure that norvane-cli
      * data is compared with (see run-cli-vs-cobol.sh).
      *   cobc -std=ibm -x -O2 -I. BENCHREAD.cbl
       IDENTIFICATION DIVISION.
       PROGRAM-ID. BENCHREAD.
       ENVIRONMENT DIVISION.
       INPUT-OUTPUT SECTION.
       FILE-CONTROL.
           SELECT DATA-FILE ASSIGN TO "records.dat"
               ORGANIZATION IS SEQUENTIAL.
       DATA DIVISION.
       FILE SECTION.
       FD  DATA-FILE.
       COPY "BENCH.cpy".
       WORKING-STORAGE SECTION.
       01  END-OF-FILE     PIC X VALUE "N".
       PROCEDURE DIVISION.
       MAIN-PARA.
           OPEN INPUT DATA-FILE
           PERFORM UNTIL END-OF-FILE = "Y"
               READ DATA-FILE
                   AT END
                       MOVE "Y" TO END-OF-FILE
                   NOT AT END
                       DISPLAY B-ID "," B-NAME "," B-AMOUNT ","
                           B-PRICE "," B-QTY "," B-COUNT ","
                           B-TOTAL "," B-RATE "," B-BALANCE ","
                           B-CODE "," B-FLAG "," B-TAIL
               END-READ
           END-PERFORM
           CLOSE DATA-FILE
           STOP RUN.
