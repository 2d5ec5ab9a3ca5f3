      * Writes variable records of ODOREC.cpy, each as long as its
      * counter says, to odo.var (GnuCOBOL's own record headers;
      * make-fixtures.sh turns them into z/OS record descriptor words).
       IDENTIFICATION DIVISION.
       PROGRAM-ID. ODOREC.
       ENVIRONMENT DIVISION.
       INPUT-OUTPUT SECTION.
       FILE-CONTROL.
           SELECT ODO-FILE ASSIGN TO "odo.var"
               ORGANIZATION IS SEQUENTIAL.
       DATA DIVISION.
       FILE SECTION.
       FD  ODO-FILE
           RECORD VARYING FROM 6 TO 31 CHARACTERS
           DEPENDING ON REC-LEN.
       COPY "ODOREC.cpy".
       WORKING-STORAGE SECTION.
       01  REC-LEN             PIC 9(4) COMP.
       01  N                   PIC 9(2).
       01  K                   PIC 9(2).
       PROCEDURE DIVISION.
           OPEN OUTPUT ODO-FILE.
           PERFORM VARYING N FROM 0 BY 1 UNTIL N > 5
               MOVE SPACES TO ODO-REC
               STRING "K" N DELIMITED BY SIZE INTO O-KEY
               MOVE N TO O-COUNT
               PERFORM VARYING K FROM 1 BY 1 UNTIL K > N
                   STRING "C" K DELIMITED BY SIZE INTO O-CODE (K)
                   COMPUTE O-QTY (K) = K * 10 - N * 7
               END-PERFORM
               COMPUTE REC-LEN = 6 + O-COUNT * 5
               WRITE ODO-REC
           END-PERFORM.
           CLOSE ODO-FILE.
           STOP RUN.
