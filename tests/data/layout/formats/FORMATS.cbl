      * Writes records of FORMATS.cpy twice: as fixed-length records
      * (formats.dat) and as line-sequential records (formats.txt),
      * which drop trailing spaces. Built with -fsign=ASCII the zoned
      * signs are GnuCOBOL's ("p" to "y" for negative digits); with
      * -fsign=EBCDIC they are the mainframe's overpunch characters
      * ("{" and "A" to "I", "}" and "J" to "R"). See make-fixtures.sh.
       IDENTIFICATION DIVISION.
       PROGRAM-ID. FORMATS.
       ENVIRONMENT DIVISION.
       INPUT-OUTPUT SECTION.
       FILE-CONTROL.
           SELECT FIXED-FILE ASSIGN TO "formats.dat"
               ORGANIZATION IS SEQUENTIAL.
           SELECT LINE-FILE ASSIGN TO "formats.txt"
               ORGANIZATION IS LINE SEQUENTIAL.
       DATA DIVISION.
       FILE SECTION.
       FD  FIXED-FILE.
       COPY "FORMATS.cpy".
       FD  LINE-FILE.
       01  LINE-REC            PIC X(44).
       WORKING-STORAGE SECTION.
       01  N                   PIC 9(2).
       PROCEDURE DIVISION.
           OPEN OUTPUT FIXED-FILE LINE-FILE.
           PERFORM VARYING N FROM 1 BY 1 UNTIL N > 6
               MOVE SPACES TO FMT-REC
               MOVE N TO F-ID
               EVALUATE N
                   WHEN 1
                       MOVE "ZERO" TO F-NAME
                       MOVE 0 TO F-AMOUNT F-DELTA F-PRICE
                       MOVE "Z" TO F-CODE
                   WHEN 2
                       MOVE "Plus & co." TO F-NAME
                       MOVE 194.00 TO F-AMOUNT
                       MOVE 123 TO F-DELTA
                       MOVE 1234.5 TO F-PRICE
                       MOVE "P+" TO F-CODE
                   WHEN 3
                       MOVE "minus" TO F-NAME
                       MOVE -1234567.89 TO F-AMOUNT
                       MOVE -9 TO F-DELTA
                       MOVE -42 TO F-PRICE
                       MOVE "M-1" TO F-CODE
                   WHEN 4
                       MOVE "{braces}[]" TO F-NAME
                       MOVE -0.01 TO F-AMOUNT
                       MOVE -100 TO F-DELTA
                       MOVE 0.5 TO F-PRICE
                       MOVE "a#@!" TO F-CODE
                   WHEN 5
                       MOVE "all digits" TO F-NAME
                       MOVE 9876543.21 TO F-AMOUNT
                       MOVE 987 TO F-DELTA
                       MOVE -99999.99 TO F-PRICE
                       MOVE "9876" TO F-CODE
                   WHEN 6
                       MOVE "short" TO F-NAME
                       MOVE 5 TO F-AMOUNT
                       MOVE 1 TO F-DELTA
                       MOVE 7 TO F-PRICE
               END-EVALUATE
               WRITE FMT-REC
               MOVE FMT-REC TO LINE-REC
               WRITE LINE-REC
           END-PERFORM.
           CLOSE FIXED-FILE LINE-FILE.
           STOP RUN.
