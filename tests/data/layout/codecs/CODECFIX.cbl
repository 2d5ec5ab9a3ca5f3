      * Writes records of binary (COMP) and packed-decimal (COMP-3)
      * fields holding known values, for the field codec tests, and a
      * listing of those values, one line per record.
      * Build once per byte order (see make-fixtures.sh):
      *   cobc -std=ibm -x -fbinary-byteorder=big-endian CODECFIX.cbl
      *   cobc -std=ibm -x -fbinary-byteorder=native CODECFIX.cbl
       IDENTIFICATION DIVISION.
       PROGRAM-ID. CODECFIX.
       ENVIRONMENT DIVISION.
       INPUT-OUTPUT SECTION.
       FILE-CONTROL.
           SELECT DATA-FILE ASSIGN TO "codecs.dat"
               ORGANIZATION IS SEQUENTIAL.
           SELECT LIST-FILE ASSIGN TO "codecs.txt"
               ORGANIZATION IS LINE SEQUENTIAL.
       DATA DIVISION.
       FILE SECTION.
       FD  DATA-FILE.
       01  CODEC-REC.
           05  B2S        PIC S9(4)      COMP.
           05  B2U        PIC 9(4)       COMP.
           05  B4S        PIC S9(9)      COMP.
           05  B4U        PIC 9(9)       COMP.
           05  B8S        PIC S9(18)     COMP.
           05  B8U        PIC 9(18)      COMP.
           05  B2V        PIC S99V99     COMP.
           05  B4V        PIC S9(7)V99   COMP.
           05  B8V        PIC 9(14)V9(4) COMP.
           05  P3S        PIC S9(5)      COMP-3.
           05  P3U        PIC 9(5)       COMP-3.
           05  P4E        PIC S9(4)      COMP-3.
           05  P9V        PIC S9(7)V99   COMP-3.
           05  PUV        PIC 9(3)V99    COMP-3.
           05  P18        PIC S9(18)     COMP-3.
       FD  LIST-FILE.
       01  LIST-LINE      PIC X(300).
       WORKING-STORAGE SECTION.
       01  LIST-FIELDS.
           05  L-B2S      PIC -(5)9.
           05  FILLER     PIC X VALUE SPACE.
           05  L-B2U      PIC Z(4)9.
           05  FILLER     PIC X VALUE SPACE.
           05  L-B4S      PIC -(10)9.
           05  FILLER     PIC X VALUE SPACE.
           05  L-B4U      PIC Z(9)9.
           05  FILLER     PIC X VALUE SPACE.
           05  L-B8S      PIC -(19)9.
           05  FILLER     PIC X VALUE SPACE.
           05  L-B8U      PIC Z(18)9.
           05  FILLER     PIC X VALUE SPACE.
           05  L-B2V      PIC -(3)9.99.
           05  FILLER     PIC X VALUE SPACE.
           05  L-B4V      PIC -(8)9.99.
           05  FILLER     PIC X VALUE SPACE.
           05  L-B8V      PIC Z(14)9.9(4).
           05  FILLER     PIC X VALUE SPACE.
           05  L-P3S      PIC -(6)9.
           05  FILLER     PIC X VALUE SPACE.
           05  L-P3U      PIC Z(5)9.
           05  FILLER     PIC X VALUE SPACE.
           05  L-P4E      PIC -(5)9.
           05  FILLER     PIC X VALUE SPACE.
           05  L-P9V      PIC -(8)9.99.
           05  FILLER     PIC X VALUE SPACE.
           05  L-PUV      PIC Z(3)9.99.
           05  FILLER     PIC X VALUE SPACE.
           05  L-P18      PIC -(19)9.
       PROCEDURE DIVISION.
       MAIN-PARA.
           OPEN OUTPUT DATA-FILE LIST-FILE
      *    Zero everywhere.
           MOVE 0 TO B2S B2U B4S B4U B8S B8U B2V B4V B8V
                     P3S P3U P4E P9V PUV P18
           PERFORM WRITE-REC
      *    The smallest step of each field.
           MOVE 1 TO B2S B2U B4S B4U B8S B8U
           MOVE 0.01 TO B2V B4V
           MOVE 0.0001 TO B8V
           MOVE 1 TO P3S P3U P4E P18
           MOVE 0.01 TO P9V PUV
           PERFORM WRITE-REC
      *    Minus one step, in the signed fields.
           MOVE -1 TO B2S B4S B8S P3S P4E P18
           MOVE -0.01 TO B2V B4V P9V
           MOVE 2 TO B2U B4U B8U P3U
           MOVE 0.02 TO PUV
           MOVE 0.0002 TO B8V
           PERFORM WRITE-REC
      *    The largest value of each picture.
           MOVE 9999 TO B2S B2U P4E
           MOVE 999999999 TO B4S B4U
           MOVE 999999999999999999 TO B8S B8U P18
           MOVE 99.99 TO B2V
           MOVE 9999999.99 TO B4V P9V
           MOVE 99999999999999.9999 TO B8V
           MOVE 99999 TO P3S P3U
           MOVE 999.99 TO PUV
           PERFORM WRITE-REC
      *    The most negative value of each signed picture.
           MOVE -9999 TO B2S P4E
           MOVE -999999999 TO B4S
           MOVE -999999999999999999 TO B8S P18
           MOVE -99.99 TO B2V
           MOVE -9999999.99 TO B4V P9V
           MOVE -99999 TO P3S
           MOVE 0 TO B2U B4U B8U B8V P3U PUV
           PERFORM WRITE-REC
      *    Values whose bytes cross the byte boundaries.
           MOVE -256 TO B2S
           MOVE 256 TO B2U
           MOVE -65536 TO B4S
           MOVE 65535 TO B4U
           MOVE -4294967296 TO B8S
           MOVE 4294967296 TO B8U
           MOVE -2.56 TO B2V
           MOVE 327.68 TO B4V
           MOVE 429496.7296 TO B8V
           MOVE -10 TO P3S
           MOVE 10 TO P3U
           MOVE -100 TO P4E
           MOVE -0.10 TO P9V
           MOVE 100.00 TO PUV
           MOVE -1000000000 TO P18
           PERFORM WRITE-REC
      *    Mixed digits.
           MOVE 1234 TO B2S
           MOVE 4321 TO B2U
           MOVE -123456789 TO B4S
           MOVE 987654321 TO B4U
           MOVE -123456789012345678 TO B8S
           MOVE 876543210987654321 TO B8U
           MOVE -12.34 TO B2V
           MOVE 1234567.89 TO B4V
           MOVE 12345678901234.5678 TO B8V
           MOVE -12345 TO P3S
           MOVE 54321 TO P3U
           MOVE -1234 TO P4E
           MOVE -1234567.89 TO P9V
           MOVE 123.45 TO PUV
           MOVE 987654321098765432 TO P18
           PERFORM WRITE-REC
           CLOSE DATA-FILE LIST-FILE
           STOP RUN.
       WRITE-REC.
           WRITE CODEC-REC
           MOVE B2S TO L-B2S
           MOVE B2U TO L-B2U
           MOVE B4S TO L-B4S
           MOVE B4U TO L-B4U
           MOVE B8S TO L-B8S
           MOVE B8U TO L-B8U
           MOVE B2V TO L-B2V
           MOVE B4V TO L-B4V
           MOVE B8V TO L-B8V
           MOVE P3S TO L-P3S
           MOVE P3U TO L-P3U
           MOVE P4E TO L-P4E
           MOVE P9V TO L-P9V
           MOVE PUV TO L-PUV
           MOVE P18 TO L-P18
           MOVE LIST-FIELDS TO LIST-LINE
           WRITE LIST-LINE.
