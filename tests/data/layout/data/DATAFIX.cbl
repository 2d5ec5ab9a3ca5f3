      * Writes records of every kind of field the data editor converts,
      * and a listing of the values, one line per record, fields in
      * record order separated by "|". Build once per byte order (see
      * make-fixtures.sh):
      *   cobc -std=ibm -x -fbinary-byteorder=big-endian DATAFIX.cbl
      *   cobc -std=ibm -x -fbinary-byteorder=native DATAFIX.cbl
       IDENTIFICATION DIVISION.
       PROGRAM-ID. DATAFIX.
       ENVIRONMENT DIVISION.
       INPUT-OUTPUT SECTION.
       FILE-CONTROL.
           SELECT DATA-FILE ASSIGN TO "datafix.dat"
               ORGANIZATION IS SEQUENTIAL.
           SELECT LIST-FILE ASSIGN TO "datafix.txt"
               ORGANIZATION IS LINE SEQUENTIAL.
       DATA DIVISION.
       FILE SECTION.
       FD  DATA-FILE.
       COPY "DATAFIX.cpy".
       FD  LIST-FILE.
       01  LIST-LINE       PIC X(300).
       WORKING-STORAGE SECTION.
       01  LIST-FIELDS.
           05  L-NAME      PIC X(8).
           05  FILLER      PIC X VALUE "|".
           05  L-COUNT     PIC Z(4)9.
           05  FILLER      PIC X VALUE "|".
           05  L-AMOUNT    PIC -(6)9.99.
           05  FILLER      PIC X VALUE "|".
           05  L-DELTA     PIC -(3)9.
           05  FILLER      PIC X VALUE "|".
           05  L-PRICE     PIC Z(2)9.99.
           05  FILLER      PIC X VALUE "|".
           05  L-EDIT      PIC -(6)9.99.
           05  FILLER      PIC X VALUE "|".
           05  L-B2        PIC -(5)9.
           05  FILLER      PIC X VALUE "|".
           05  L-B2U       PIC Z(4)9.
           05  FILLER      PIC X VALUE "|".
           05  L-B4        PIC -(8)9.99.
           05  FILLER      PIC X VALUE "|".
           05  L-B8        PIC -(16)9.
           05  FILLER      PIC X VALUE "|".
           05  L-B8U       PIC Z(18)9.
           05  FILLER      PIC X VALUE "|".
           05  L-P3        PIC -(6)9.99.
           05  FILLER      PIC X VALUE "|".
           05  L-P3U       PIC Z(4)9.
           05  FILLER      PIC X VALUE "|".
           05  L-QTY1      PIC -(3)9.
           05  FILLER      PIC X VALUE "|".
           05  L-CODE1     PIC XX.
           05  FILLER      PIC X VALUE "|".
           05  L-QTY2      PIC -(3)9.
           05  FILLER      PIC X VALUE "|".
           05  L-CODE2     PIC XX.
       PROCEDURE DIVISION.
       MAIN-PARA.
           OPEN OUTPUT DATA-FILE LIST-FILE
      *    Zero everywhere.
           MOVE "ZERO" TO D-NAME
           MOVE 0 TO D-COUNT D-AMOUNT D-DELTA D-PRICE D-EDIT
                     B2 B2U B4 B8 B8U P3 P3U T-QTY (1) T-QTY (2)
           MOVE "AA" TO T-CODE (1)
           MOVE "BB" TO T-CODE (2)
           PERFORM WRITE-REC
      *    Small positive values.
           MOVE "ONE" TO D-NAME
           MOVE 1 TO D-COUNT D-DELTA B2 B2U B8 B8U P3U T-QTY (1)
           MOVE 0.01 TO D-AMOUNT D-PRICE D-EDIT B4 P3
           MOVE 2 TO T-QTY (2)
           PERFORM WRITE-REC
      *    Negative values of every signed field.
           MOVE "MINUS" TO D-NAME
           MOVE 42 TO D-COUNT B2U P3U D-PRICE
           MOVE -123.45 TO D-AMOUNT D-EDIT P3 B4
           MOVE -5 TO D-DELTA B2 T-QTY (1)
           MOVE -123456789012345 TO B8
           MOVE 4294967296 TO B8U
           MOVE -999 TO T-QTY (2)
           MOVE "xy" TO T-CODE (1)
           PERFORM WRITE-REC
      *    The largest value of every field.
           MOVE "NINES" TO D-NAME
           MOVE 99999 TO D-COUNT P3U
           MOVE 99999.99 TO D-AMOUNT D-EDIT P3
           MOVE 999 TO D-DELTA D-PRICE T-QTY (1) T-QTY (2)
           MOVE 9999 TO B2 B2U P3U
           MOVE 9999999.99 TO B4
           MOVE 999999999999999 TO B8
           MOVE 999999999999999999 TO B8U
           PERFORM WRITE-REC
      *    Mixed values, every digit different.
           MOVE "Mixed 7" TO D-NAME
           MOVE 12345 TO D-COUNT
           MOVE -54321.09 TO D-AMOUNT
           MOVE 867 TO D-DELTA
           MOVE 512.34 TO D-PRICE
           MOVE -1234.5 TO D-EDIT
           MOVE -256 TO B2
           MOVE 4660 TO B2U
           MOVE -7654321.98 TO B4
           MOVE -1 TO B8
           MOVE 123456789012345678 TO B8U
           MOVE 12345.67 TO P3
           MOVE 8765 TO P3U
           MOVE 321 TO T-QTY (1)
           MOVE -45 TO T-QTY (2)
           MOVE "Q," TO T-CODE (1)
           MOVE "Z" TO T-CODE (2)
           PERFORM WRITE-REC
           CLOSE DATA-FILE LIST-FILE
           STOP RUN.
       WRITE-REC.
           MOVE D-NAME TO L-NAME
           MOVE D-COUNT TO L-COUNT
           MOVE D-AMOUNT TO L-AMOUNT
           MOVE D-DELTA TO L-DELTA
           MOVE D-PRICE TO L-PRICE
           MOVE D-EDIT TO L-EDIT
           MOVE B2 TO L-B2
           MOVE B2U TO L-B2U
           MOVE B4 TO L-B4
           MOVE B8 TO L-B8
           MOVE B8U TO L-B8U
           MOVE P3 TO L-P3
           MOVE P3U TO L-P3U
           MOVE T-QTY (1) TO L-QTY1
           MOVE T-CODE (1) TO L-CODE1
           MOVE T-QTY (2) TO L-QTY2
           MOVE T-CODE (2) TO L-CODE2
           MOVE LIST-FIELDS TO LIST-LINE
           WRITE LIST-LINE
           WRITE DATA-REC.
