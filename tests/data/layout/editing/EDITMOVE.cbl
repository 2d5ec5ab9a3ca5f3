      * Moves each value into each numeric-edited picture and lists
      * what GnuCOBOL wrote, and whether moving the edited item back
      * gives the value again. Written by make-program.py.
       IDENTIFICATION DIVISION.
       PROGRAM-ID. EDITMOVE.
       ENVIRONMENT DIVISION.
       INPUT-OUTPUT SECTION.
       FILE-CONTROL.
           SELECT LIST-FILE ASSIGN TO "editmove.txt"
               ORGANIZATION IS LINE SEQUENTIAL.
       DATA DIVISION.
       FILE SECTION.
       FD  LIST-FILE.
       01  LIST-LINE       PIC X(80).
       WORKING-STORAGE SECTION.
       01  WANTED          PIC S9(10)V9(8).
       01  BACK-AGAIN      PIC S9(10)V9(8).
       01  FITS            PIC X.
       01  E000            PIC ZZ,ZZ9.99-.
       01  E001            PIC $$$,$$9.99.
       01  E002            PIC +++,++9.99.
       01  E003            PIC ---9.
       01  E004            PIC $ZZ,ZZ9.
       01  E005            PIC $$$$9.
       01  E006            PIC -(5)9.
       01  E007            PIC +(3)9.
       01  E008            PIC ZZ9-.
       01  E009            PIC ZZZ.99.
       01  E010            PIC 99/99/99.
       01  E011            PIC 999B999.
       01  E012            PIC 9(3)000.
       01  E013            PIC ***,**9.99.
       01  E014            PIC 9(3)CR.
       01  E015            PIC 9(3)DB.
       01  E016            PIC Z(3)9.99CR.
       01  E017            PIC **,**9.
       01  E018            PIC -Z9.
       01  E019            PIC Z-.
       01  E020            PIC ZZ.
       01  E021            PIC ZZZ.ZZ.
       01  E022            PIC $$$$.$$.
       01  E023            PIC +ZZ9.
       01  E024            PIC ZZ9+.
       01  E025            PIC $**,**9.99.
       01  E026            PIC 9(3).99.
       01  E027            PIC Z,ZZZ,ZZ9.
       01  E028            PIC --,---,--9.99.
       01  E029            PIC $$,$$$,$$9.99CR.
       01  E030            PIC B9(3).
       01  E031            PIC 0(2)9(3).
       01  E032            PIC 99B99B99.
       01  E033            PIC ZZBZZ9.
       01  E034            PIC ++++.
       01  E035            PIC ----.--.
       01  E036            PIC $$$.99.
       01  E037            PIC *(5).**.
       01  E038            PIC -9(3).
       01  E039            PIC +9(3).99.
       01  E040            PIC ZZ9V99.
       01  E041            PIC ZZ9.99DB.
       01  E042            PIC 9,999.
       01  E043            PIC Z,ZZ9-.
       01  E044            PIC $9(4).99.
       01  E045            PIC ZZZZ.
       01  E046            PIC ****.**.
       01  E047            PIC ---.99.
       01  E048            PIC +++.++.
       01  E049            PIC $$$,$$$.
       01  E050            PIC Z(5)9.
       01  E051            PIC ***9.
       01  E052            PIC -(4).
       01  E053            PIC ZZ9PP.
       01  E054            PIC $$9.99.
       01  E055            PIC ZZ,ZZZ.ZZ.
       01  E056            PIC $$$$$.
       01  E057            PIC 99.99-.
       01  E058            PIC 9B9B9.
       01  E059            PIC ZZ/ZZ/99.
       01  E060            PIC **/**/99.
       01  E061            PIC $$/$$/99.
       01  E062            PIC ++/++/99.
       01  E063            PIC $,$$$,$$9.
       01  E064            PIC ZZZ9.99+.
       01  E065            PIC ZZ0ZZ9.
       01  E066            PIC **0**9.
       01  E067            PIC $$0$$9.
       01  E068            PIC ++0++9.
       01  E069            PIC **B**9.
       01  E070            PIC $$B$$9.
       01  E071            PIC ZZ,ZZ/ZZ9.
       01  E072            PIC ZZ.ZZ.
       01  E073            PIC $$$$.99.
       01  E074            PIC +++9.99.
       01  E075            PIC Z(3)V99.
       01  E076            PIC ZZ.99.
       01  E077            PIC Z(3).
       01  E078            PIC *(3).
       01  E079            PIC $$$.
       01  E080            PIC +++.
       01  E081            PIC ---.
       01  E082            PIC ZZZ,ZZZ.ZZCR.
       01  E083            PIC $$$$,$$$.$$.
       01  E084            PIC +,+++,++9.
       01  E085            PIC -,---,--9.99.
       01  E086            PIC ZZ9.99BCR.
       01  E087            PIC 9(3)BDB.
       01  E088            PIC +$$$9.99.
       01  E089            PIC $+++9.99.
       01  E090            PIC $---9.99.
       01  E091            PIC ****.
       01  E092            PIC **.**.
       01  E093            PIC ZZ/99.
       01  E094            PIC 0ZZ9.
       01  E095            PIC Z0Z9.
       01  E096            PIC Z9/9.
       01  E097            PIC $ZZZ.
       01  E098            PIC $***.**.
       01  E099            PIC ZZZ+.
       01  E100            PIC ZZZ-.
       01  E101            PIC Z,ZZZ-.
       01  E102            PIC -,---.
       01  E103            PIC ZZ/ZZ.
       01  E104            PIC **/**.
       01  E105            PIC ZZ0ZZ.
       01  E106            PIC $$,$$$.
       PROCEDURE DIVISION.
           OPEN OUTPUT LIST-FILE
           MOVE 0 TO WANTED E000
           MOVE E000 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ9.99-|0|" FITS "|[" E000 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E000
           MOVE E000 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ9.99-|1|" FITS "|[" E000 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E000
           MOVE E000 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ9.99-|-1|" FITS "|[" E000 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E000
           MOVE E000 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ9.99-|7|" FITS "|[" E000 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E000
           MOVE E000 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ9.99-|45|" FITS "|[" E000 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E000
           MOVE E000 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ9.99-|-45|" FITS "|[" E000 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E000
           MOVE E000 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ9.99-|123|" FITS "|[" E000 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E000
           MOVE E000 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ9.99-|-123|" FITS "|[" E000 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E000
           MOVE E000 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ9.99-|1234.5|" FITS "|[" E000 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E000
           MOVE E000 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ9.99-|-1234.5|" FITS "|[" E000 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E000
           MOVE E000 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ9.99-|0.05|" FITS "|[" E000 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E000
           MOVE E000 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ9.99-|-0.05|" FITS "|[" E000 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E000
           MOVE E000 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ9.99-|12345|" FITS "|[" E000 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E000
           MOVE E000 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ9.99-|99999.99|" FITS "|[" E000 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E000
           MOVE E000 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ9.99-|123456|" FITS "|[" E000 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E000
           MOVE E000 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ9.99-|100|" FITS "|[" E000 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E000
           MOVE E000 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ9.99-|1000|" FITS "|[" E000 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E000
           MOVE E000 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ9.99-|1000.01|" FITS "|[" E000 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E000
           MOVE E000 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ9.99-|0.5|" FITS "|[" E000 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E000
           MOVE E000 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ9.99-|-9999|" FITS "|[" E000 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E000
           MOVE E000 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ9.99-|0.000123|" FITS "|[" E000 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E001
           MOVE E001 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$9.99|0|" FITS "|[" E001 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E001
           MOVE E001 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$9.99|1|" FITS "|[" E001 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E001
           MOVE E001 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$9.99|-1|" FITS "|[" E001 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E001
           MOVE E001 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$9.99|7|" FITS "|[" E001 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E001
           MOVE E001 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$9.99|45|" FITS "|[" E001 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E001
           MOVE E001 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$9.99|-45|" FITS "|[" E001 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E001
           MOVE E001 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$9.99|123|" FITS "|[" E001 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E001
           MOVE E001 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$9.99|-123|" FITS "|[" E001 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E001
           MOVE E001 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$9.99|1234.5|" FITS "|[" E001 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E001
           MOVE E001 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$9.99|-1234.5|" FITS "|[" E001 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E001
           MOVE E001 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$9.99|0.05|" FITS "|[" E001 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E001
           MOVE E001 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$9.99|-0.05|" FITS "|[" E001 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E001
           MOVE E001 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$9.99|12345|" FITS "|[" E001 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E001
           MOVE E001 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$9.99|99999.99|" FITS "|[" E001 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E001
           MOVE E001 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$9.99|123456|" FITS "|[" E001 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E001
           MOVE E001 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$9.99|100|" FITS "|[" E001 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E001
           MOVE E001 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$9.99|1000|" FITS "|[" E001 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E001
           MOVE E001 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$9.99|1000.01|" FITS "|[" E001 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E001
           MOVE E001 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$9.99|0.5|" FITS "|[" E001 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E001
           MOVE E001 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$9.99|-9999|" FITS "|[" E001 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E001
           MOVE E001 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$9.99|0.000123|" FITS "|[" E001 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E002
           MOVE E002 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++,++9.99|0|" FITS "|[" E002 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E002
           MOVE E002 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++,++9.99|1|" FITS "|[" E002 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E002
           MOVE E002 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++,++9.99|-1|" FITS "|[" E002 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E002
           MOVE E002 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++,++9.99|7|" FITS "|[" E002 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E002
           MOVE E002 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++,++9.99|45|" FITS "|[" E002 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E002
           MOVE E002 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++,++9.99|-45|" FITS "|[" E002 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E002
           MOVE E002 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++,++9.99|123|" FITS "|[" E002 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E002
           MOVE E002 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++,++9.99|-123|" FITS "|[" E002 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E002
           MOVE E002 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++,++9.99|1234.5|" FITS "|[" E002 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E002
           MOVE E002 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++,++9.99|-1234.5|" FITS "|[" E002 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E002
           MOVE E002 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++,++9.99|0.05|" FITS "|[" E002 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E002
           MOVE E002 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++,++9.99|-0.05|" FITS "|[" E002 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E002
           MOVE E002 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++,++9.99|12345|" FITS "|[" E002 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E002
           MOVE E002 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++,++9.99|99999.99|" FITS "|[" E002 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E002
           MOVE E002 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++,++9.99|123456|" FITS "|[" E002 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E002
           MOVE E002 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++,++9.99|100|" FITS "|[" E002 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E002
           MOVE E002 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++,++9.99|1000|" FITS "|[" E002 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E002
           MOVE E002 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++,++9.99|1000.01|" FITS "|[" E002 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E002
           MOVE E002 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++,++9.99|0.5|" FITS "|[" E002 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E002
           MOVE E002 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++,++9.99|-9999|" FITS "|[" E002 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E002
           MOVE E002 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++,++9.99|0.000123|" FITS "|[" E002 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E003
           MOVE E003 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---9|0|" FITS "|[" E003 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E003
           MOVE E003 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---9|1|" FITS "|[" E003 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E003
           MOVE E003 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---9|-1|" FITS "|[" E003 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E003
           MOVE E003 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---9|7|" FITS "|[" E003 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E003
           MOVE E003 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---9|45|" FITS "|[" E003 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E003
           MOVE E003 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---9|-45|" FITS "|[" E003 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E003
           MOVE E003 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---9|123|" FITS "|[" E003 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E003
           MOVE E003 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---9|-123|" FITS "|[" E003 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E003
           MOVE E003 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---9|1234.5|" FITS "|[" E003 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E003
           MOVE E003 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---9|-1234.5|" FITS "|[" E003 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E003
           MOVE E003 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---9|0.05|" FITS "|[" E003 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E003
           MOVE E003 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---9|-0.05|" FITS "|[" E003 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E003
           MOVE E003 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---9|12345|" FITS "|[" E003 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E003
           MOVE E003 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---9|99999.99|" FITS "|[" E003 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E003
           MOVE E003 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---9|123456|" FITS "|[" E003 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E003
           MOVE E003 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---9|100|" FITS "|[" E003 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E003
           MOVE E003 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---9|1000|" FITS "|[" E003 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E003
           MOVE E003 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---9|1000.01|" FITS "|[" E003 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E003
           MOVE E003 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---9|0.5|" FITS "|[" E003 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E003
           MOVE E003 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---9|-9999|" FITS "|[" E003 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E003
           MOVE E003 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---9|0.000123|" FITS "|[" E003 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E004
           MOVE E004 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZ,ZZ9|0|" FITS "|[" E004 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E004
           MOVE E004 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZ,ZZ9|1|" FITS "|[" E004 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E004
           MOVE E004 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZ,ZZ9|-1|" FITS "|[" E004 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E004
           MOVE E004 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZ,ZZ9|7|" FITS "|[" E004 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E004
           MOVE E004 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZ,ZZ9|45|" FITS "|[" E004 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E004
           MOVE E004 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZ,ZZ9|-45|" FITS "|[" E004 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E004
           MOVE E004 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZ,ZZ9|123|" FITS "|[" E004 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E004
           MOVE E004 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZ,ZZ9|-123|" FITS "|[" E004 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E004
           MOVE E004 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZ,ZZ9|1234.5|" FITS "|[" E004 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E004
           MOVE E004 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZ,ZZ9|-1234.5|" FITS "|[" E004 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E004
           MOVE E004 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZ,ZZ9|0.05|" FITS "|[" E004 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E004
           MOVE E004 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZ,ZZ9|-0.05|" FITS "|[" E004 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E004
           MOVE E004 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZ,ZZ9|12345|" FITS "|[" E004 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E004
           MOVE E004 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZ,ZZ9|99999.99|" FITS "|[" E004 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E004
           MOVE E004 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZ,ZZ9|123456|" FITS "|[" E004 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E004
           MOVE E004 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZ,ZZ9|100|" FITS "|[" E004 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E004
           MOVE E004 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZ,ZZ9|1000|" FITS "|[" E004 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E004
           MOVE E004 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZ,ZZ9|1000.01|" FITS "|[" E004 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E004
           MOVE E004 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZ,ZZ9|0.5|" FITS "|[" E004 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E004
           MOVE E004 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZ,ZZ9|-9999|" FITS "|[" E004 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E004
           MOVE E004 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZ,ZZ9|0.000123|" FITS "|[" E004 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E005
           MOVE E005 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$9|0|" FITS "|[" E005 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E005
           MOVE E005 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$9|1|" FITS "|[" E005 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E005
           MOVE E005 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$9|-1|" FITS "|[" E005 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E005
           MOVE E005 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$9|7|" FITS "|[" E005 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E005
           MOVE E005 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$9|45|" FITS "|[" E005 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E005
           MOVE E005 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$9|-45|" FITS "|[" E005 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E005
           MOVE E005 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$9|123|" FITS "|[" E005 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E005
           MOVE E005 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$9|-123|" FITS "|[" E005 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E005
           MOVE E005 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$9|1234.5|" FITS "|[" E005 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E005
           MOVE E005 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$9|-1234.5|" FITS "|[" E005 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E005
           MOVE E005 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$9|0.05|" FITS "|[" E005 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E005
           MOVE E005 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$9|-0.05|" FITS "|[" E005 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E005
           MOVE E005 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$9|12345|" FITS "|[" E005 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E005
           MOVE E005 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$9|99999.99|" FITS "|[" E005 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E005
           MOVE E005 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$9|123456|" FITS "|[" E005 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E005
           MOVE E005 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$9|100|" FITS "|[" E005 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E005
           MOVE E005 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$9|1000|" FITS "|[" E005 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E005
           MOVE E005 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$9|1000.01|" FITS "|[" E005 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E005
           MOVE E005 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$9|0.5|" FITS "|[" E005 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E005
           MOVE E005 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$9|-9999|" FITS "|[" E005 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E005
           MOVE E005 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$9|0.000123|" FITS "|[" E005 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E006
           MOVE E006 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(5)9|0|" FITS "|[" E006 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E006
           MOVE E006 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(5)9|1|" FITS "|[" E006 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E006
           MOVE E006 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(5)9|-1|" FITS "|[" E006 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E006
           MOVE E006 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(5)9|7|" FITS "|[" E006 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E006
           MOVE E006 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(5)9|45|" FITS "|[" E006 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E006
           MOVE E006 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(5)9|-45|" FITS "|[" E006 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E006
           MOVE E006 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(5)9|123|" FITS "|[" E006 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E006
           MOVE E006 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(5)9|-123|" FITS "|[" E006 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E006
           MOVE E006 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(5)9|1234.5|" FITS "|[" E006 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E006
           MOVE E006 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(5)9|-1234.5|" FITS "|[" E006 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E006
           MOVE E006 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(5)9|0.05|" FITS "|[" E006 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E006
           MOVE E006 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(5)9|-0.05|" FITS "|[" E006 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E006
           MOVE E006 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(5)9|12345|" FITS "|[" E006 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E006
           MOVE E006 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(5)9|99999.99|" FITS "|[" E006 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E006
           MOVE E006 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(5)9|123456|" FITS "|[" E006 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E006
           MOVE E006 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(5)9|100|" FITS "|[" E006 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E006
           MOVE E006 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(5)9|1000|" FITS "|[" E006 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E006
           MOVE E006 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(5)9|1000.01|" FITS "|[" E006 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E006
           MOVE E006 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(5)9|0.5|" FITS "|[" E006 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E006
           MOVE E006 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(5)9|-9999|" FITS "|[" E006 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E006
           MOVE E006 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(5)9|0.000123|" FITS "|[" E006 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E007
           MOVE E007 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+(3)9|0|" FITS "|[" E007 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E007
           MOVE E007 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+(3)9|1|" FITS "|[" E007 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E007
           MOVE E007 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+(3)9|-1|" FITS "|[" E007 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E007
           MOVE E007 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+(3)9|7|" FITS "|[" E007 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E007
           MOVE E007 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+(3)9|45|" FITS "|[" E007 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E007
           MOVE E007 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+(3)9|-45|" FITS "|[" E007 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E007
           MOVE E007 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+(3)9|123|" FITS "|[" E007 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E007
           MOVE E007 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+(3)9|-123|" FITS "|[" E007 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E007
           MOVE E007 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+(3)9|1234.5|" FITS "|[" E007 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E007
           MOVE E007 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+(3)9|-1234.5|" FITS "|[" E007 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E007
           MOVE E007 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+(3)9|0.05|" FITS "|[" E007 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E007
           MOVE E007 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+(3)9|-0.05|" FITS "|[" E007 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E007
           MOVE E007 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+(3)9|12345|" FITS "|[" E007 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E007
           MOVE E007 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+(3)9|99999.99|" FITS "|[" E007 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E007
           MOVE E007 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+(3)9|123456|" FITS "|[" E007 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E007
           MOVE E007 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+(3)9|100|" FITS "|[" E007 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E007
           MOVE E007 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+(3)9|1000|" FITS "|[" E007 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E007
           MOVE E007 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+(3)9|1000.01|" FITS "|[" E007 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E007
           MOVE E007 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+(3)9|0.5|" FITS "|[" E007 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E007
           MOVE E007 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+(3)9|-9999|" FITS "|[" E007 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E007
           MOVE E007 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+(3)9|0.000123|" FITS "|[" E007 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E008
           MOVE E008 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9-|0|" FITS "|[" E008 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E008
           MOVE E008 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9-|1|" FITS "|[" E008 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E008
           MOVE E008 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9-|-1|" FITS "|[" E008 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E008
           MOVE E008 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9-|7|" FITS "|[" E008 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E008
           MOVE E008 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9-|45|" FITS "|[" E008 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E008
           MOVE E008 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9-|-45|" FITS "|[" E008 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E008
           MOVE E008 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9-|123|" FITS "|[" E008 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E008
           MOVE E008 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9-|-123|" FITS "|[" E008 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E008
           MOVE E008 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9-|1234.5|" FITS "|[" E008 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E008
           MOVE E008 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9-|-1234.5|" FITS "|[" E008 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E008
           MOVE E008 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9-|0.05|" FITS "|[" E008 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E008
           MOVE E008 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9-|-0.05|" FITS "|[" E008 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E008
           MOVE E008 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9-|12345|" FITS "|[" E008 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E008
           MOVE E008 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9-|99999.99|" FITS "|[" E008 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E008
           MOVE E008 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9-|123456|" FITS "|[" E008 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E008
           MOVE E008 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9-|100|" FITS "|[" E008 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E008
           MOVE E008 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9-|1000|" FITS "|[" E008 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E008
           MOVE E008 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9-|1000.01|" FITS "|[" E008 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E008
           MOVE E008 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9-|0.5|" FITS "|[" E008 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E008
           MOVE E008 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9-|-9999|" FITS "|[" E008 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E008
           MOVE E008 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9-|0.000123|" FITS "|[" E008 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E009
           MOVE E009 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.99|0|" FITS "|[" E009 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E009
           MOVE E009 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.99|1|" FITS "|[" E009 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E009
           MOVE E009 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.99|-1|" FITS "|[" E009 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E009
           MOVE E009 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.99|7|" FITS "|[" E009 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E009
           MOVE E009 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.99|45|" FITS "|[" E009 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E009
           MOVE E009 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.99|-45|" FITS "|[" E009 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E009
           MOVE E009 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.99|123|" FITS "|[" E009 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E009
           MOVE E009 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.99|-123|" FITS "|[" E009 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E009
           MOVE E009 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.99|1234.5|" FITS "|[" E009 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E009
           MOVE E009 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.99|-1234.5|" FITS "|[" E009 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E009
           MOVE E009 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.99|0.05|" FITS "|[" E009 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E009
           MOVE E009 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.99|-0.05|" FITS "|[" E009 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E009
           MOVE E009 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.99|12345|" FITS "|[" E009 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E009
           MOVE E009 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.99|99999.99|" FITS "|[" E009 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E009
           MOVE E009 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.99|123456|" FITS "|[" E009 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E009
           MOVE E009 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.99|100|" FITS "|[" E009 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E009
           MOVE E009 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.99|1000|" FITS "|[" E009 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E009
           MOVE E009 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.99|1000.01|" FITS "|[" E009 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E009
           MOVE E009 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.99|0.5|" FITS "|[" E009 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E009
           MOVE E009 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.99|-9999|" FITS "|[" E009 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E009
           MOVE E009 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.99|0.000123|" FITS "|[" E009 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E010
           MOVE E010 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99/99/99|0|" FITS "|[" E010 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E010
           MOVE E010 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99/99/99|1|" FITS "|[" E010 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E010
           MOVE E010 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99/99/99|-1|" FITS "|[" E010 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E010
           MOVE E010 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99/99/99|7|" FITS "|[" E010 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E010
           MOVE E010 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99/99/99|45|" FITS "|[" E010 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E010
           MOVE E010 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99/99/99|-45|" FITS "|[" E010 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E010
           MOVE E010 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99/99/99|123|" FITS "|[" E010 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E010
           MOVE E010 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99/99/99|-123|" FITS "|[" E010 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E010
           MOVE E010 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99/99/99|1234.5|" FITS "|[" E010 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E010
           MOVE E010 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99/99/99|-1234.5|" FITS "|[" E010 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E010
           MOVE E010 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99/99/99|0.05|" FITS "|[" E010 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E010
           MOVE E010 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99/99/99|-0.05|" FITS "|[" E010 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E010
           MOVE E010 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99/99/99|12345|" FITS "|[" E010 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E010
           MOVE E010 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99/99/99|99999.99|" FITS "|[" E010 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E010
           MOVE E010 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99/99/99|123456|" FITS "|[" E010 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E010
           MOVE E010 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99/99/99|100|" FITS "|[" E010 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E010
           MOVE E010 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99/99/99|1000|" FITS "|[" E010 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E010
           MOVE E010 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99/99/99|1000.01|" FITS "|[" E010 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E010
           MOVE E010 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99/99/99|0.5|" FITS "|[" E010 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E010
           MOVE E010 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99/99/99|-9999|" FITS "|[" E010 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E010
           MOVE E010 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99/99/99|0.000123|" FITS "|[" E010 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E011
           MOVE E011 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "999B999|0|" FITS "|[" E011 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E011
           MOVE E011 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "999B999|1|" FITS "|[" E011 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E011
           MOVE E011 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "999B999|-1|" FITS "|[" E011 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E011
           MOVE E011 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "999B999|7|" FITS "|[" E011 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E011
           MOVE E011 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "999B999|45|" FITS "|[" E011 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E011
           MOVE E011 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "999B999|-45|" FITS "|[" E011 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E011
           MOVE E011 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "999B999|123|" FITS "|[" E011 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E011
           MOVE E011 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "999B999|-123|" FITS "|[" E011 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E011
           MOVE E011 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "999B999|1234.5|" FITS "|[" E011 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E011
           MOVE E011 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "999B999|-1234.5|" FITS "|[" E011 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E011
           MOVE E011 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "999B999|0.05|" FITS "|[" E011 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E011
           MOVE E011 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "999B999|-0.05|" FITS "|[" E011 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E011
           MOVE E011 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "999B999|12345|" FITS "|[" E011 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E011
           MOVE E011 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "999B999|99999.99|" FITS "|[" E011 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E011
           MOVE E011 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "999B999|123456|" FITS "|[" E011 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E011
           MOVE E011 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "999B999|100|" FITS "|[" E011 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E011
           MOVE E011 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "999B999|1000|" FITS "|[" E011 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E011
           MOVE E011 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "999B999|1000.01|" FITS "|[" E011 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E011
           MOVE E011 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "999B999|0.5|" FITS "|[" E011 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E011
           MOVE E011 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "999B999|-9999|" FITS "|[" E011 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E011
           MOVE E011 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "999B999|0.000123|" FITS "|[" E011 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E012
           MOVE E012 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)000|0|" FITS "|[" E012 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E012
           MOVE E012 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)000|1|" FITS "|[" E012 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E012
           MOVE E012 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)000|-1|" FITS "|[" E012 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E012
           MOVE E012 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)000|7|" FITS "|[" E012 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E012
           MOVE E012 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)000|45|" FITS "|[" E012 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E012
           MOVE E012 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)000|-45|" FITS "|[" E012 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E012
           MOVE E012 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)000|123|" FITS "|[" E012 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E012
           MOVE E012 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)000|-123|" FITS "|[" E012 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E012
           MOVE E012 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)000|1234.5|" FITS "|[" E012 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E012
           MOVE E012 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)000|-1234.5|" FITS "|[" E012 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E012
           MOVE E012 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)000|0.05|" FITS "|[" E012 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E012
           MOVE E012 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)000|-0.05|" FITS "|[" E012 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E012
           MOVE E012 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)000|12345|" FITS "|[" E012 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E012
           MOVE E012 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)000|99999.99|" FITS "|[" E012 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E012
           MOVE E012 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)000|123456|" FITS "|[" E012 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E012
           MOVE E012 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)000|100|" FITS "|[" E012 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E012
           MOVE E012 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)000|1000|" FITS "|[" E012 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E012
           MOVE E012 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)000|1000.01|" FITS "|[" E012 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E012
           MOVE E012 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)000|0.5|" FITS "|[" E012 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E012
           MOVE E012 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)000|-9999|" FITS "|[" E012 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E012
           MOVE E012 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)000|0.000123|" FITS "|[" E012 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E013
           MOVE E013 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***,**9.99|0|" FITS "|[" E013 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E013
           MOVE E013 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***,**9.99|1|" FITS "|[" E013 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E013
           MOVE E013 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***,**9.99|-1|" FITS "|[" E013 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E013
           MOVE E013 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***,**9.99|7|" FITS "|[" E013 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E013
           MOVE E013 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***,**9.99|45|" FITS "|[" E013 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E013
           MOVE E013 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***,**9.99|-45|" FITS "|[" E013 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E013
           MOVE E013 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***,**9.99|123|" FITS "|[" E013 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E013
           MOVE E013 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***,**9.99|-123|" FITS "|[" E013 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E013
           MOVE E013 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***,**9.99|1234.5|" FITS "|[" E013 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E013
           MOVE E013 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***,**9.99|-1234.5|" FITS "|[" E013 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E013
           MOVE E013 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***,**9.99|0.05|" FITS "|[" E013 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E013
           MOVE E013 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***,**9.99|-0.05|" FITS "|[" E013 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E013
           MOVE E013 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***,**9.99|12345|" FITS "|[" E013 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E013
           MOVE E013 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***,**9.99|99999.99|" FITS "|[" E013 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E013
           MOVE E013 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***,**9.99|123456|" FITS "|[" E013 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E013
           MOVE E013 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***,**9.99|100|" FITS "|[" E013 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E013
           MOVE E013 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***,**9.99|1000|" FITS "|[" E013 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E013
           MOVE E013 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***,**9.99|1000.01|" FITS "|[" E013 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E013
           MOVE E013 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***,**9.99|0.5|" FITS "|[" E013 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E013
           MOVE E013 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***,**9.99|-9999|" FITS "|[" E013 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E013
           MOVE E013 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***,**9.99|0.000123|" FITS "|[" E013 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E014
           MOVE E014 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)CR|0|" FITS "|[" E014 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E014
           MOVE E014 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)CR|1|" FITS "|[" E014 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E014
           MOVE E014 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)CR|-1|" FITS "|[" E014 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E014
           MOVE E014 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)CR|7|" FITS "|[" E014 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E014
           MOVE E014 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)CR|45|" FITS "|[" E014 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E014
           MOVE E014 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)CR|-45|" FITS "|[" E014 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E014
           MOVE E014 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)CR|123|" FITS "|[" E014 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E014
           MOVE E014 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)CR|-123|" FITS "|[" E014 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E014
           MOVE E014 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)CR|1234.5|" FITS "|[" E014 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E014
           MOVE E014 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)CR|-1234.5|" FITS "|[" E014 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E014
           MOVE E014 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)CR|0.05|" FITS "|[" E014 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E014
           MOVE E014 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)CR|-0.05|" FITS "|[" E014 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E014
           MOVE E014 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)CR|12345|" FITS "|[" E014 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E014
           MOVE E014 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)CR|99999.99|" FITS "|[" E014 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E014
           MOVE E014 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)CR|123456|" FITS "|[" E014 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E014
           MOVE E014 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)CR|100|" FITS "|[" E014 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E014
           MOVE E014 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)CR|1000|" FITS "|[" E014 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E014
           MOVE E014 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)CR|1000.01|" FITS "|[" E014 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E014
           MOVE E014 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)CR|0.5|" FITS "|[" E014 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E014
           MOVE E014 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)CR|-9999|" FITS "|[" E014 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E014
           MOVE E014 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)CR|0.000123|" FITS "|[" E014 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E015
           MOVE E015 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)DB|0|" FITS "|[" E015 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E015
           MOVE E015 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)DB|1|" FITS "|[" E015 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E015
           MOVE E015 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)DB|-1|" FITS "|[" E015 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E015
           MOVE E015 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)DB|7|" FITS "|[" E015 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E015
           MOVE E015 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)DB|45|" FITS "|[" E015 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E015
           MOVE E015 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)DB|-45|" FITS "|[" E015 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E015
           MOVE E015 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)DB|123|" FITS "|[" E015 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E015
           MOVE E015 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)DB|-123|" FITS "|[" E015 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E015
           MOVE E015 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)DB|1234.5|" FITS "|[" E015 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E015
           MOVE E015 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)DB|-1234.5|" FITS "|[" E015 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E015
           MOVE E015 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)DB|0.05|" FITS "|[" E015 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E015
           MOVE E015 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)DB|-0.05|" FITS "|[" E015 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E015
           MOVE E015 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)DB|12345|" FITS "|[" E015 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E015
           MOVE E015 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)DB|99999.99|" FITS "|[" E015 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E015
           MOVE E015 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)DB|123456|" FITS "|[" E015 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E015
           MOVE E015 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)DB|100|" FITS "|[" E015 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E015
           MOVE E015 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)DB|1000|" FITS "|[" E015 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E015
           MOVE E015 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)DB|1000.01|" FITS "|[" E015 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E015
           MOVE E015 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)DB|0.5|" FITS "|[" E015 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E015
           MOVE E015 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)DB|-9999|" FITS "|[" E015 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E015
           MOVE E015 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)DB|0.000123|" FITS "|[" E015 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E016
           MOVE E016 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)9.99CR|0|" FITS "|[" E016 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E016
           MOVE E016 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)9.99CR|1|" FITS "|[" E016 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E016
           MOVE E016 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)9.99CR|-1|" FITS "|[" E016 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E016
           MOVE E016 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)9.99CR|7|" FITS "|[" E016 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E016
           MOVE E016 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)9.99CR|45|" FITS "|[" E016 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E016
           MOVE E016 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)9.99CR|-45|" FITS "|[" E016 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E016
           MOVE E016 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)9.99CR|123|" FITS "|[" E016 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E016
           MOVE E016 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)9.99CR|-123|" FITS "|[" E016 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E016
           MOVE E016 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)9.99CR|1234.5|" FITS "|[" E016 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E016
           MOVE E016 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)9.99CR|-1234.5|" FITS "|[" E016 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E016
           MOVE E016 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)9.99CR|0.05|" FITS "|[" E016 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E016
           MOVE E016 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)9.99CR|-0.05|" FITS "|[" E016 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E016
           MOVE E016 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)9.99CR|12345|" FITS "|[" E016 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E016
           MOVE E016 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)9.99CR|99999.99|" FITS "|[" E016 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E016
           MOVE E016 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)9.99CR|123456|" FITS "|[" E016 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E016
           MOVE E016 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)9.99CR|100|" FITS "|[" E016 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E016
           MOVE E016 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)9.99CR|1000|" FITS "|[" E016 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E016
           MOVE E016 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)9.99CR|1000.01|" FITS "|[" E016 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E016
           MOVE E016 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)9.99CR|0.5|" FITS "|[" E016 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E016
           MOVE E016 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)9.99CR|-9999|" FITS "|[" E016 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E016
           MOVE E016 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)9.99CR|0.000123|" FITS "|[" E016 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E017
           MOVE E017 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**,**9|0|" FITS "|[" E017 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E017
           MOVE E017 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**,**9|1|" FITS "|[" E017 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E017
           MOVE E017 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**,**9|-1|" FITS "|[" E017 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E017
           MOVE E017 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**,**9|7|" FITS "|[" E017 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E017
           MOVE E017 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**,**9|45|" FITS "|[" E017 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E017
           MOVE E017 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**,**9|-45|" FITS "|[" E017 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E017
           MOVE E017 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**,**9|123|" FITS "|[" E017 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E017
           MOVE E017 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**,**9|-123|" FITS "|[" E017 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E017
           MOVE E017 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**,**9|1234.5|" FITS "|[" E017 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E017
           MOVE E017 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**,**9|-1234.5|" FITS "|[" E017 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E017
           MOVE E017 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**,**9|0.05|" FITS "|[" E017 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E017
           MOVE E017 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**,**9|-0.05|" FITS "|[" E017 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E017
           MOVE E017 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**,**9|12345|" FITS "|[" E017 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E017
           MOVE E017 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**,**9|99999.99|" FITS "|[" E017 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E017
           MOVE E017 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**,**9|123456|" FITS "|[" E017 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E017
           MOVE E017 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**,**9|100|" FITS "|[" E017 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E017
           MOVE E017 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**,**9|1000|" FITS "|[" E017 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E017
           MOVE E017 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**,**9|1000.01|" FITS "|[" E017 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E017
           MOVE E017 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**,**9|0.5|" FITS "|[" E017 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E017
           MOVE E017 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**,**9|-9999|" FITS "|[" E017 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E017
           MOVE E017 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**,**9|0.000123|" FITS "|[" E017 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E018
           MOVE E018 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-Z9|0|" FITS "|[" E018 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E018
           MOVE E018 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-Z9|1|" FITS "|[" E018 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E018
           MOVE E018 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-Z9|-1|" FITS "|[" E018 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E018
           MOVE E018 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-Z9|7|" FITS "|[" E018 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E018
           MOVE E018 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-Z9|45|" FITS "|[" E018 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E018
           MOVE E018 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-Z9|-45|" FITS "|[" E018 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E018
           MOVE E018 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-Z9|123|" FITS "|[" E018 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E018
           MOVE E018 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-Z9|-123|" FITS "|[" E018 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E018
           MOVE E018 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-Z9|1234.5|" FITS "|[" E018 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E018
           MOVE E018 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-Z9|-1234.5|" FITS "|[" E018 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E018
           MOVE E018 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-Z9|0.05|" FITS "|[" E018 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E018
           MOVE E018 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-Z9|-0.05|" FITS "|[" E018 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E018
           MOVE E018 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-Z9|12345|" FITS "|[" E018 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E018
           MOVE E018 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-Z9|99999.99|" FITS "|[" E018 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E018
           MOVE E018 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-Z9|123456|" FITS "|[" E018 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E018
           MOVE E018 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-Z9|100|" FITS "|[" E018 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E018
           MOVE E018 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-Z9|1000|" FITS "|[" E018 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E018
           MOVE E018 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-Z9|1000.01|" FITS "|[" E018 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E018
           MOVE E018 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-Z9|0.5|" FITS "|[" E018 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E018
           MOVE E018 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-Z9|-9999|" FITS "|[" E018 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E018
           MOVE E018 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-Z9|0.000123|" FITS "|[" E018 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E019
           MOVE E019 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z-|0|" FITS "|[" E019 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E019
           MOVE E019 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z-|1|" FITS "|[" E019 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E019
           MOVE E019 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z-|-1|" FITS "|[" E019 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E019
           MOVE E019 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z-|7|" FITS "|[" E019 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E019
           MOVE E019 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z-|45|" FITS "|[" E019 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E019
           MOVE E019 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z-|-45|" FITS "|[" E019 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E019
           MOVE E019 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z-|123|" FITS "|[" E019 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E019
           MOVE E019 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z-|-123|" FITS "|[" E019 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E019
           MOVE E019 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z-|1234.5|" FITS "|[" E019 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E019
           MOVE E019 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z-|-1234.5|" FITS "|[" E019 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E019
           MOVE E019 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z-|0.05|" FITS "|[" E019 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E019
           MOVE E019 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z-|-0.05|" FITS "|[" E019 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E019
           MOVE E019 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z-|12345|" FITS "|[" E019 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E019
           MOVE E019 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z-|99999.99|" FITS "|[" E019 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E019
           MOVE E019 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z-|123456|" FITS "|[" E019 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E019
           MOVE E019 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z-|100|" FITS "|[" E019 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E019
           MOVE E019 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z-|1000|" FITS "|[" E019 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E019
           MOVE E019 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z-|1000.01|" FITS "|[" E019 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E019
           MOVE E019 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z-|0.5|" FITS "|[" E019 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E019
           MOVE E019 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z-|-9999|" FITS "|[" E019 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E019
           MOVE E019 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z-|0.000123|" FITS "|[" E019 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E020
           MOVE E020 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ|0|" FITS "|[" E020 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E020
           MOVE E020 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ|1|" FITS "|[" E020 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E020
           MOVE E020 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ|-1|" FITS "|[" E020 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E020
           MOVE E020 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ|7|" FITS "|[" E020 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E020
           MOVE E020 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ|45|" FITS "|[" E020 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E020
           MOVE E020 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ|-45|" FITS "|[" E020 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E020
           MOVE E020 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ|123|" FITS "|[" E020 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E020
           MOVE E020 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ|-123|" FITS "|[" E020 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E020
           MOVE E020 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ|1234.5|" FITS "|[" E020 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E020
           MOVE E020 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ|-1234.5|" FITS "|[" E020 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E020
           MOVE E020 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ|0.05|" FITS "|[" E020 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E020
           MOVE E020 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ|-0.05|" FITS "|[" E020 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E020
           MOVE E020 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ|12345|" FITS "|[" E020 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E020
           MOVE E020 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ|99999.99|" FITS "|[" E020 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E020
           MOVE E020 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ|123456|" FITS "|[" E020 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E020
           MOVE E020 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ|100|" FITS "|[" E020 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E020
           MOVE E020 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ|1000|" FITS "|[" E020 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E020
           MOVE E020 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ|1000.01|" FITS "|[" E020 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E020
           MOVE E020 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ|0.5|" FITS "|[" E020 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E020
           MOVE E020 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ|-9999|" FITS "|[" E020 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E020
           MOVE E020 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ|0.000123|" FITS "|[" E020 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E021
           MOVE E021 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.ZZ|0|" FITS "|[" E021 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E021
           MOVE E021 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.ZZ|1|" FITS "|[" E021 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E021
           MOVE E021 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.ZZ|-1|" FITS "|[" E021 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E021
           MOVE E021 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.ZZ|7|" FITS "|[" E021 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E021
           MOVE E021 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.ZZ|45|" FITS "|[" E021 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E021
           MOVE E021 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.ZZ|-45|" FITS "|[" E021 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E021
           MOVE E021 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.ZZ|123|" FITS "|[" E021 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E021
           MOVE E021 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.ZZ|-123|" FITS "|[" E021 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E021
           MOVE E021 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.ZZ|1234.5|" FITS "|[" E021 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E021
           MOVE E021 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.ZZ|-1234.5|" FITS "|[" E021 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E021
           MOVE E021 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.ZZ|0.05|" FITS "|[" E021 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E021
           MOVE E021 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.ZZ|-0.05|" FITS "|[" E021 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E021
           MOVE E021 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.ZZ|12345|" FITS "|[" E021 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E021
           MOVE E021 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.ZZ|99999.99|" FITS "|[" E021 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E021
           MOVE E021 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.ZZ|123456|" FITS "|[" E021 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E021
           MOVE E021 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.ZZ|100|" FITS "|[" E021 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E021
           MOVE E021 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.ZZ|1000|" FITS "|[" E021 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E021
           MOVE E021 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.ZZ|1000.01|" FITS "|[" E021 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E021
           MOVE E021 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.ZZ|0.5|" FITS "|[" E021 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E021
           MOVE E021 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.ZZ|-9999|" FITS "|[" E021 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E021
           MOVE E021 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ.ZZ|0.000123|" FITS "|[" E021 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E022
           MOVE E022 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.$$|0|" FITS "|[" E022 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E022
           MOVE E022 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.$$|1|" FITS "|[" E022 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E022
           MOVE E022 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.$$|-1|" FITS "|[" E022 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E022
           MOVE E022 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.$$|7|" FITS "|[" E022 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E022
           MOVE E022 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.$$|45|" FITS "|[" E022 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E022
           MOVE E022 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.$$|-45|" FITS "|[" E022 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E022
           MOVE E022 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.$$|123|" FITS "|[" E022 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E022
           MOVE E022 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.$$|-123|" FITS "|[" E022 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E022
           MOVE E022 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.$$|1234.5|" FITS "|[" E022 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E022
           MOVE E022 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.$$|-1234.5|" FITS "|[" E022 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E022
           MOVE E022 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.$$|0.05|" FITS "|[" E022 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E022
           MOVE E022 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.$$|-0.05|" FITS "|[" E022 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E022
           MOVE E022 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.$$|12345|" FITS "|[" E022 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E022
           MOVE E022 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.$$|99999.99|" FITS "|[" E022 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E022
           MOVE E022 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.$$|123456|" FITS "|[" E022 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E022
           MOVE E022 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.$$|100|" FITS "|[" E022 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E022
           MOVE E022 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.$$|1000|" FITS "|[" E022 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E022
           MOVE E022 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.$$|1000.01|" FITS "|[" E022 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E022
           MOVE E022 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.$$|0.5|" FITS "|[" E022 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E022
           MOVE E022 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.$$|-9999|" FITS "|[" E022 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E022
           MOVE E022 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.$$|0.000123|" FITS "|[" E022 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E023
           MOVE E023 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+ZZ9|0|" FITS "|[" E023 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E023
           MOVE E023 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+ZZ9|1|" FITS "|[" E023 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E023
           MOVE E023 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+ZZ9|-1|" FITS "|[" E023 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E023
           MOVE E023 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+ZZ9|7|" FITS "|[" E023 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E023
           MOVE E023 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+ZZ9|45|" FITS "|[" E023 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E023
           MOVE E023 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+ZZ9|-45|" FITS "|[" E023 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E023
           MOVE E023 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+ZZ9|123|" FITS "|[" E023 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E023
           MOVE E023 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+ZZ9|-123|" FITS "|[" E023 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E023
           MOVE E023 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+ZZ9|1234.5|" FITS "|[" E023 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E023
           MOVE E023 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+ZZ9|-1234.5|" FITS "|[" E023 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E023
           MOVE E023 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+ZZ9|0.05|" FITS "|[" E023 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E023
           MOVE E023 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+ZZ9|-0.05|" FITS "|[" E023 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E023
           MOVE E023 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+ZZ9|12345|" FITS "|[" E023 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E023
           MOVE E023 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+ZZ9|99999.99|" FITS "|[" E023 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E023
           MOVE E023 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+ZZ9|123456|" FITS "|[" E023 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E023
           MOVE E023 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+ZZ9|100|" FITS "|[" E023 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E023
           MOVE E023 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+ZZ9|1000|" FITS "|[" E023 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E023
           MOVE E023 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+ZZ9|1000.01|" FITS "|[" E023 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E023
           MOVE E023 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+ZZ9|0.5|" FITS "|[" E023 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E023
           MOVE E023 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+ZZ9|-9999|" FITS "|[" E023 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E023
           MOVE E023 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+ZZ9|0.000123|" FITS "|[" E023 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E024
           MOVE E024 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9+|0|" FITS "|[" E024 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E024
           MOVE E024 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9+|1|" FITS "|[" E024 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E024
           MOVE E024 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9+|-1|" FITS "|[" E024 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E024
           MOVE E024 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9+|7|" FITS "|[" E024 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E024
           MOVE E024 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9+|45|" FITS "|[" E024 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E024
           MOVE E024 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9+|-45|" FITS "|[" E024 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E024
           MOVE E024 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9+|123|" FITS "|[" E024 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E024
           MOVE E024 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9+|-123|" FITS "|[" E024 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E024
           MOVE E024 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9+|1234.5|" FITS "|[" E024 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E024
           MOVE E024 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9+|-1234.5|" FITS "|[" E024 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E024
           MOVE E024 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9+|0.05|" FITS "|[" E024 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E024
           MOVE E024 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9+|-0.05|" FITS "|[" E024 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E024
           MOVE E024 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9+|12345|" FITS "|[" E024 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E024
           MOVE E024 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9+|99999.99|" FITS "|[" E024 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E024
           MOVE E024 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9+|123456|" FITS "|[" E024 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E024
           MOVE E024 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9+|100|" FITS "|[" E024 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E024
           MOVE E024 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9+|1000|" FITS "|[" E024 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E024
           MOVE E024 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9+|1000.01|" FITS "|[" E024 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E024
           MOVE E024 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9+|0.5|" FITS "|[" E024 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E024
           MOVE E024 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9+|-9999|" FITS "|[" E024 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E024
           MOVE E024 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9+|0.000123|" FITS "|[" E024 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E025
           MOVE E025 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$**,**9.99|0|" FITS "|[" E025 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E025
           MOVE E025 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$**,**9.99|1|" FITS "|[" E025 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E025
           MOVE E025 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$**,**9.99|-1|" FITS "|[" E025 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E025
           MOVE E025 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$**,**9.99|7|" FITS "|[" E025 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E025
           MOVE E025 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$**,**9.99|45|" FITS "|[" E025 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E025
           MOVE E025 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$**,**9.99|-45|" FITS "|[" E025 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E025
           MOVE E025 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$**,**9.99|123|" FITS "|[" E025 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E025
           MOVE E025 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$**,**9.99|-123|" FITS "|[" E025 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E025
           MOVE E025 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$**,**9.99|1234.5|" FITS "|[" E025 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E025
           MOVE E025 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$**,**9.99|-1234.5|" FITS "|[" E025 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E025
           MOVE E025 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$**,**9.99|0.05|" FITS "|[" E025 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E025
           MOVE E025 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$**,**9.99|-0.05|" FITS "|[" E025 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E025
           MOVE E025 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$**,**9.99|12345|" FITS "|[" E025 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E025
           MOVE E025 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$**,**9.99|99999.99|" FITS "|[" E025 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E025
           MOVE E025 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$**,**9.99|123456|" FITS "|[" E025 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E025
           MOVE E025 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$**,**9.99|100|" FITS "|[" E025 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E025
           MOVE E025 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$**,**9.99|1000|" FITS "|[" E025 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E025
           MOVE E025 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$**,**9.99|1000.01|" FITS "|[" E025 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E025
           MOVE E025 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$**,**9.99|0.5|" FITS "|[" E025 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E025
           MOVE E025 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$**,**9.99|-9999|" FITS "|[" E025 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E025
           MOVE E025 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$**,**9.99|0.000123|" FITS "|[" E025 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E026
           MOVE E026 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3).99|0|" FITS "|[" E026 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E026
           MOVE E026 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3).99|1|" FITS "|[" E026 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E026
           MOVE E026 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3).99|-1|" FITS "|[" E026 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E026
           MOVE E026 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3).99|7|" FITS "|[" E026 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E026
           MOVE E026 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3).99|45|" FITS "|[" E026 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E026
           MOVE E026 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3).99|-45|" FITS "|[" E026 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E026
           MOVE E026 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3).99|123|" FITS "|[" E026 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E026
           MOVE E026 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3).99|-123|" FITS "|[" E026 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E026
           MOVE E026 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3).99|1234.5|" FITS "|[" E026 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E026
           MOVE E026 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3).99|-1234.5|" FITS "|[" E026 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E026
           MOVE E026 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3).99|0.05|" FITS "|[" E026 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E026
           MOVE E026 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3).99|-0.05|" FITS "|[" E026 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E026
           MOVE E026 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3).99|12345|" FITS "|[" E026 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E026
           MOVE E026 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3).99|99999.99|" FITS "|[" E026 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E026
           MOVE E026 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3).99|123456|" FITS "|[" E026 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E026
           MOVE E026 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3).99|100|" FITS "|[" E026 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E026
           MOVE E026 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3).99|1000|" FITS "|[" E026 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E026
           MOVE E026 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3).99|1000.01|" FITS "|[" E026 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E026
           MOVE E026 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3).99|0.5|" FITS "|[" E026 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E026
           MOVE E026 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3).99|-9999|" FITS "|[" E026 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E026
           MOVE E026 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3).99|0.000123|" FITS "|[" E026 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E027
           MOVE E027 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ,ZZ9|0|" FITS "|[" E027 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E027
           MOVE E027 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ,ZZ9|1|" FITS "|[" E027 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E027
           MOVE E027 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ,ZZ9|-1|" FITS "|[" E027 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E027
           MOVE E027 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ,ZZ9|7|" FITS "|[" E027 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E027
           MOVE E027 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ,ZZ9|45|" FITS "|[" E027 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E027
           MOVE E027 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ,ZZ9|-45|" FITS "|[" E027 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E027
           MOVE E027 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ,ZZ9|123|" FITS "|[" E027 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E027
           MOVE E027 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ,ZZ9|-123|" FITS "|[" E027 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E027
           MOVE E027 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ,ZZ9|1234.5|" FITS "|[" E027 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E027
           MOVE E027 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ,ZZ9|-1234.5|" FITS "|[" E027 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E027
           MOVE E027 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ,ZZ9|0.05|" FITS "|[" E027 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E027
           MOVE E027 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ,ZZ9|-0.05|" FITS "|[" E027 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E027
           MOVE E027 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ,ZZ9|12345|" FITS "|[" E027 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E027
           MOVE E027 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ,ZZ9|99999.99|" FITS "|[" E027 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E027
           MOVE E027 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ,ZZ9|123456|" FITS "|[" E027 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E027
           MOVE E027 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ,ZZ9|100|" FITS "|[" E027 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E027
           MOVE E027 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ,ZZ9|1000|" FITS "|[" E027 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E027
           MOVE E027 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ,ZZ9|1000.01|" FITS "|[" E027 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E027
           MOVE E027 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ,ZZ9|0.5|" FITS "|[" E027 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E027
           MOVE E027 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ,ZZ9|-9999|" FITS "|[" E027 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E027
           MOVE E027 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ,ZZ9|0.000123|" FITS "|[" E027 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E028
           MOVE E028 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "--,---,--9.99|0|" FITS "|[" E028 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E028
           MOVE E028 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "--,---,--9.99|1|" FITS "|[" E028 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E028
           MOVE E028 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "--,---,--9.99|-1|" FITS "|[" E028 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E028
           MOVE E028 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "--,---,--9.99|7|" FITS "|[" E028 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E028
           MOVE E028 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "--,---,--9.99|45|" FITS "|[" E028 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E028
           MOVE E028 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "--,---,--9.99|-45|" FITS "|[" E028 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E028
           MOVE E028 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "--,---,--9.99|123|" FITS "|[" E028 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E028
           MOVE E028 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "--,---,--9.99|-123|" FITS "|[" E028 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E028
           MOVE E028 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "--,---,--9.99|1234.5|" FITS "|[" E028 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E028
           MOVE E028 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "--,---,--9.99|-1234.5|" FITS "|[" E028 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E028
           MOVE E028 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "--,---,--9.99|0.05|" FITS "|[" E028 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E028
           MOVE E028 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "--,---,--9.99|-0.05|" FITS "|[" E028 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E028
           MOVE E028 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "--,---,--9.99|12345|" FITS "|[" E028 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E028
           MOVE E028 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "--,---,--9.99|99999.99|" FITS "|[" E028 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E028
           MOVE E028 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "--,---,--9.99|123456|" FITS "|[" E028 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E028
           MOVE E028 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "--,---,--9.99|100|" FITS "|[" E028 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E028
           MOVE E028 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "--,---,--9.99|1000|" FITS "|[" E028 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E028
           MOVE E028 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "--,---,--9.99|1000.01|" FITS "|[" E028 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E028
           MOVE E028 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "--,---,--9.99|0.5|" FITS "|[" E028 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E028
           MOVE E028 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "--,---,--9.99|-9999|" FITS "|[" E028 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E028
           MOVE E028 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "--,---,--9.99|0.000123|" FITS "|[" E028 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E029
           MOVE E029 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$,$$9.99CR|0|" FITS "|[" E029 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E029
           MOVE E029 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$,$$9.99CR|1|" FITS "|[" E029 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E029
           MOVE E029 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$,$$9.99CR|-1|" FITS "|[" E029 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E029
           MOVE E029 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$,$$9.99CR|7|" FITS "|[" E029 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E029
           MOVE E029 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$,$$9.99CR|45|" FITS "|[" E029 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E029
           MOVE E029 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$,$$9.99CR|-45|" FITS "|[" E029 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E029
           MOVE E029 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$,$$9.99CR|123|" FITS "|[" E029 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E029
           MOVE E029 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$,$$9.99CR|-123|" FITS "|[" E029 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E029
           MOVE E029 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$,$$9.99CR|1234.5|" FITS "|[" E029 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E029
           MOVE E029 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$,$$9.99CR|-1234.5|" FITS "|[" E029 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E029
           MOVE E029 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$,$$9.99CR|0.05|" FITS "|[" E029 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E029
           MOVE E029 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$,$$9.99CR|-0.05|" FITS "|[" E029 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E029
           MOVE E029 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$,$$9.99CR|12345|" FITS "|[" E029 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E029
           MOVE E029 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$,$$9.99CR|99999.99|" FITS "|[" E029 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E029
           MOVE E029 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$,$$9.99CR|123456|" FITS "|[" E029 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E029
           MOVE E029 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$,$$9.99CR|100|" FITS "|[" E029 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E029
           MOVE E029 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$,$$9.99CR|1000|" FITS "|[" E029 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E029
           MOVE E029 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$,$$9.99CR|1000.01|" FITS "|[" E029 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E029
           MOVE E029 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$,$$9.99CR|0.5|" FITS "|[" E029 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E029
           MOVE E029 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$,$$9.99CR|-9999|" FITS "|[" E029 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E029
           MOVE E029 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$,$$9.99CR|0.000123|" FITS "|[" E029 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E030
           MOVE E030 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "B9(3)|0|" FITS "|[" E030 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E030
           MOVE E030 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "B9(3)|1|" FITS "|[" E030 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E030
           MOVE E030 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "B9(3)|-1|" FITS "|[" E030 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E030
           MOVE E030 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "B9(3)|7|" FITS "|[" E030 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E030
           MOVE E030 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "B9(3)|45|" FITS "|[" E030 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E030
           MOVE E030 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "B9(3)|-45|" FITS "|[" E030 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E030
           MOVE E030 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "B9(3)|123|" FITS "|[" E030 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E030
           MOVE E030 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "B9(3)|-123|" FITS "|[" E030 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E030
           MOVE E030 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "B9(3)|1234.5|" FITS "|[" E030 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E030
           MOVE E030 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "B9(3)|-1234.5|" FITS "|[" E030 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E030
           MOVE E030 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "B9(3)|0.05|" FITS "|[" E030 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E030
           MOVE E030 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "B9(3)|-0.05|" FITS "|[" E030 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E030
           MOVE E030 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "B9(3)|12345|" FITS "|[" E030 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E030
           MOVE E030 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "B9(3)|99999.99|" FITS "|[" E030 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E030
           MOVE E030 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "B9(3)|123456|" FITS "|[" E030 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E030
           MOVE E030 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "B9(3)|100|" FITS "|[" E030 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E030
           MOVE E030 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "B9(3)|1000|" FITS "|[" E030 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E030
           MOVE E030 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "B9(3)|1000.01|" FITS "|[" E030 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E030
           MOVE E030 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "B9(3)|0.5|" FITS "|[" E030 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E030
           MOVE E030 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "B9(3)|-9999|" FITS "|[" E030 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E030
           MOVE E030 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "B9(3)|0.000123|" FITS "|[" E030 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E031
           MOVE E031 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0(2)9(3)|0|" FITS "|[" E031 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E031
           MOVE E031 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0(2)9(3)|1|" FITS "|[" E031 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E031
           MOVE E031 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0(2)9(3)|-1|" FITS "|[" E031 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E031
           MOVE E031 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0(2)9(3)|7|" FITS "|[" E031 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E031
           MOVE E031 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0(2)9(3)|45|" FITS "|[" E031 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E031
           MOVE E031 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0(2)9(3)|-45|" FITS "|[" E031 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E031
           MOVE E031 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0(2)9(3)|123|" FITS "|[" E031 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E031
           MOVE E031 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0(2)9(3)|-123|" FITS "|[" E031 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E031
           MOVE E031 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0(2)9(3)|1234.5|" FITS "|[" E031 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E031
           MOVE E031 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0(2)9(3)|-1234.5|" FITS "|[" E031 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E031
           MOVE E031 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0(2)9(3)|0.05|" FITS "|[" E031 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E031
           MOVE E031 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0(2)9(3)|-0.05|" FITS "|[" E031 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E031
           MOVE E031 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0(2)9(3)|12345|" FITS "|[" E031 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E031
           MOVE E031 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0(2)9(3)|99999.99|" FITS "|[" E031 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E031
           MOVE E031 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0(2)9(3)|123456|" FITS "|[" E031 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E031
           MOVE E031 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0(2)9(3)|100|" FITS "|[" E031 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E031
           MOVE E031 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0(2)9(3)|1000|" FITS "|[" E031 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E031
           MOVE E031 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0(2)9(3)|1000.01|" FITS "|[" E031 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E031
           MOVE E031 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0(2)9(3)|0.5|" FITS "|[" E031 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E031
           MOVE E031 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0(2)9(3)|-9999|" FITS "|[" E031 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E031
           MOVE E031 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0(2)9(3)|0.000123|" FITS "|[" E031 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E032
           MOVE E032 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99B99B99|0|" FITS "|[" E032 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E032
           MOVE E032 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99B99B99|1|" FITS "|[" E032 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E032
           MOVE E032 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99B99B99|-1|" FITS "|[" E032 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E032
           MOVE E032 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99B99B99|7|" FITS "|[" E032 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E032
           MOVE E032 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99B99B99|45|" FITS "|[" E032 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E032
           MOVE E032 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99B99B99|-45|" FITS "|[" E032 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E032
           MOVE E032 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99B99B99|123|" FITS "|[" E032 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E032
           MOVE E032 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99B99B99|-123|" FITS "|[" E032 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E032
           MOVE E032 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99B99B99|1234.5|" FITS "|[" E032 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E032
           MOVE E032 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99B99B99|-1234.5|" FITS "|[" E032 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E032
           MOVE E032 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99B99B99|0.05|" FITS "|[" E032 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E032
           MOVE E032 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99B99B99|-0.05|" FITS "|[" E032 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E032
           MOVE E032 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99B99B99|12345|" FITS "|[" E032 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E032
           MOVE E032 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99B99B99|99999.99|" FITS "|[" E032 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E032
           MOVE E032 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99B99B99|123456|" FITS "|[" E032 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E032
           MOVE E032 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99B99B99|100|" FITS "|[" E032 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E032
           MOVE E032 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99B99B99|1000|" FITS "|[" E032 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E032
           MOVE E032 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99B99B99|1000.01|" FITS "|[" E032 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E032
           MOVE E032 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99B99B99|0.5|" FITS "|[" E032 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E032
           MOVE E032 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99B99B99|-9999|" FITS "|[" E032 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E032
           MOVE E032 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99B99B99|0.000123|" FITS "|[" E032 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E033
           MOVE E033 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZBZZ9|0|" FITS "|[" E033 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E033
           MOVE E033 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZBZZ9|1|" FITS "|[" E033 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E033
           MOVE E033 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZBZZ9|-1|" FITS "|[" E033 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E033
           MOVE E033 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZBZZ9|7|" FITS "|[" E033 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E033
           MOVE E033 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZBZZ9|45|" FITS "|[" E033 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E033
           MOVE E033 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZBZZ9|-45|" FITS "|[" E033 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E033
           MOVE E033 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZBZZ9|123|" FITS "|[" E033 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E033
           MOVE E033 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZBZZ9|-123|" FITS "|[" E033 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E033
           MOVE E033 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZBZZ9|1234.5|" FITS "|[" E033 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E033
           MOVE E033 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZBZZ9|-1234.5|" FITS "|[" E033 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E033
           MOVE E033 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZBZZ9|0.05|" FITS "|[" E033 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E033
           MOVE E033 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZBZZ9|-0.05|" FITS "|[" E033 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E033
           MOVE E033 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZBZZ9|12345|" FITS "|[" E033 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E033
           MOVE E033 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZBZZ9|99999.99|" FITS "|[" E033 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E033
           MOVE E033 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZBZZ9|123456|" FITS "|[" E033 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E033
           MOVE E033 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZBZZ9|100|" FITS "|[" E033 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E033
           MOVE E033 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZBZZ9|1000|" FITS "|[" E033 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E033
           MOVE E033 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZBZZ9|1000.01|" FITS "|[" E033 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E033
           MOVE E033 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZBZZ9|0.5|" FITS "|[" E033 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E033
           MOVE E033 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZBZZ9|-9999|" FITS "|[" E033 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E033
           MOVE E033 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZBZZ9|0.000123|" FITS "|[" E033 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E034
           MOVE E034 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++++|0|" FITS "|[" E034 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E034
           MOVE E034 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++++|1|" FITS "|[" E034 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E034
           MOVE E034 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++++|-1|" FITS "|[" E034 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E034
           MOVE E034 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++++|7|" FITS "|[" E034 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E034
           MOVE E034 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++++|45|" FITS "|[" E034 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E034
           MOVE E034 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++++|-45|" FITS "|[" E034 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E034
           MOVE E034 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++++|123|" FITS "|[" E034 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E034
           MOVE E034 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++++|-123|" FITS "|[" E034 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E034
           MOVE E034 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++++|1234.5|" FITS "|[" E034 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E034
           MOVE E034 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++++|-1234.5|" FITS "|[" E034 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E034
           MOVE E034 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++++|0.05|" FITS "|[" E034 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E034
           MOVE E034 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++++|-0.05|" FITS "|[" E034 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E034
           MOVE E034 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++++|12345|" FITS "|[" E034 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E034
           MOVE E034 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++++|99999.99|" FITS "|[" E034 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E034
           MOVE E034 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++++|123456|" FITS "|[" E034 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E034
           MOVE E034 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++++|100|" FITS "|[" E034 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E034
           MOVE E034 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++++|1000|" FITS "|[" E034 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E034
           MOVE E034 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++++|1000.01|" FITS "|[" E034 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E034
           MOVE E034 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++++|0.5|" FITS "|[" E034 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E034
           MOVE E034 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++++|-9999|" FITS "|[" E034 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E034
           MOVE E034 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++++|0.000123|" FITS "|[" E034 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E035
           MOVE E035 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "----.--|0|" FITS "|[" E035 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E035
           MOVE E035 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "----.--|1|" FITS "|[" E035 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E035
           MOVE E035 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "----.--|-1|" FITS "|[" E035 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E035
           MOVE E035 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "----.--|7|" FITS "|[" E035 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E035
           MOVE E035 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "----.--|45|" FITS "|[" E035 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E035
           MOVE E035 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "----.--|-45|" FITS "|[" E035 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E035
           MOVE E035 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "----.--|123|" FITS "|[" E035 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E035
           MOVE E035 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "----.--|-123|" FITS "|[" E035 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E035
           MOVE E035 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "----.--|1234.5|" FITS "|[" E035 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E035
           MOVE E035 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "----.--|-1234.5|" FITS "|[" E035 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E035
           MOVE E035 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "----.--|0.05|" FITS "|[" E035 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E035
           MOVE E035 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "----.--|-0.05|" FITS "|[" E035 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E035
           MOVE E035 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "----.--|12345|" FITS "|[" E035 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E035
           MOVE E035 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "----.--|99999.99|" FITS "|[" E035 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E035
           MOVE E035 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "----.--|123456|" FITS "|[" E035 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E035
           MOVE E035 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "----.--|100|" FITS "|[" E035 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E035
           MOVE E035 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "----.--|1000|" FITS "|[" E035 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E035
           MOVE E035 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "----.--|1000.01|" FITS "|[" E035 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E035
           MOVE E035 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "----.--|0.5|" FITS "|[" E035 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E035
           MOVE E035 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "----.--|-9999|" FITS "|[" E035 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E035
           MOVE E035 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "----.--|0.000123|" FITS "|[" E035 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E036
           MOVE E036 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$.99|0|" FITS "|[" E036 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E036
           MOVE E036 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$.99|1|" FITS "|[" E036 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E036
           MOVE E036 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$.99|-1|" FITS "|[" E036 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E036
           MOVE E036 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$.99|7|" FITS "|[" E036 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E036
           MOVE E036 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$.99|45|" FITS "|[" E036 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E036
           MOVE E036 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$.99|-45|" FITS "|[" E036 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E036
           MOVE E036 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$.99|123|" FITS "|[" E036 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E036
           MOVE E036 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$.99|-123|" FITS "|[" E036 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E036
           MOVE E036 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$.99|1234.5|" FITS "|[" E036 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E036
           MOVE E036 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$.99|-1234.5|" FITS "|[" E036 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E036
           MOVE E036 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$.99|0.05|" FITS "|[" E036 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E036
           MOVE E036 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$.99|-0.05|" FITS "|[" E036 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E036
           MOVE E036 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$.99|12345|" FITS "|[" E036 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E036
           MOVE E036 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$.99|99999.99|" FITS "|[" E036 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E036
           MOVE E036 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$.99|123456|" FITS "|[" E036 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E036
           MOVE E036 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$.99|100|" FITS "|[" E036 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E036
           MOVE E036 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$.99|1000|" FITS "|[" E036 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E036
           MOVE E036 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$.99|1000.01|" FITS "|[" E036 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E036
           MOVE E036 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$.99|0.5|" FITS "|[" E036 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E036
           MOVE E036 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$.99|-9999|" FITS "|[" E036 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E036
           MOVE E036 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$.99|0.000123|" FITS "|[" E036 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E037
           MOVE E037 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(5).**|0|" FITS "|[" E037 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E037
           MOVE E037 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(5).**|1|" FITS "|[" E037 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E037
           MOVE E037 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(5).**|-1|" FITS "|[" E037 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E037
           MOVE E037 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(5).**|7|" FITS "|[" E037 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E037
           MOVE E037 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(5).**|45|" FITS "|[" E037 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E037
           MOVE E037 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(5).**|-45|" FITS "|[" E037 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E037
           MOVE E037 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(5).**|123|" FITS "|[" E037 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E037
           MOVE E037 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(5).**|-123|" FITS "|[" E037 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E037
           MOVE E037 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(5).**|1234.5|" FITS "|[" E037 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E037
           MOVE E037 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(5).**|-1234.5|" FITS "|[" E037 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E037
           MOVE E037 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(5).**|0.05|" FITS "|[" E037 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E037
           MOVE E037 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(5).**|-0.05|" FITS "|[" E037 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E037
           MOVE E037 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(5).**|12345|" FITS "|[" E037 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E037
           MOVE E037 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(5).**|99999.99|" FITS "|[" E037 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E037
           MOVE E037 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(5).**|123456|" FITS "|[" E037 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E037
           MOVE E037 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(5).**|100|" FITS "|[" E037 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E037
           MOVE E037 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(5).**|1000|" FITS "|[" E037 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E037
           MOVE E037 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(5).**|1000.01|" FITS "|[" E037 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E037
           MOVE E037 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(5).**|0.5|" FITS "|[" E037 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E037
           MOVE E037 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(5).**|-9999|" FITS "|[" E037 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E037
           MOVE E037 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(5).**|0.000123|" FITS "|[" E037 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E038
           MOVE E038 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-9(3)|0|" FITS "|[" E038 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E038
           MOVE E038 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-9(3)|1|" FITS "|[" E038 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E038
           MOVE E038 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-9(3)|-1|" FITS "|[" E038 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E038
           MOVE E038 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-9(3)|7|" FITS "|[" E038 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E038
           MOVE E038 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-9(3)|45|" FITS "|[" E038 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E038
           MOVE E038 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-9(3)|-45|" FITS "|[" E038 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E038
           MOVE E038 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-9(3)|123|" FITS "|[" E038 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E038
           MOVE E038 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-9(3)|-123|" FITS "|[" E038 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E038
           MOVE E038 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-9(3)|1234.5|" FITS "|[" E038 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E038
           MOVE E038 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-9(3)|-1234.5|" FITS "|[" E038 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E038
           MOVE E038 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-9(3)|0.05|" FITS "|[" E038 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E038
           MOVE E038 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-9(3)|-0.05|" FITS "|[" E038 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E038
           MOVE E038 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-9(3)|12345|" FITS "|[" E038 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E038
           MOVE E038 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-9(3)|99999.99|" FITS "|[" E038 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E038
           MOVE E038 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-9(3)|123456|" FITS "|[" E038 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E038
           MOVE E038 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-9(3)|100|" FITS "|[" E038 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E038
           MOVE E038 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-9(3)|1000|" FITS "|[" E038 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E038
           MOVE E038 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-9(3)|1000.01|" FITS "|[" E038 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E038
           MOVE E038 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-9(3)|0.5|" FITS "|[" E038 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E038
           MOVE E038 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-9(3)|-9999|" FITS "|[" E038 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E038
           MOVE E038 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-9(3)|0.000123|" FITS "|[" E038 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E039
           MOVE E039 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+9(3).99|0|" FITS "|[" E039 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E039
           MOVE E039 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+9(3).99|1|" FITS "|[" E039 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E039
           MOVE E039 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+9(3).99|-1|" FITS "|[" E039 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E039
           MOVE E039 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+9(3).99|7|" FITS "|[" E039 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E039
           MOVE E039 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+9(3).99|45|" FITS "|[" E039 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E039
           MOVE E039 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+9(3).99|-45|" FITS "|[" E039 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E039
           MOVE E039 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+9(3).99|123|" FITS "|[" E039 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E039
           MOVE E039 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+9(3).99|-123|" FITS "|[" E039 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E039
           MOVE E039 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+9(3).99|1234.5|" FITS "|[" E039 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E039
           MOVE E039 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+9(3).99|-1234.5|" FITS "|[" E039 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E039
           MOVE E039 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+9(3).99|0.05|" FITS "|[" E039 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E039
           MOVE E039 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+9(3).99|-0.05|" FITS "|[" E039 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E039
           MOVE E039 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+9(3).99|12345|" FITS "|[" E039 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E039
           MOVE E039 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+9(3).99|99999.99|" FITS "|[" E039 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E039
           MOVE E039 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+9(3).99|123456|" FITS "|[" E039 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E039
           MOVE E039 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+9(3).99|100|" FITS "|[" E039 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E039
           MOVE E039 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+9(3).99|1000|" FITS "|[" E039 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E039
           MOVE E039 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+9(3).99|1000.01|" FITS "|[" E039 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E039
           MOVE E039 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+9(3).99|0.5|" FITS "|[" E039 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E039
           MOVE E039 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+9(3).99|-9999|" FITS "|[" E039 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E039
           MOVE E039 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+9(3).99|0.000123|" FITS "|[" E039 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E040
           MOVE E040 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9V99|0|" FITS "|[" E040 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E040
           MOVE E040 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9V99|1|" FITS "|[" E040 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E040
           MOVE E040 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9V99|-1|" FITS "|[" E040 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E040
           MOVE E040 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9V99|7|" FITS "|[" E040 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E040
           MOVE E040 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9V99|45|" FITS "|[" E040 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E040
           MOVE E040 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9V99|-45|" FITS "|[" E040 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E040
           MOVE E040 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9V99|123|" FITS "|[" E040 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E040
           MOVE E040 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9V99|-123|" FITS "|[" E040 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E040
           MOVE E040 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9V99|1234.5|" FITS "|[" E040 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E040
           MOVE E040 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9V99|-1234.5|" FITS "|[" E040 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E040
           MOVE E040 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9V99|0.05|" FITS "|[" E040 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E040
           MOVE E040 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9V99|-0.05|" FITS "|[" E040 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E040
           MOVE E040 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9V99|12345|" FITS "|[" E040 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E040
           MOVE E040 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9V99|99999.99|" FITS "|[" E040 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E040
           MOVE E040 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9V99|123456|" FITS "|[" E040 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E040
           MOVE E040 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9V99|100|" FITS "|[" E040 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E040
           MOVE E040 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9V99|1000|" FITS "|[" E040 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E040
           MOVE E040 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9V99|1000.01|" FITS "|[" E040 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E040
           MOVE E040 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9V99|0.5|" FITS "|[" E040 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E040
           MOVE E040 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9V99|-9999|" FITS "|[" E040 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E040
           MOVE E040 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9V99|0.000123|" FITS "|[" E040 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E041
           MOVE E041 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99DB|0|" FITS "|[" E041 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E041
           MOVE E041 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99DB|1|" FITS "|[" E041 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E041
           MOVE E041 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99DB|-1|" FITS "|[" E041 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E041
           MOVE E041 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99DB|7|" FITS "|[" E041 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E041
           MOVE E041 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99DB|45|" FITS "|[" E041 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E041
           MOVE E041 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99DB|-45|" FITS "|[" E041 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E041
           MOVE E041 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99DB|123|" FITS "|[" E041 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E041
           MOVE E041 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99DB|-123|" FITS "|[" E041 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E041
           MOVE E041 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99DB|1234.5|" FITS "|[" E041 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E041
           MOVE E041 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99DB|-1234.5|" FITS "|[" E041 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E041
           MOVE E041 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99DB|0.05|" FITS "|[" E041 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E041
           MOVE E041 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99DB|-0.05|" FITS "|[" E041 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E041
           MOVE E041 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99DB|12345|" FITS "|[" E041 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E041
           MOVE E041 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99DB|99999.99|" FITS "|[" E041 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E041
           MOVE E041 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99DB|123456|" FITS "|[" E041 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E041
           MOVE E041 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99DB|100|" FITS "|[" E041 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E041
           MOVE E041 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99DB|1000|" FITS "|[" E041 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E041
           MOVE E041 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99DB|1000.01|" FITS "|[" E041 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E041
           MOVE E041 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99DB|0.5|" FITS "|[" E041 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E041
           MOVE E041 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99DB|-9999|" FITS "|[" E041 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E041
           MOVE E041 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99DB|0.000123|" FITS "|[" E041 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E042
           MOVE E042 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9,999|0|" FITS "|[" E042 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E042
           MOVE E042 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9,999|1|" FITS "|[" E042 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E042
           MOVE E042 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9,999|-1|" FITS "|[" E042 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E042
           MOVE E042 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9,999|7|" FITS "|[" E042 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E042
           MOVE E042 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9,999|45|" FITS "|[" E042 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E042
           MOVE E042 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9,999|-45|" FITS "|[" E042 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E042
           MOVE E042 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9,999|123|" FITS "|[" E042 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E042
           MOVE E042 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9,999|-123|" FITS "|[" E042 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E042
           MOVE E042 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9,999|1234.5|" FITS "|[" E042 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E042
           MOVE E042 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9,999|-1234.5|" FITS "|[" E042 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E042
           MOVE E042 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9,999|0.05|" FITS "|[" E042 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E042
           MOVE E042 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9,999|-0.05|" FITS "|[" E042 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E042
           MOVE E042 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9,999|12345|" FITS "|[" E042 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E042
           MOVE E042 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9,999|99999.99|" FITS "|[" E042 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E042
           MOVE E042 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9,999|123456|" FITS "|[" E042 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E042
           MOVE E042 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9,999|100|" FITS "|[" E042 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E042
           MOVE E042 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9,999|1000|" FITS "|[" E042 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E042
           MOVE E042 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9,999|1000.01|" FITS "|[" E042 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E042
           MOVE E042 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9,999|0.5|" FITS "|[" E042 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E042
           MOVE E042 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9,999|-9999|" FITS "|[" E042 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E042
           MOVE E042 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9,999|0.000123|" FITS "|[" E042 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E043
           MOVE E043 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZ9-|0|" FITS "|[" E043 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E043
           MOVE E043 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZ9-|1|" FITS "|[" E043 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E043
           MOVE E043 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZ9-|-1|" FITS "|[" E043 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E043
           MOVE E043 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZ9-|7|" FITS "|[" E043 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E043
           MOVE E043 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZ9-|45|" FITS "|[" E043 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E043
           MOVE E043 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZ9-|-45|" FITS "|[" E043 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E043
           MOVE E043 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZ9-|123|" FITS "|[" E043 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E043
           MOVE E043 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZ9-|-123|" FITS "|[" E043 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E043
           MOVE E043 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZ9-|1234.5|" FITS "|[" E043 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E043
           MOVE E043 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZ9-|-1234.5|" FITS "|[" E043 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E043
           MOVE E043 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZ9-|0.05|" FITS "|[" E043 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E043
           MOVE E043 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZ9-|-0.05|" FITS "|[" E043 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E043
           MOVE E043 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZ9-|12345|" FITS "|[" E043 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E043
           MOVE E043 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZ9-|99999.99|" FITS "|[" E043 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E043
           MOVE E043 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZ9-|123456|" FITS "|[" E043 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E043
           MOVE E043 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZ9-|100|" FITS "|[" E043 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E043
           MOVE E043 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZ9-|1000|" FITS "|[" E043 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E043
           MOVE E043 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZ9-|1000.01|" FITS "|[" E043 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E043
           MOVE E043 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZ9-|0.5|" FITS "|[" E043 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E043
           MOVE E043 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZ9-|-9999|" FITS "|[" E043 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E043
           MOVE E043 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZ9-|0.000123|" FITS "|[" E043 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E044
           MOVE E044 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$9(4).99|0|" FITS "|[" E044 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E044
           MOVE E044 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$9(4).99|1|" FITS "|[" E044 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E044
           MOVE E044 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$9(4).99|-1|" FITS "|[" E044 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E044
           MOVE E044 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$9(4).99|7|" FITS "|[" E044 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E044
           MOVE E044 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$9(4).99|45|" FITS "|[" E044 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E044
           MOVE E044 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$9(4).99|-45|" FITS "|[" E044 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E044
           MOVE E044 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$9(4).99|123|" FITS "|[" E044 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E044
           MOVE E044 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$9(4).99|-123|" FITS "|[" E044 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E044
           MOVE E044 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$9(4).99|1234.5|" FITS "|[" E044 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E044
           MOVE E044 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$9(4).99|-1234.5|" FITS "|[" E044 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E044
           MOVE E044 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$9(4).99|0.05|" FITS "|[" E044 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E044
           MOVE E044 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$9(4).99|-0.05|" FITS "|[" E044 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E044
           MOVE E044 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$9(4).99|12345|" FITS "|[" E044 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E044
           MOVE E044 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$9(4).99|99999.99|" FITS "|[" E044 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E044
           MOVE E044 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$9(4).99|123456|" FITS "|[" E044 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E044
           MOVE E044 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$9(4).99|100|" FITS "|[" E044 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E044
           MOVE E044 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$9(4).99|1000|" FITS "|[" E044 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E044
           MOVE E044 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$9(4).99|1000.01|" FITS "|[" E044 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E044
           MOVE E044 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$9(4).99|0.5|" FITS "|[" E044 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E044
           MOVE E044 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$9(4).99|-9999|" FITS "|[" E044 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E044
           MOVE E044 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$9(4).99|0.000123|" FITS "|[" E044 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E045
           MOVE E045 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZZ|0|" FITS "|[" E045 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E045
           MOVE E045 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZZ|1|" FITS "|[" E045 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E045
           MOVE E045 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZZ|-1|" FITS "|[" E045 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E045
           MOVE E045 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZZ|7|" FITS "|[" E045 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E045
           MOVE E045 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZZ|45|" FITS "|[" E045 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E045
           MOVE E045 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZZ|-45|" FITS "|[" E045 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E045
           MOVE E045 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZZ|123|" FITS "|[" E045 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E045
           MOVE E045 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZZ|-123|" FITS "|[" E045 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E045
           MOVE E045 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZZ|1234.5|" FITS "|[" E045 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E045
           MOVE E045 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZZ|-1234.5|" FITS "|[" E045 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E045
           MOVE E045 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZZ|0.05|" FITS "|[" E045 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E045
           MOVE E045 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZZ|-0.05|" FITS "|[" E045 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E045
           MOVE E045 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZZ|12345|" FITS "|[" E045 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E045
           MOVE E045 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZZ|99999.99|" FITS "|[" E045 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E045
           MOVE E045 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZZ|123456|" FITS "|[" E045 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E045
           MOVE E045 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZZ|100|" FITS "|[" E045 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E045
           MOVE E045 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZZ|1000|" FITS "|[" E045 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E045
           MOVE E045 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZZ|1000.01|" FITS "|[" E045 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E045
           MOVE E045 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZZ|0.5|" FITS "|[" E045 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E045
           MOVE E045 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZZ|-9999|" FITS "|[" E045 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E045
           MOVE E045 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZZ|0.000123|" FITS "|[" E045 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E046
           MOVE E046 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****.**|0|" FITS "|[" E046 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E046
           MOVE E046 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****.**|1|" FITS "|[" E046 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E046
           MOVE E046 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****.**|-1|" FITS "|[" E046 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E046
           MOVE E046 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****.**|7|" FITS "|[" E046 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E046
           MOVE E046 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****.**|45|" FITS "|[" E046 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E046
           MOVE E046 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****.**|-45|" FITS "|[" E046 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E046
           MOVE E046 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****.**|123|" FITS "|[" E046 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E046
           MOVE E046 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****.**|-123|" FITS "|[" E046 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E046
           MOVE E046 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****.**|1234.5|" FITS "|[" E046 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E046
           MOVE E046 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****.**|-1234.5|" FITS "|[" E046 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E046
           MOVE E046 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****.**|0.05|" FITS "|[" E046 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E046
           MOVE E046 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****.**|-0.05|" FITS "|[" E046 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E046
           MOVE E046 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****.**|12345|" FITS "|[" E046 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E046
           MOVE E046 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****.**|99999.99|" FITS "|[" E046 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E046
           MOVE E046 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****.**|123456|" FITS "|[" E046 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E046
           MOVE E046 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****.**|100|" FITS "|[" E046 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E046
           MOVE E046 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****.**|1000|" FITS "|[" E046 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E046
           MOVE E046 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****.**|1000.01|" FITS "|[" E046 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E046
           MOVE E046 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****.**|0.5|" FITS "|[" E046 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E046
           MOVE E046 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****.**|-9999|" FITS "|[" E046 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E046
           MOVE E046 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****.**|0.000123|" FITS "|[" E046 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E047
           MOVE E047 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---.99|0|" FITS "|[" E047 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E047
           MOVE E047 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---.99|1|" FITS "|[" E047 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E047
           MOVE E047 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---.99|-1|" FITS "|[" E047 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E047
           MOVE E047 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---.99|7|" FITS "|[" E047 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E047
           MOVE E047 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---.99|45|" FITS "|[" E047 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E047
           MOVE E047 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---.99|-45|" FITS "|[" E047 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E047
           MOVE E047 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---.99|123|" FITS "|[" E047 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E047
           MOVE E047 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---.99|-123|" FITS "|[" E047 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E047
           MOVE E047 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---.99|1234.5|" FITS "|[" E047 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E047
           MOVE E047 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---.99|-1234.5|" FITS "|[" E047 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E047
           MOVE E047 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---.99|0.05|" FITS "|[" E047 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E047
           MOVE E047 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---.99|-0.05|" FITS "|[" E047 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E047
           MOVE E047 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---.99|12345|" FITS "|[" E047 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E047
           MOVE E047 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---.99|99999.99|" FITS "|[" E047 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E047
           MOVE E047 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---.99|123456|" FITS "|[" E047 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E047
           MOVE E047 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---.99|100|" FITS "|[" E047 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E047
           MOVE E047 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---.99|1000|" FITS "|[" E047 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E047
           MOVE E047 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---.99|1000.01|" FITS "|[" E047 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E047
           MOVE E047 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---.99|0.5|" FITS "|[" E047 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E047
           MOVE E047 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---.99|-9999|" FITS "|[" E047 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E047
           MOVE E047 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---.99|0.000123|" FITS "|[" E047 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E048
           MOVE E048 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++.++|0|" FITS "|[" E048 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E048
           MOVE E048 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++.++|1|" FITS "|[" E048 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E048
           MOVE E048 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++.++|-1|" FITS "|[" E048 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E048
           MOVE E048 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++.++|7|" FITS "|[" E048 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E048
           MOVE E048 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++.++|45|" FITS "|[" E048 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E048
           MOVE E048 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++.++|-45|" FITS "|[" E048 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E048
           MOVE E048 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++.++|123|" FITS "|[" E048 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E048
           MOVE E048 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++.++|-123|" FITS "|[" E048 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E048
           MOVE E048 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++.++|1234.5|" FITS "|[" E048 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E048
           MOVE E048 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++.++|-1234.5|" FITS "|[" E048 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E048
           MOVE E048 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++.++|0.05|" FITS "|[" E048 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E048
           MOVE E048 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++.++|-0.05|" FITS "|[" E048 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E048
           MOVE E048 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++.++|12345|" FITS "|[" E048 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E048
           MOVE E048 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++.++|99999.99|" FITS "|[" E048 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E048
           MOVE E048 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++.++|123456|" FITS "|[" E048 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E048
           MOVE E048 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++.++|100|" FITS "|[" E048 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E048
           MOVE E048 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++.++|1000|" FITS "|[" E048 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E048
           MOVE E048 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++.++|1000.01|" FITS "|[" E048 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E048
           MOVE E048 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++.++|0.5|" FITS "|[" E048 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E048
           MOVE E048 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++.++|-9999|" FITS "|[" E048 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E048
           MOVE E048 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++.++|0.000123|" FITS "|[" E048 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E049
           MOVE E049 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$$|0|" FITS "|[" E049 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E049
           MOVE E049 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$$|1|" FITS "|[" E049 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E049
           MOVE E049 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$$|-1|" FITS "|[" E049 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E049
           MOVE E049 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$$|7|" FITS "|[" E049 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E049
           MOVE E049 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$$|45|" FITS "|[" E049 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E049
           MOVE E049 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$$|-45|" FITS "|[" E049 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E049
           MOVE E049 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$$|123|" FITS "|[" E049 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E049
           MOVE E049 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$$|-123|" FITS "|[" E049 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E049
           MOVE E049 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$$|1234.5|" FITS "|[" E049 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E049
           MOVE E049 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$$|-1234.5|" FITS "|[" E049 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E049
           MOVE E049 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$$|0.05|" FITS "|[" E049 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E049
           MOVE E049 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$$|-0.05|" FITS "|[" E049 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E049
           MOVE E049 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$$|12345|" FITS "|[" E049 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E049
           MOVE E049 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$$|99999.99|" FITS "|[" E049 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E049
           MOVE E049 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$$|123456|" FITS "|[" E049 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E049
           MOVE E049 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$$|100|" FITS "|[" E049 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E049
           MOVE E049 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$$|1000|" FITS "|[" E049 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E049
           MOVE E049 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$$|1000.01|" FITS "|[" E049 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E049
           MOVE E049 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$$|0.5|" FITS "|[" E049 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E049
           MOVE E049 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$$|-9999|" FITS "|[" E049 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E049
           MOVE E049 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$,$$$|0.000123|" FITS "|[" E049 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E050
           MOVE E050 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(5)9|0|" FITS "|[" E050 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E050
           MOVE E050 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(5)9|1|" FITS "|[" E050 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E050
           MOVE E050 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(5)9|-1|" FITS "|[" E050 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E050
           MOVE E050 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(5)9|7|" FITS "|[" E050 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E050
           MOVE E050 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(5)9|45|" FITS "|[" E050 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E050
           MOVE E050 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(5)9|-45|" FITS "|[" E050 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E050
           MOVE E050 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(5)9|123|" FITS "|[" E050 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E050
           MOVE E050 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(5)9|-123|" FITS "|[" E050 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E050
           MOVE E050 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(5)9|1234.5|" FITS "|[" E050 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E050
           MOVE E050 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(5)9|-1234.5|" FITS "|[" E050 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E050
           MOVE E050 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(5)9|0.05|" FITS "|[" E050 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E050
           MOVE E050 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(5)9|-0.05|" FITS "|[" E050 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E050
           MOVE E050 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(5)9|12345|" FITS "|[" E050 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E050
           MOVE E050 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(5)9|99999.99|" FITS "|[" E050 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E050
           MOVE E050 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(5)9|123456|" FITS "|[" E050 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E050
           MOVE E050 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(5)9|100|" FITS "|[" E050 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E050
           MOVE E050 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(5)9|1000|" FITS "|[" E050 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E050
           MOVE E050 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(5)9|1000.01|" FITS "|[" E050 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E050
           MOVE E050 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(5)9|0.5|" FITS "|[" E050 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E050
           MOVE E050 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(5)9|-9999|" FITS "|[" E050 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E050
           MOVE E050 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(5)9|0.000123|" FITS "|[" E050 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E051
           MOVE E051 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***9|0|" FITS "|[" E051 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E051
           MOVE E051 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***9|1|" FITS "|[" E051 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E051
           MOVE E051 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***9|-1|" FITS "|[" E051 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E051
           MOVE E051 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***9|7|" FITS "|[" E051 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E051
           MOVE E051 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***9|45|" FITS "|[" E051 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E051
           MOVE E051 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***9|-45|" FITS "|[" E051 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E051
           MOVE E051 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***9|123|" FITS "|[" E051 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E051
           MOVE E051 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***9|-123|" FITS "|[" E051 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E051
           MOVE E051 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***9|1234.5|" FITS "|[" E051 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E051
           MOVE E051 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***9|-1234.5|" FITS "|[" E051 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E051
           MOVE E051 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***9|0.05|" FITS "|[" E051 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E051
           MOVE E051 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***9|-0.05|" FITS "|[" E051 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E051
           MOVE E051 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***9|12345|" FITS "|[" E051 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E051
           MOVE E051 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***9|99999.99|" FITS "|[" E051 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E051
           MOVE E051 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***9|123456|" FITS "|[" E051 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E051
           MOVE E051 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***9|100|" FITS "|[" E051 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E051
           MOVE E051 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***9|1000|" FITS "|[" E051 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E051
           MOVE E051 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***9|1000.01|" FITS "|[" E051 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E051
           MOVE E051 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***9|0.5|" FITS "|[" E051 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E051
           MOVE E051 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***9|-9999|" FITS "|[" E051 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E051
           MOVE E051 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "***9|0.000123|" FITS "|[" E051 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E052
           MOVE E052 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(4)|0|" FITS "|[" E052 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E052
           MOVE E052 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(4)|1|" FITS "|[" E052 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E052
           MOVE E052 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(4)|-1|" FITS "|[" E052 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E052
           MOVE E052 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(4)|7|" FITS "|[" E052 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E052
           MOVE E052 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(4)|45|" FITS "|[" E052 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E052
           MOVE E052 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(4)|-45|" FITS "|[" E052 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E052
           MOVE E052 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(4)|123|" FITS "|[" E052 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E052
           MOVE E052 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(4)|-123|" FITS "|[" E052 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E052
           MOVE E052 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(4)|1234.5|" FITS "|[" E052 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E052
           MOVE E052 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(4)|-1234.5|" FITS "|[" E052 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E052
           MOVE E052 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(4)|0.05|" FITS "|[" E052 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E052
           MOVE E052 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(4)|-0.05|" FITS "|[" E052 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E052
           MOVE E052 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(4)|12345|" FITS "|[" E052 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E052
           MOVE E052 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(4)|99999.99|" FITS "|[" E052 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E052
           MOVE E052 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(4)|123456|" FITS "|[" E052 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E052
           MOVE E052 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(4)|100|" FITS "|[" E052 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E052
           MOVE E052 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(4)|1000|" FITS "|[" E052 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E052
           MOVE E052 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(4)|1000.01|" FITS "|[" E052 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E052
           MOVE E052 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(4)|0.5|" FITS "|[" E052 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E052
           MOVE E052 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(4)|-9999|" FITS "|[" E052 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E052
           MOVE E052 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-(4)|0.000123|" FITS "|[" E052 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E053
           MOVE E053 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9PP|0|" FITS "|[" E053 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E053
           MOVE E053 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9PP|1|" FITS "|[" E053 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E053
           MOVE E053 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9PP|-1|" FITS "|[" E053 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E053
           MOVE E053 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9PP|7|" FITS "|[" E053 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E053
           MOVE E053 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9PP|45|" FITS "|[" E053 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E053
           MOVE E053 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9PP|-45|" FITS "|[" E053 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E053
           MOVE E053 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9PP|123|" FITS "|[" E053 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E053
           MOVE E053 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9PP|-123|" FITS "|[" E053 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E053
           MOVE E053 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9PP|1234.5|" FITS "|[" E053 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E053
           MOVE E053 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9PP|-1234.5|" FITS "|[" E053 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E053
           MOVE E053 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9PP|0.05|" FITS "|[" E053 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E053
           MOVE E053 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9PP|-0.05|" FITS "|[" E053 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E053
           MOVE E053 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9PP|12345|" FITS "|[" E053 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E053
           MOVE E053 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9PP|99999.99|" FITS "|[" E053 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E053
           MOVE E053 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9PP|123456|" FITS "|[" E053 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E053
           MOVE E053 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9PP|100|" FITS "|[" E053 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E053
           MOVE E053 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9PP|1000|" FITS "|[" E053 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E053
           MOVE E053 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9PP|1000.01|" FITS "|[" E053 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E053
           MOVE E053 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9PP|0.5|" FITS "|[" E053 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E053
           MOVE E053 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9PP|-9999|" FITS "|[" E053 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E053
           MOVE E053 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9PP|0.000123|" FITS "|[" E053 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E054
           MOVE E054 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$9.99|0|" FITS "|[" E054 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E054
           MOVE E054 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$9.99|1|" FITS "|[" E054 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E054
           MOVE E054 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$9.99|-1|" FITS "|[" E054 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E054
           MOVE E054 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$9.99|7|" FITS "|[" E054 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E054
           MOVE E054 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$9.99|45|" FITS "|[" E054 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E054
           MOVE E054 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$9.99|-45|" FITS "|[" E054 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E054
           MOVE E054 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$9.99|123|" FITS "|[" E054 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E054
           MOVE E054 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$9.99|-123|" FITS "|[" E054 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E054
           MOVE E054 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$9.99|1234.5|" FITS "|[" E054 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E054
           MOVE E054 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$9.99|-1234.5|" FITS "|[" E054 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E054
           MOVE E054 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$9.99|0.05|" FITS "|[" E054 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E054
           MOVE E054 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$9.99|-0.05|" FITS "|[" E054 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E054
           MOVE E054 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$9.99|12345|" FITS "|[" E054 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E054
           MOVE E054 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$9.99|99999.99|" FITS "|[" E054 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E054
           MOVE E054 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$9.99|123456|" FITS "|[" E054 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E054
           MOVE E054 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$9.99|100|" FITS "|[" E054 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E054
           MOVE E054 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$9.99|1000|" FITS "|[" E054 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E054
           MOVE E054 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$9.99|1000.01|" FITS "|[" E054 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E054
           MOVE E054 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$9.99|0.5|" FITS "|[" E054 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E054
           MOVE E054 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$9.99|-9999|" FITS "|[" E054 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E054
           MOVE E054 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$9.99|0.000123|" FITS "|[" E054 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E055
           MOVE E055 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZZ.ZZ|0|" FITS "|[" E055 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E055
           MOVE E055 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZZ.ZZ|1|" FITS "|[" E055 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E055
           MOVE E055 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZZ.ZZ|-1|" FITS "|[" E055 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E055
           MOVE E055 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZZ.ZZ|7|" FITS "|[" E055 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E055
           MOVE E055 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZZ.ZZ|45|" FITS "|[" E055 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E055
           MOVE E055 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZZ.ZZ|-45|" FITS "|[" E055 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E055
           MOVE E055 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZZ.ZZ|123|" FITS "|[" E055 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E055
           MOVE E055 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZZ.ZZ|-123|" FITS "|[" E055 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E055
           MOVE E055 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZZ.ZZ|1234.5|" FITS "|[" E055 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E055
           MOVE E055 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZZ.ZZ|-1234.5|" FITS "|[" E055 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E055
           MOVE E055 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZZ.ZZ|0.05|" FITS "|[" E055 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E055
           MOVE E055 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZZ.ZZ|-0.05|" FITS "|[" E055 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E055
           MOVE E055 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZZ.ZZ|12345|" FITS "|[" E055 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E055
           MOVE E055 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZZ.ZZ|99999.99|" FITS "|[" E055 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E055
           MOVE E055 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZZ.ZZ|123456|" FITS "|[" E055 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E055
           MOVE E055 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZZ.ZZ|100|" FITS "|[" E055 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E055
           MOVE E055 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZZ.ZZ|1000|" FITS "|[" E055 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E055
           MOVE E055 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZZ.ZZ|1000.01|" FITS "|[" E055 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E055
           MOVE E055 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZZ.ZZ|0.5|" FITS "|[" E055 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E055
           MOVE E055 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZZ.ZZ|-9999|" FITS "|[" E055 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E055
           MOVE E055 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZZ.ZZ|0.000123|" FITS "|[" E055 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E056
           MOVE E056 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$$|0|" FITS "|[" E056 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E056
           MOVE E056 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$$|1|" FITS "|[" E056 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E056
           MOVE E056 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$$|-1|" FITS "|[" E056 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E056
           MOVE E056 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$$|7|" FITS "|[" E056 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E056
           MOVE E056 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$$|45|" FITS "|[" E056 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E056
           MOVE E056 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$$|-45|" FITS "|[" E056 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E056
           MOVE E056 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$$|123|" FITS "|[" E056 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E056
           MOVE E056 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$$|-123|" FITS "|[" E056 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E056
           MOVE E056 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$$|1234.5|" FITS "|[" E056 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E056
           MOVE E056 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$$|-1234.5|" FITS "|[" E056 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E056
           MOVE E056 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$$|0.05|" FITS "|[" E056 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E056
           MOVE E056 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$$|-0.05|" FITS "|[" E056 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E056
           MOVE E056 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$$|12345|" FITS "|[" E056 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E056
           MOVE E056 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$$|99999.99|" FITS "|[" E056 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E056
           MOVE E056 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$$|123456|" FITS "|[" E056 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E056
           MOVE E056 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$$|100|" FITS "|[" E056 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E056
           MOVE E056 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$$|1000|" FITS "|[" E056 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E056
           MOVE E056 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$$|1000.01|" FITS "|[" E056 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E056
           MOVE E056 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$$|0.5|" FITS "|[" E056 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E056
           MOVE E056 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$$|-9999|" FITS "|[" E056 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E056
           MOVE E056 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$$|0.000123|" FITS "|[" E056 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E057
           MOVE E057 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99.99-|0|" FITS "|[" E057 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E057
           MOVE E057 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99.99-|1|" FITS "|[" E057 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E057
           MOVE E057 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99.99-|-1|" FITS "|[" E057 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E057
           MOVE E057 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99.99-|7|" FITS "|[" E057 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E057
           MOVE E057 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99.99-|45|" FITS "|[" E057 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E057
           MOVE E057 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99.99-|-45|" FITS "|[" E057 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E057
           MOVE E057 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99.99-|123|" FITS "|[" E057 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E057
           MOVE E057 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99.99-|-123|" FITS "|[" E057 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E057
           MOVE E057 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99.99-|1234.5|" FITS "|[" E057 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E057
           MOVE E057 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99.99-|-1234.5|" FITS "|[" E057 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E057
           MOVE E057 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99.99-|0.05|" FITS "|[" E057 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E057
           MOVE E057 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99.99-|-0.05|" FITS "|[" E057 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E057
           MOVE E057 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99.99-|12345|" FITS "|[" E057 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E057
           MOVE E057 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99.99-|99999.99|" FITS "|[" E057 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E057
           MOVE E057 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99.99-|123456|" FITS "|[" E057 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E057
           MOVE E057 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99.99-|100|" FITS "|[" E057 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E057
           MOVE E057 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99.99-|1000|" FITS "|[" E057 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E057
           MOVE E057 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99.99-|1000.01|" FITS "|[" E057 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E057
           MOVE E057 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99.99-|0.5|" FITS "|[" E057 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E057
           MOVE E057 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99.99-|-9999|" FITS "|[" E057 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E057
           MOVE E057 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "99.99-|0.000123|" FITS "|[" E057 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E058
           MOVE E058 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9B9B9|0|" FITS "|[" E058 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E058
           MOVE E058 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9B9B9|1|" FITS "|[" E058 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E058
           MOVE E058 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9B9B9|-1|" FITS "|[" E058 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E058
           MOVE E058 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9B9B9|7|" FITS "|[" E058 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E058
           MOVE E058 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9B9B9|45|" FITS "|[" E058 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E058
           MOVE E058 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9B9B9|-45|" FITS "|[" E058 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E058
           MOVE E058 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9B9B9|123|" FITS "|[" E058 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E058
           MOVE E058 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9B9B9|-123|" FITS "|[" E058 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E058
           MOVE E058 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9B9B9|1234.5|" FITS "|[" E058 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E058
           MOVE E058 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9B9B9|-1234.5|" FITS "|[" E058 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E058
           MOVE E058 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9B9B9|0.05|" FITS "|[" E058 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E058
           MOVE E058 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9B9B9|-0.05|" FITS "|[" E058 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E058
           MOVE E058 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9B9B9|12345|" FITS "|[" E058 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E058
           MOVE E058 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9B9B9|99999.99|" FITS "|[" E058 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E058
           MOVE E058 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9B9B9|123456|" FITS "|[" E058 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E058
           MOVE E058 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9B9B9|100|" FITS "|[" E058 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E058
           MOVE E058 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9B9B9|1000|" FITS "|[" E058 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E058
           MOVE E058 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9B9B9|1000.01|" FITS "|[" E058 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E058
           MOVE E058 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9B9B9|0.5|" FITS "|[" E058 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E058
           MOVE E058 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9B9B9|-9999|" FITS "|[" E058 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E058
           MOVE E058 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9B9B9|0.000123|" FITS "|[" E058 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E059
           MOVE E059 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ/99|0|" FITS "|[" E059 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E059
           MOVE E059 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ/99|1|" FITS "|[" E059 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E059
           MOVE E059 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ/99|-1|" FITS "|[" E059 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E059
           MOVE E059 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ/99|7|" FITS "|[" E059 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E059
           MOVE E059 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ/99|45|" FITS "|[" E059 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E059
           MOVE E059 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ/99|-45|" FITS "|[" E059 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E059
           MOVE E059 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ/99|123|" FITS "|[" E059 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E059
           MOVE E059 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ/99|-123|" FITS "|[" E059 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E059
           MOVE E059 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ/99|1234.5|" FITS "|[" E059 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E059
           MOVE E059 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ/99|-1234.5|" FITS "|[" E059 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E059
           MOVE E059 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ/99|0.05|" FITS "|[" E059 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E059
           MOVE E059 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ/99|-0.05|" FITS "|[" E059 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E059
           MOVE E059 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ/99|12345|" FITS "|[" E059 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E059
           MOVE E059 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ/99|99999.99|" FITS "|[" E059 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E059
           MOVE E059 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ/99|123456|" FITS "|[" E059 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E059
           MOVE E059 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ/99|100|" FITS "|[" E059 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E059
           MOVE E059 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ/99|1000|" FITS "|[" E059 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E059
           MOVE E059 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ/99|1000.01|" FITS "|[" E059 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E059
           MOVE E059 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ/99|0.5|" FITS "|[" E059 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E059
           MOVE E059 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ/99|-9999|" FITS "|[" E059 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E059
           MOVE E059 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ/99|0.000123|" FITS "|[" E059 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E060
           MOVE E060 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**/99|0|" FITS "|[" E060 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E060
           MOVE E060 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**/99|1|" FITS "|[" E060 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E060
           MOVE E060 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**/99|-1|" FITS "|[" E060 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E060
           MOVE E060 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**/99|7|" FITS "|[" E060 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E060
           MOVE E060 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**/99|45|" FITS "|[" E060 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E060
           MOVE E060 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**/99|-45|" FITS "|[" E060 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E060
           MOVE E060 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**/99|123|" FITS "|[" E060 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E060
           MOVE E060 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**/99|-123|" FITS "|[" E060 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E060
           MOVE E060 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**/99|1234.5|" FITS "|[" E060 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E060
           MOVE E060 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**/99|-1234.5|" FITS "|[" E060 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E060
           MOVE E060 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**/99|0.05|" FITS "|[" E060 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E060
           MOVE E060 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**/99|-0.05|" FITS "|[" E060 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E060
           MOVE E060 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**/99|12345|" FITS "|[" E060 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E060
           MOVE E060 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**/99|99999.99|" FITS "|[" E060 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E060
           MOVE E060 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**/99|123456|" FITS "|[" E060 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E060
           MOVE E060 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**/99|100|" FITS "|[" E060 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E060
           MOVE E060 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**/99|1000|" FITS "|[" E060 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E060
           MOVE E060 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**/99|1000.01|" FITS "|[" E060 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E060
           MOVE E060 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**/99|0.5|" FITS "|[" E060 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E060
           MOVE E060 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**/99|-9999|" FITS "|[" E060 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E060
           MOVE E060 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**/99|0.000123|" FITS "|[" E060 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E061
           MOVE E061 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$/$$/99|0|" FITS "|[" E061 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E061
           MOVE E061 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$/$$/99|1|" FITS "|[" E061 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E061
           MOVE E061 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$/$$/99|-1|" FITS "|[" E061 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E061
           MOVE E061 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$/$$/99|7|" FITS "|[" E061 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E061
           MOVE E061 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$/$$/99|45|" FITS "|[" E061 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E061
           MOVE E061 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$/$$/99|-45|" FITS "|[" E061 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E061
           MOVE E061 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$/$$/99|123|" FITS "|[" E061 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E061
           MOVE E061 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$/$$/99|-123|" FITS "|[" E061 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E061
           MOVE E061 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$/$$/99|1234.5|" FITS "|[" E061 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E061
           MOVE E061 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$/$$/99|-1234.5|" FITS "|[" E061 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E061
           MOVE E061 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$/$$/99|0.05|" FITS "|[" E061 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E061
           MOVE E061 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$/$$/99|-0.05|" FITS "|[" E061 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E061
           MOVE E061 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$/$$/99|12345|" FITS "|[" E061 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E061
           MOVE E061 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$/$$/99|99999.99|" FITS "|[" E061 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E061
           MOVE E061 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$/$$/99|123456|" FITS "|[" E061 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E061
           MOVE E061 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$/$$/99|100|" FITS "|[" E061 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E061
           MOVE E061 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$/$$/99|1000|" FITS "|[" E061 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E061
           MOVE E061 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$/$$/99|1000.01|" FITS "|[" E061 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E061
           MOVE E061 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$/$$/99|0.5|" FITS "|[" E061 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E061
           MOVE E061 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$/$$/99|-9999|" FITS "|[" E061 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E061
           MOVE E061 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$/$$/99|0.000123|" FITS "|[" E061 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E062
           MOVE E062 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++/++/99|0|" FITS "|[" E062 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E062
           MOVE E062 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++/++/99|1|" FITS "|[" E062 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E062
           MOVE E062 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++/++/99|-1|" FITS "|[" E062 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E062
           MOVE E062 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++/++/99|7|" FITS "|[" E062 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E062
           MOVE E062 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++/++/99|45|" FITS "|[" E062 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E062
           MOVE E062 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++/++/99|-45|" FITS "|[" E062 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E062
           MOVE E062 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++/++/99|123|" FITS "|[" E062 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E062
           MOVE E062 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++/++/99|-123|" FITS "|[" E062 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E062
           MOVE E062 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++/++/99|1234.5|" FITS "|[" E062 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E062
           MOVE E062 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++/++/99|-1234.5|" FITS "|[" E062 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E062
           MOVE E062 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++/++/99|0.05|" FITS "|[" E062 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E062
           MOVE E062 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++/++/99|-0.05|" FITS "|[" E062 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E062
           MOVE E062 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++/++/99|12345|" FITS "|[" E062 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E062
           MOVE E062 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++/++/99|99999.99|" FITS "|[" E062 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E062
           MOVE E062 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++/++/99|123456|" FITS "|[" E062 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E062
           MOVE E062 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++/++/99|100|" FITS "|[" E062 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E062
           MOVE E062 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++/++/99|1000|" FITS "|[" E062 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E062
           MOVE E062 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++/++/99|1000.01|" FITS "|[" E062 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E062
           MOVE E062 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++/++/99|0.5|" FITS "|[" E062 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E062
           MOVE E062 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++/++/99|-9999|" FITS "|[" E062 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E062
           MOVE E062 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++/++/99|0.000123|" FITS "|[" E062 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E063
           MOVE E063 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$,$$$,$$9|0|" FITS "|[" E063 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E063
           MOVE E063 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$,$$$,$$9|1|" FITS "|[" E063 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E063
           MOVE E063 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$,$$$,$$9|-1|" FITS "|[" E063 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E063
           MOVE E063 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$,$$$,$$9|7|" FITS "|[" E063 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E063
           MOVE E063 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$,$$$,$$9|45|" FITS "|[" E063 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E063
           MOVE E063 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$,$$$,$$9|-45|" FITS "|[" E063 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E063
           MOVE E063 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$,$$$,$$9|123|" FITS "|[" E063 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E063
           MOVE E063 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$,$$$,$$9|-123|" FITS "|[" E063 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E063
           MOVE E063 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$,$$$,$$9|1234.5|" FITS "|[" E063 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E063
           MOVE E063 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$,$$$,$$9|-1234.5|" FITS "|[" E063 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E063
           MOVE E063 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$,$$$,$$9|0.05|" FITS "|[" E063 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E063
           MOVE E063 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$,$$$,$$9|-0.05|" FITS "|[" E063 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E063
           MOVE E063 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$,$$$,$$9|12345|" FITS "|[" E063 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E063
           MOVE E063 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$,$$$,$$9|99999.99|" FITS "|[" E063 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E063
           MOVE E063 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$,$$$,$$9|123456|" FITS "|[" E063 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E063
           MOVE E063 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$,$$$,$$9|100|" FITS "|[" E063 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E063
           MOVE E063 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$,$$$,$$9|1000|" FITS "|[" E063 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E063
           MOVE E063 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$,$$$,$$9|1000.01|" FITS "|[" E063 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E063
           MOVE E063 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$,$$$,$$9|0.5|" FITS "|[" E063 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E063
           MOVE E063 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$,$$$,$$9|-9999|" FITS "|[" E063 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E063
           MOVE E063 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$,$$$,$$9|0.000123|" FITS "|[" E063 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E064
           MOVE E064 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ9.99+|0|" FITS "|[" E064 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E064
           MOVE E064 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ9.99+|1|" FITS "|[" E064 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E064
           MOVE E064 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ9.99+|-1|" FITS "|[" E064 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E064
           MOVE E064 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ9.99+|7|" FITS "|[" E064 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E064
           MOVE E064 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ9.99+|45|" FITS "|[" E064 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E064
           MOVE E064 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ9.99+|-45|" FITS "|[" E064 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E064
           MOVE E064 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ9.99+|123|" FITS "|[" E064 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E064
           MOVE E064 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ9.99+|-123|" FITS "|[" E064 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E064
           MOVE E064 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ9.99+|1234.5|" FITS "|[" E064 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E064
           MOVE E064 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ9.99+|-1234.5|" FITS "|[" E064 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E064
           MOVE E064 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ9.99+|0.05|" FITS "|[" E064 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E064
           MOVE E064 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ9.99+|-0.05|" FITS "|[" E064 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E064
           MOVE E064 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ9.99+|12345|" FITS "|[" E064 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E064
           MOVE E064 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ9.99+|99999.99|" FITS "|[" E064 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E064
           MOVE E064 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ9.99+|123456|" FITS "|[" E064 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E064
           MOVE E064 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ9.99+|100|" FITS "|[" E064 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E064
           MOVE E064 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ9.99+|1000|" FITS "|[" E064 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E064
           MOVE E064 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ9.99+|1000.01|" FITS "|[" E064 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E064
           MOVE E064 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ9.99+|0.5|" FITS "|[" E064 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E064
           MOVE E064 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ9.99+|-9999|" FITS "|[" E064 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E064
           MOVE E064 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ9.99+|0.000123|" FITS "|[" E064 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E065
           MOVE E065 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ9|0|" FITS "|[" E065 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E065
           MOVE E065 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ9|1|" FITS "|[" E065 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E065
           MOVE E065 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ9|-1|" FITS "|[" E065 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E065
           MOVE E065 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ9|7|" FITS "|[" E065 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E065
           MOVE E065 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ9|45|" FITS "|[" E065 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E065
           MOVE E065 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ9|-45|" FITS "|[" E065 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E065
           MOVE E065 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ9|123|" FITS "|[" E065 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E065
           MOVE E065 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ9|-123|" FITS "|[" E065 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E065
           MOVE E065 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ9|1234.5|" FITS "|[" E065 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E065
           MOVE E065 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ9|-1234.5|" FITS "|[" E065 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E065
           MOVE E065 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ9|0.05|" FITS "|[" E065 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E065
           MOVE E065 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ9|-0.05|" FITS "|[" E065 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E065
           MOVE E065 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ9|12345|" FITS "|[" E065 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E065
           MOVE E065 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ9|99999.99|" FITS "|[" E065 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E065
           MOVE E065 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ9|123456|" FITS "|[" E065 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E065
           MOVE E065 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ9|100|" FITS "|[" E065 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E065
           MOVE E065 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ9|1000|" FITS "|[" E065 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E065
           MOVE E065 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ9|1000.01|" FITS "|[" E065 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E065
           MOVE E065 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ9|0.5|" FITS "|[" E065 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E065
           MOVE E065 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ9|-9999|" FITS "|[" E065 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E065
           MOVE E065 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ9|0.000123|" FITS "|[" E065 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E066
           MOVE E066 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**0**9|0|" FITS "|[" E066 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E066
           MOVE E066 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**0**9|1|" FITS "|[" E066 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E066
           MOVE E066 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**0**9|-1|" FITS "|[" E066 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E066
           MOVE E066 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**0**9|7|" FITS "|[" E066 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E066
           MOVE E066 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**0**9|45|" FITS "|[" E066 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E066
           MOVE E066 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**0**9|-45|" FITS "|[" E066 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E066
           MOVE E066 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**0**9|123|" FITS "|[" E066 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E066
           MOVE E066 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**0**9|-123|" FITS "|[" E066 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E066
           MOVE E066 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**0**9|1234.5|" FITS "|[" E066 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E066
           MOVE E066 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**0**9|-1234.5|" FITS "|[" E066 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E066
           MOVE E066 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**0**9|0.05|" FITS "|[" E066 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E066
           MOVE E066 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**0**9|-0.05|" FITS "|[" E066 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E066
           MOVE E066 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**0**9|12345|" FITS "|[" E066 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E066
           MOVE E066 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**0**9|99999.99|" FITS "|[" E066 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E066
           MOVE E066 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**0**9|123456|" FITS "|[" E066 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E066
           MOVE E066 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**0**9|100|" FITS "|[" E066 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E066
           MOVE E066 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**0**9|1000|" FITS "|[" E066 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E066
           MOVE E066 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**0**9|1000.01|" FITS "|[" E066 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E066
           MOVE E066 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**0**9|0.5|" FITS "|[" E066 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E066
           MOVE E066 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**0**9|-9999|" FITS "|[" E066 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E066
           MOVE E066 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**0**9|0.000123|" FITS "|[" E066 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E067
           MOVE E067 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$0$$9|0|" FITS "|[" E067 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E067
           MOVE E067 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$0$$9|1|" FITS "|[" E067 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E067
           MOVE E067 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$0$$9|-1|" FITS "|[" E067 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E067
           MOVE E067 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$0$$9|7|" FITS "|[" E067 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E067
           MOVE E067 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$0$$9|45|" FITS "|[" E067 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E067
           MOVE E067 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$0$$9|-45|" FITS "|[" E067 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E067
           MOVE E067 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$0$$9|123|" FITS "|[" E067 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E067
           MOVE E067 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$0$$9|-123|" FITS "|[" E067 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E067
           MOVE E067 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$0$$9|1234.5|" FITS "|[" E067 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E067
           MOVE E067 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$0$$9|-1234.5|" FITS "|[" E067 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E067
           MOVE E067 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$0$$9|0.05|" FITS "|[" E067 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E067
           MOVE E067 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$0$$9|-0.05|" FITS "|[" E067 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E067
           MOVE E067 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$0$$9|12345|" FITS "|[" E067 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E067
           MOVE E067 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$0$$9|99999.99|" FITS "|[" E067 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E067
           MOVE E067 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$0$$9|123456|" FITS "|[" E067 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E067
           MOVE E067 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$0$$9|100|" FITS "|[" E067 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E067
           MOVE E067 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$0$$9|1000|" FITS "|[" E067 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E067
           MOVE E067 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$0$$9|1000.01|" FITS "|[" E067 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E067
           MOVE E067 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$0$$9|0.5|" FITS "|[" E067 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E067
           MOVE E067 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$0$$9|-9999|" FITS "|[" E067 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E067
           MOVE E067 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$0$$9|0.000123|" FITS "|[" E067 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E068
           MOVE E068 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++0++9|0|" FITS "|[" E068 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E068
           MOVE E068 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++0++9|1|" FITS "|[" E068 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E068
           MOVE E068 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++0++9|-1|" FITS "|[" E068 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E068
           MOVE E068 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++0++9|7|" FITS "|[" E068 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E068
           MOVE E068 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++0++9|45|" FITS "|[" E068 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E068
           MOVE E068 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++0++9|-45|" FITS "|[" E068 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E068
           MOVE E068 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++0++9|123|" FITS "|[" E068 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E068
           MOVE E068 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++0++9|-123|" FITS "|[" E068 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E068
           MOVE E068 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++0++9|1234.5|" FITS "|[" E068 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E068
           MOVE E068 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++0++9|-1234.5|" FITS "|[" E068 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E068
           MOVE E068 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++0++9|0.05|" FITS "|[" E068 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E068
           MOVE E068 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++0++9|-0.05|" FITS "|[" E068 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E068
           MOVE E068 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++0++9|12345|" FITS "|[" E068 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E068
           MOVE E068 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++0++9|99999.99|" FITS "|[" E068 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E068
           MOVE E068 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++0++9|123456|" FITS "|[" E068 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E068
           MOVE E068 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++0++9|100|" FITS "|[" E068 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E068
           MOVE E068 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++0++9|1000|" FITS "|[" E068 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E068
           MOVE E068 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++0++9|1000.01|" FITS "|[" E068 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E068
           MOVE E068 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++0++9|0.5|" FITS "|[" E068 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E068
           MOVE E068 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++0++9|-9999|" FITS "|[" E068 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E068
           MOVE E068 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "++0++9|0.000123|" FITS "|[" E068 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E069
           MOVE E069 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**B**9|0|" FITS "|[" E069 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E069
           MOVE E069 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**B**9|1|" FITS "|[" E069 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E069
           MOVE E069 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**B**9|-1|" FITS "|[" E069 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E069
           MOVE E069 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**B**9|7|" FITS "|[" E069 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E069
           MOVE E069 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**B**9|45|" FITS "|[" E069 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E069
           MOVE E069 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**B**9|-45|" FITS "|[" E069 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E069
           MOVE E069 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**B**9|123|" FITS "|[" E069 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E069
           MOVE E069 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**B**9|-123|" FITS "|[" E069 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E069
           MOVE E069 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**B**9|1234.5|" FITS "|[" E069 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E069
           MOVE E069 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**B**9|-1234.5|" FITS "|[" E069 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E069
           MOVE E069 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**B**9|0.05|" FITS "|[" E069 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E069
           MOVE E069 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**B**9|-0.05|" FITS "|[" E069 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E069
           MOVE E069 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**B**9|12345|" FITS "|[" E069 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E069
           MOVE E069 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**B**9|99999.99|" FITS "|[" E069 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E069
           MOVE E069 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**B**9|123456|" FITS "|[" E069 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E069
           MOVE E069 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**B**9|100|" FITS "|[" E069 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E069
           MOVE E069 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**B**9|1000|" FITS "|[" E069 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E069
           MOVE E069 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**B**9|1000.01|" FITS "|[" E069 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E069
           MOVE E069 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**B**9|0.5|" FITS "|[" E069 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E069
           MOVE E069 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**B**9|-9999|" FITS "|[" E069 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E069
           MOVE E069 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**B**9|0.000123|" FITS "|[" E069 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E070
           MOVE E070 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$B$$9|0|" FITS "|[" E070 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E070
           MOVE E070 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$B$$9|1|" FITS "|[" E070 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E070
           MOVE E070 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$B$$9|-1|" FITS "|[" E070 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E070
           MOVE E070 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$B$$9|7|" FITS "|[" E070 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E070
           MOVE E070 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$B$$9|45|" FITS "|[" E070 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E070
           MOVE E070 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$B$$9|-45|" FITS "|[" E070 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E070
           MOVE E070 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$B$$9|123|" FITS "|[" E070 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E070
           MOVE E070 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$B$$9|-123|" FITS "|[" E070 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E070
           MOVE E070 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$B$$9|1234.5|" FITS "|[" E070 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E070
           MOVE E070 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$B$$9|-1234.5|" FITS "|[" E070 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E070
           MOVE E070 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$B$$9|0.05|" FITS "|[" E070 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E070
           MOVE E070 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$B$$9|-0.05|" FITS "|[" E070 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E070
           MOVE E070 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$B$$9|12345|" FITS "|[" E070 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E070
           MOVE E070 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$B$$9|99999.99|" FITS "|[" E070 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E070
           MOVE E070 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$B$$9|123456|" FITS "|[" E070 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E070
           MOVE E070 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$B$$9|100|" FITS "|[" E070 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E070
           MOVE E070 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$B$$9|1000|" FITS "|[" E070 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E070
           MOVE E070 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$B$$9|1000.01|" FITS "|[" E070 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E070
           MOVE E070 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$B$$9|0.5|" FITS "|[" E070 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E070
           MOVE E070 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$B$$9|-9999|" FITS "|[" E070 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E070
           MOVE E070 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$B$$9|0.000123|" FITS "|[" E070 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E071
           MOVE E071 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ/ZZ9|0|" FITS "|[" E071 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E071
           MOVE E071 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ/ZZ9|1|" FITS "|[" E071 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E071
           MOVE E071 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ/ZZ9|-1|" FITS "|[" E071 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E071
           MOVE E071 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ/ZZ9|7|" FITS "|[" E071 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E071
           MOVE E071 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ/ZZ9|45|" FITS "|[" E071 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E071
           MOVE E071 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ/ZZ9|-45|" FITS "|[" E071 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E071
           MOVE E071 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ/ZZ9|123|" FITS "|[" E071 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E071
           MOVE E071 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ/ZZ9|-123|" FITS "|[" E071 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E071
           MOVE E071 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ/ZZ9|1234.5|" FITS "|[" E071 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E071
           MOVE E071 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ/ZZ9|-1234.5|" FITS "|[" E071 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E071
           MOVE E071 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ/ZZ9|0.05|" FITS "|[" E071 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E071
           MOVE E071 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ/ZZ9|-0.05|" FITS "|[" E071 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E071
           MOVE E071 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ/ZZ9|12345|" FITS "|[" E071 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E071
           MOVE E071 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ/ZZ9|99999.99|" FITS "|[" E071 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E071
           MOVE E071 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ/ZZ9|123456|" FITS "|[" E071 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E071
           MOVE E071 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ/ZZ9|100|" FITS "|[" E071 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E071
           MOVE E071 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ/ZZ9|1000|" FITS "|[" E071 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E071
           MOVE E071 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ/ZZ9|1000.01|" FITS "|[" E071 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E071
           MOVE E071 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ/ZZ9|0.5|" FITS "|[" E071 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E071
           MOVE E071 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ/ZZ9|-9999|" FITS "|[" E071 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E071
           MOVE E071 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ,ZZ/ZZ9|0.000123|" FITS "|[" E071 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E072
           MOVE E072 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.ZZ|0|" FITS "|[" E072 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E072
           MOVE E072 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.ZZ|1|" FITS "|[" E072 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E072
           MOVE E072 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.ZZ|-1|" FITS "|[" E072 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E072
           MOVE E072 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.ZZ|7|" FITS "|[" E072 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E072
           MOVE E072 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.ZZ|45|" FITS "|[" E072 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E072
           MOVE E072 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.ZZ|-45|" FITS "|[" E072 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E072
           MOVE E072 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.ZZ|123|" FITS "|[" E072 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E072
           MOVE E072 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.ZZ|-123|" FITS "|[" E072 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E072
           MOVE E072 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.ZZ|1234.5|" FITS "|[" E072 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E072
           MOVE E072 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.ZZ|-1234.5|" FITS "|[" E072 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E072
           MOVE E072 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.ZZ|0.05|" FITS "|[" E072 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E072
           MOVE E072 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.ZZ|-0.05|" FITS "|[" E072 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E072
           MOVE E072 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.ZZ|12345|" FITS "|[" E072 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E072
           MOVE E072 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.ZZ|99999.99|" FITS "|[" E072 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E072
           MOVE E072 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.ZZ|123456|" FITS "|[" E072 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E072
           MOVE E072 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.ZZ|100|" FITS "|[" E072 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E072
           MOVE E072 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.ZZ|1000|" FITS "|[" E072 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E072
           MOVE E072 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.ZZ|1000.01|" FITS "|[" E072 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E072
           MOVE E072 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.ZZ|0.5|" FITS "|[" E072 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E072
           MOVE E072 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.ZZ|-9999|" FITS "|[" E072 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E072
           MOVE E072 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.ZZ|0.000123|" FITS "|[" E072 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E073
           MOVE E073 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.99|0|" FITS "|[" E073 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E073
           MOVE E073 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.99|1|" FITS "|[" E073 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E073
           MOVE E073 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.99|-1|" FITS "|[" E073 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E073
           MOVE E073 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.99|7|" FITS "|[" E073 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E073
           MOVE E073 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.99|45|" FITS "|[" E073 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E073
           MOVE E073 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.99|-45|" FITS "|[" E073 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E073
           MOVE E073 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.99|123|" FITS "|[" E073 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E073
           MOVE E073 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.99|-123|" FITS "|[" E073 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E073
           MOVE E073 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.99|1234.5|" FITS "|[" E073 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E073
           MOVE E073 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.99|-1234.5|" FITS "|[" E073 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E073
           MOVE E073 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.99|0.05|" FITS "|[" E073 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E073
           MOVE E073 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.99|-0.05|" FITS "|[" E073 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E073
           MOVE E073 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.99|12345|" FITS "|[" E073 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E073
           MOVE E073 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.99|99999.99|" FITS "|[" E073 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E073
           MOVE E073 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.99|123456|" FITS "|[" E073 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E073
           MOVE E073 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.99|100|" FITS "|[" E073 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E073
           MOVE E073 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.99|1000|" FITS "|[" E073 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E073
           MOVE E073 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.99|1000.01|" FITS "|[" E073 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E073
           MOVE E073 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.99|0.5|" FITS "|[" E073 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E073
           MOVE E073 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.99|-9999|" FITS "|[" E073 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E073
           MOVE E073 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$.99|0.000123|" FITS "|[" E073 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E074
           MOVE E074 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++9.99|0|" FITS "|[" E074 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E074
           MOVE E074 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++9.99|1|" FITS "|[" E074 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E074
           MOVE E074 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++9.99|-1|" FITS "|[" E074 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E074
           MOVE E074 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++9.99|7|" FITS "|[" E074 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E074
           MOVE E074 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++9.99|45|" FITS "|[" E074 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E074
           MOVE E074 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++9.99|-45|" FITS "|[" E074 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E074
           MOVE E074 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++9.99|123|" FITS "|[" E074 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E074
           MOVE E074 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++9.99|-123|" FITS "|[" E074 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E074
           MOVE E074 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++9.99|1234.5|" FITS "|[" E074 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E074
           MOVE E074 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++9.99|-1234.5|" FITS "|[" E074 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E074
           MOVE E074 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++9.99|0.05|" FITS "|[" E074 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E074
           MOVE E074 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++9.99|-0.05|" FITS "|[" E074 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E074
           MOVE E074 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++9.99|12345|" FITS "|[" E074 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E074
           MOVE E074 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++9.99|99999.99|" FITS "|[" E074 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E074
           MOVE E074 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++9.99|123456|" FITS "|[" E074 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E074
           MOVE E074 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++9.99|100|" FITS "|[" E074 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E074
           MOVE E074 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++9.99|1000|" FITS "|[" E074 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E074
           MOVE E074 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++9.99|1000.01|" FITS "|[" E074 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E074
           MOVE E074 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++9.99|0.5|" FITS "|[" E074 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E074
           MOVE E074 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++9.99|-9999|" FITS "|[" E074 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E074
           MOVE E074 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++9.99|0.000123|" FITS "|[" E074 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E075
           MOVE E075 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)V99|0|" FITS "|[" E075 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E075
           MOVE E075 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)V99|1|" FITS "|[" E075 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E075
           MOVE E075 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)V99|-1|" FITS "|[" E075 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E075
           MOVE E075 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)V99|7|" FITS "|[" E075 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E075
           MOVE E075 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)V99|45|" FITS "|[" E075 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E075
           MOVE E075 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)V99|-45|" FITS "|[" E075 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E075
           MOVE E075 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)V99|123|" FITS "|[" E075 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E075
           MOVE E075 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)V99|-123|" FITS "|[" E075 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E075
           MOVE E075 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)V99|1234.5|" FITS "|[" E075 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E075
           MOVE E075 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)V99|-1234.5|" FITS "|[" E075 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E075
           MOVE E075 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)V99|0.05|" FITS "|[" E075 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E075
           MOVE E075 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)V99|-0.05|" FITS "|[" E075 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E075
           MOVE E075 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)V99|12345|" FITS "|[" E075 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E075
           MOVE E075 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)V99|99999.99|" FITS "|[" E075 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E075
           MOVE E075 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)V99|123456|" FITS "|[" E075 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E075
           MOVE E075 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)V99|100|" FITS "|[" E075 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E075
           MOVE E075 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)V99|1000|" FITS "|[" E075 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E075
           MOVE E075 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)V99|1000.01|" FITS "|[" E075 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E075
           MOVE E075 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)V99|0.5|" FITS "|[" E075 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E075
           MOVE E075 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)V99|-9999|" FITS "|[" E075 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E075
           MOVE E075 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)V99|0.000123|" FITS "|[" E075 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E076
           MOVE E076 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.99|0|" FITS "|[" E076 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E076
           MOVE E076 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.99|1|" FITS "|[" E076 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E076
           MOVE E076 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.99|-1|" FITS "|[" E076 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E076
           MOVE E076 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.99|7|" FITS "|[" E076 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E076
           MOVE E076 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.99|45|" FITS "|[" E076 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E076
           MOVE E076 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.99|-45|" FITS "|[" E076 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E076
           MOVE E076 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.99|123|" FITS "|[" E076 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E076
           MOVE E076 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.99|-123|" FITS "|[" E076 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E076
           MOVE E076 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.99|1234.5|" FITS "|[" E076 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E076
           MOVE E076 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.99|-1234.5|" FITS "|[" E076 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E076
           MOVE E076 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.99|0.05|" FITS "|[" E076 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E076
           MOVE E076 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.99|-0.05|" FITS "|[" E076 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E076
           MOVE E076 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.99|12345|" FITS "|[" E076 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E076
           MOVE E076 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.99|99999.99|" FITS "|[" E076 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E076
           MOVE E076 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.99|123456|" FITS "|[" E076 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E076
           MOVE E076 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.99|100|" FITS "|[" E076 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E076
           MOVE E076 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.99|1000|" FITS "|[" E076 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E076
           MOVE E076 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.99|1000.01|" FITS "|[" E076 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E076
           MOVE E076 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.99|0.5|" FITS "|[" E076 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E076
           MOVE E076 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.99|-9999|" FITS "|[" E076 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E076
           MOVE E076 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ.99|0.000123|" FITS "|[" E076 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E077
           MOVE E077 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)|0|" FITS "|[" E077 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E077
           MOVE E077 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)|1|" FITS "|[" E077 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E077
           MOVE E077 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)|-1|" FITS "|[" E077 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E077
           MOVE E077 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)|7|" FITS "|[" E077 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E077
           MOVE E077 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)|45|" FITS "|[" E077 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E077
           MOVE E077 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)|-45|" FITS "|[" E077 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E077
           MOVE E077 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)|123|" FITS "|[" E077 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E077
           MOVE E077 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)|-123|" FITS "|[" E077 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E077
           MOVE E077 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)|1234.5|" FITS "|[" E077 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E077
           MOVE E077 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)|-1234.5|" FITS "|[" E077 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E077
           MOVE E077 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)|0.05|" FITS "|[" E077 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E077
           MOVE E077 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)|-0.05|" FITS "|[" E077 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E077
           MOVE E077 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)|12345|" FITS "|[" E077 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E077
           MOVE E077 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)|99999.99|" FITS "|[" E077 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E077
           MOVE E077 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)|123456|" FITS "|[" E077 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E077
           MOVE E077 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)|100|" FITS "|[" E077 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E077
           MOVE E077 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)|1000|" FITS "|[" E077 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E077
           MOVE E077 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)|1000.01|" FITS "|[" E077 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E077
           MOVE E077 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)|0.5|" FITS "|[" E077 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E077
           MOVE E077 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)|-9999|" FITS "|[" E077 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E077
           MOVE E077 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z(3)|0.000123|" FITS "|[" E077 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E078
           MOVE E078 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(3)|0|" FITS "|[" E078 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E078
           MOVE E078 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(3)|1|" FITS "|[" E078 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E078
           MOVE E078 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(3)|-1|" FITS "|[" E078 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E078
           MOVE E078 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(3)|7|" FITS "|[" E078 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E078
           MOVE E078 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(3)|45|" FITS "|[" E078 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E078
           MOVE E078 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(3)|-45|" FITS "|[" E078 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E078
           MOVE E078 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(3)|123|" FITS "|[" E078 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E078
           MOVE E078 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(3)|-123|" FITS "|[" E078 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E078
           MOVE E078 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(3)|1234.5|" FITS "|[" E078 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E078
           MOVE E078 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(3)|-1234.5|" FITS "|[" E078 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E078
           MOVE E078 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(3)|0.05|" FITS "|[" E078 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E078
           MOVE E078 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(3)|-0.05|" FITS "|[" E078 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E078
           MOVE E078 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(3)|12345|" FITS "|[" E078 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E078
           MOVE E078 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(3)|99999.99|" FITS "|[" E078 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E078
           MOVE E078 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(3)|123456|" FITS "|[" E078 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E078
           MOVE E078 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(3)|100|" FITS "|[" E078 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E078
           MOVE E078 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(3)|1000|" FITS "|[" E078 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E078
           MOVE E078 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(3)|1000.01|" FITS "|[" E078 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E078
           MOVE E078 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(3)|0.5|" FITS "|[" E078 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E078
           MOVE E078 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(3)|-9999|" FITS "|[" E078 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E078
           MOVE E078 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "*(3)|0.000123|" FITS "|[" E078 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E079
           MOVE E079 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$|0|" FITS "|[" E079 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E079
           MOVE E079 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$|1|" FITS "|[" E079 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E079
           MOVE E079 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$|-1|" FITS "|[" E079 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E079
           MOVE E079 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$|7|" FITS "|[" E079 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E079
           MOVE E079 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$|45|" FITS "|[" E079 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E079
           MOVE E079 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$|-45|" FITS "|[" E079 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E079
           MOVE E079 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$|123|" FITS "|[" E079 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E079
           MOVE E079 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$|-123|" FITS "|[" E079 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E079
           MOVE E079 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$|1234.5|" FITS "|[" E079 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E079
           MOVE E079 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$|-1234.5|" FITS "|[" E079 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E079
           MOVE E079 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$|0.05|" FITS "|[" E079 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E079
           MOVE E079 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$|-0.05|" FITS "|[" E079 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E079
           MOVE E079 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$|12345|" FITS "|[" E079 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E079
           MOVE E079 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$|99999.99|" FITS "|[" E079 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E079
           MOVE E079 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$|123456|" FITS "|[" E079 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E079
           MOVE E079 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$|100|" FITS "|[" E079 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E079
           MOVE E079 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$|1000|" FITS "|[" E079 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E079
           MOVE E079 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$|1000.01|" FITS "|[" E079 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E079
           MOVE E079 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$|0.5|" FITS "|[" E079 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E079
           MOVE E079 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$|-9999|" FITS "|[" E079 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E079
           MOVE E079 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$|0.000123|" FITS "|[" E079 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E080
           MOVE E080 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++|0|" FITS "|[" E080 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E080
           MOVE E080 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++|1|" FITS "|[" E080 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E080
           MOVE E080 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++|-1|" FITS "|[" E080 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E080
           MOVE E080 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++|7|" FITS "|[" E080 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E080
           MOVE E080 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++|45|" FITS "|[" E080 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E080
           MOVE E080 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++|-45|" FITS "|[" E080 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E080
           MOVE E080 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++|123|" FITS "|[" E080 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E080
           MOVE E080 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++|-123|" FITS "|[" E080 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E080
           MOVE E080 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++|1234.5|" FITS "|[" E080 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E080
           MOVE E080 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++|-1234.5|" FITS "|[" E080 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E080
           MOVE E080 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++|0.05|" FITS "|[" E080 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E080
           MOVE E080 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++|-0.05|" FITS "|[" E080 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E080
           MOVE E080 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++|12345|" FITS "|[" E080 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E080
           MOVE E080 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++|99999.99|" FITS "|[" E080 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E080
           MOVE E080 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++|123456|" FITS "|[" E080 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E080
           MOVE E080 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++|100|" FITS "|[" E080 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E080
           MOVE E080 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++|1000|" FITS "|[" E080 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E080
           MOVE E080 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++|1000.01|" FITS "|[" E080 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E080
           MOVE E080 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++|0.5|" FITS "|[" E080 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E080
           MOVE E080 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++|-9999|" FITS "|[" E080 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E080
           MOVE E080 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+++|0.000123|" FITS "|[" E080 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E081
           MOVE E081 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---|0|" FITS "|[" E081 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E081
           MOVE E081 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---|1|" FITS "|[" E081 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E081
           MOVE E081 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---|-1|" FITS "|[" E081 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E081
           MOVE E081 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---|7|" FITS "|[" E081 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E081
           MOVE E081 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---|45|" FITS "|[" E081 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E081
           MOVE E081 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---|-45|" FITS "|[" E081 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E081
           MOVE E081 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---|123|" FITS "|[" E081 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E081
           MOVE E081 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---|-123|" FITS "|[" E081 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E081
           MOVE E081 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---|1234.5|" FITS "|[" E081 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E081
           MOVE E081 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---|-1234.5|" FITS "|[" E081 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E081
           MOVE E081 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---|0.05|" FITS "|[" E081 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E081
           MOVE E081 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---|-0.05|" FITS "|[" E081 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E081
           MOVE E081 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---|12345|" FITS "|[" E081 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E081
           MOVE E081 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---|99999.99|" FITS "|[" E081 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E081
           MOVE E081 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---|123456|" FITS "|[" E081 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E081
           MOVE E081 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---|100|" FITS "|[" E081 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E081
           MOVE E081 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---|1000|" FITS "|[" E081 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E081
           MOVE E081 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---|1000.01|" FITS "|[" E081 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E081
           MOVE E081 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---|0.5|" FITS "|[" E081 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E081
           MOVE E081 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---|-9999|" FITS "|[" E081 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E081
           MOVE E081 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "---|0.000123|" FITS "|[" E081 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E082
           MOVE E082 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ,ZZZ.ZZCR|0|" FITS "|[" E082 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E082
           MOVE E082 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ,ZZZ.ZZCR|1|" FITS "|[" E082 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E082
           MOVE E082 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ,ZZZ.ZZCR|-1|" FITS "|[" E082 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E082
           MOVE E082 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ,ZZZ.ZZCR|7|" FITS "|[" E082 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E082
           MOVE E082 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ,ZZZ.ZZCR|45|" FITS "|[" E082 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E082
           MOVE E082 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ,ZZZ.ZZCR|-45|" FITS "|[" E082 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E082
           MOVE E082 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ,ZZZ.ZZCR|123|" FITS "|[" E082 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E082
           MOVE E082 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ,ZZZ.ZZCR|-123|" FITS "|[" E082 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E082
           MOVE E082 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ,ZZZ.ZZCR|1234.5|" FITS "|[" E082 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E082
           MOVE E082 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ,ZZZ.ZZCR|-1234.5|" FITS "|[" E082 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E082
           MOVE E082 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ,ZZZ.ZZCR|0.05|" FITS "|[" E082 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E082
           MOVE E082 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ,ZZZ.ZZCR|-0.05|" FITS "|[" E082 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E082
           MOVE E082 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ,ZZZ.ZZCR|12345|" FITS "|[" E082 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E082
           MOVE E082 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ,ZZZ.ZZCR|99999.99|" FITS "|[" E082 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E082
           MOVE E082 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ,ZZZ.ZZCR|123456|" FITS "|[" E082 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E082
           MOVE E082 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ,ZZZ.ZZCR|100|" FITS "|[" E082 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E082
           MOVE E082 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ,ZZZ.ZZCR|1000|" FITS "|[" E082 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E082
           MOVE E082 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ,ZZZ.ZZCR|1000.01|" FITS "|[" E082 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E082
           MOVE E082 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ,ZZZ.ZZCR|0.5|" FITS "|[" E082 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E082
           MOVE E082 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ,ZZZ.ZZCR|-9999|" FITS "|[" E082 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E082
           MOVE E082 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ,ZZZ.ZZCR|0.000123|" FITS "|[" E082 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E083
           MOVE E083 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$,$$$.$$|0|" FITS "|[" E083 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E083
           MOVE E083 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$,$$$.$$|1|" FITS "|[" E083 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E083
           MOVE E083 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$,$$$.$$|-1|" FITS "|[" E083 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E083
           MOVE E083 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$,$$$.$$|7|" FITS "|[" E083 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E083
           MOVE E083 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$,$$$.$$|45|" FITS "|[" E083 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E083
           MOVE E083 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$,$$$.$$|-45|" FITS "|[" E083 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E083
           MOVE E083 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$,$$$.$$|123|" FITS "|[" E083 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E083
           MOVE E083 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$,$$$.$$|-123|" FITS "|[" E083 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E083
           MOVE E083 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$,$$$.$$|1234.5|" FITS "|[" E083 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E083
           MOVE E083 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$,$$$.$$|-1234.5|" FITS "|[" E083 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E083
           MOVE E083 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$,$$$.$$|0.05|" FITS "|[" E083 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E083
           MOVE E083 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$,$$$.$$|-0.05|" FITS "|[" E083 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E083
           MOVE E083 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$,$$$.$$|12345|" FITS "|[" E083 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E083
           MOVE E083 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$,$$$.$$|99999.99|" FITS "|[" E083 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E083
           MOVE E083 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$,$$$.$$|123456|" FITS "|[" E083 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E083
           MOVE E083 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$,$$$.$$|100|" FITS "|[" E083 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E083
           MOVE E083 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$,$$$.$$|1000|" FITS "|[" E083 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E083
           MOVE E083 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$,$$$.$$|1000.01|" FITS "|[" E083 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E083
           MOVE E083 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$,$$$.$$|0.5|" FITS "|[" E083 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E083
           MOVE E083 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$,$$$.$$|-9999|" FITS "|[" E083 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E083
           MOVE E083 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$$$,$$$.$$|0.000123|" FITS "|[" E083 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E084
           MOVE E084 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+,+++,++9|0|" FITS "|[" E084 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E084
           MOVE E084 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+,+++,++9|1|" FITS "|[" E084 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E084
           MOVE E084 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+,+++,++9|-1|" FITS "|[" E084 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E084
           MOVE E084 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+,+++,++9|7|" FITS "|[" E084 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E084
           MOVE E084 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+,+++,++9|45|" FITS "|[" E084 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E084
           MOVE E084 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+,+++,++9|-45|" FITS "|[" E084 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E084
           MOVE E084 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+,+++,++9|123|" FITS "|[" E084 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E084
           MOVE E084 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+,+++,++9|-123|" FITS "|[" E084 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E084
           MOVE E084 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+,+++,++9|1234.5|" FITS "|[" E084 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E084
           MOVE E084 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+,+++,++9|-1234.5|" FITS "|[" E084 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E084
           MOVE E084 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+,+++,++9|0.05|" FITS "|[" E084 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E084
           MOVE E084 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+,+++,++9|-0.05|" FITS "|[" E084 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E084
           MOVE E084 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+,+++,++9|12345|" FITS "|[" E084 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E084
           MOVE E084 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+,+++,++9|99999.99|" FITS "|[" E084 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E084
           MOVE E084 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+,+++,++9|123456|" FITS "|[" E084 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E084
           MOVE E084 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+,+++,++9|100|" FITS "|[" E084 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E084
           MOVE E084 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+,+++,++9|1000|" FITS "|[" E084 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E084
           MOVE E084 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+,+++,++9|1000.01|" FITS "|[" E084 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E084
           MOVE E084 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+,+++,++9|0.5|" FITS "|[" E084 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E084
           MOVE E084 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+,+++,++9|-9999|" FITS "|[" E084 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E084
           MOVE E084 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+,+++,++9|0.000123|" FITS "|[" E084 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E085
           MOVE E085 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---,--9.99|0|" FITS "|[" E085 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E085
           MOVE E085 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---,--9.99|1|" FITS "|[" E085 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E085
           MOVE E085 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---,--9.99|-1|" FITS "|[" E085 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E085
           MOVE E085 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---,--9.99|7|" FITS "|[" E085 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E085
           MOVE E085 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---,--9.99|45|" FITS "|[" E085 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E085
           MOVE E085 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---,--9.99|-45|" FITS "|[" E085 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E085
           MOVE E085 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---,--9.99|123|" FITS "|[" E085 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E085
           MOVE E085 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---,--9.99|-123|" FITS "|[" E085 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E085
           MOVE E085 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---,--9.99|1234.5|" FITS "|[" E085 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E085
           MOVE E085 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---,--9.99|-1234.5|" FITS "|[" E085 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E085
           MOVE E085 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---,--9.99|0.05|" FITS "|[" E085 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E085
           MOVE E085 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---,--9.99|-0.05|" FITS "|[" E085 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E085
           MOVE E085 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---,--9.99|12345|" FITS "|[" E085 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E085
           MOVE E085 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---,--9.99|99999.99|" FITS "|[" E085 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E085
           MOVE E085 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---,--9.99|123456|" FITS "|[" E085 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E085
           MOVE E085 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---,--9.99|100|" FITS "|[" E085 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E085
           MOVE E085 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---,--9.99|1000|" FITS "|[" E085 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E085
           MOVE E085 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---,--9.99|1000.01|" FITS "|[" E085 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E085
           MOVE E085 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---,--9.99|0.5|" FITS "|[" E085 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E085
           MOVE E085 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---,--9.99|-9999|" FITS "|[" E085 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E085
           MOVE E085 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---,--9.99|0.000123|" FITS "|[" E085 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E086
           MOVE E086 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99BCR|0|" FITS "|[" E086 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E086
           MOVE E086 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99BCR|1|" FITS "|[" E086 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E086
           MOVE E086 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99BCR|-1|" FITS "|[" E086 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E086
           MOVE E086 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99BCR|7|" FITS "|[" E086 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E086
           MOVE E086 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99BCR|45|" FITS "|[" E086 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E086
           MOVE E086 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99BCR|-45|" FITS "|[" E086 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E086
           MOVE E086 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99BCR|123|" FITS "|[" E086 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E086
           MOVE E086 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99BCR|-123|" FITS "|[" E086 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E086
           MOVE E086 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99BCR|1234.5|" FITS "|[" E086 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E086
           MOVE E086 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99BCR|-1234.5|" FITS "|[" E086 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E086
           MOVE E086 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99BCR|0.05|" FITS "|[" E086 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E086
           MOVE E086 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99BCR|-0.05|" FITS "|[" E086 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E086
           MOVE E086 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99BCR|12345|" FITS "|[" E086 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E086
           MOVE E086 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99BCR|99999.99|" FITS "|[" E086 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E086
           MOVE E086 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99BCR|123456|" FITS "|[" E086 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E086
           MOVE E086 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99BCR|100|" FITS "|[" E086 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E086
           MOVE E086 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99BCR|1000|" FITS "|[" E086 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E086
           MOVE E086 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99BCR|1000.01|" FITS "|[" E086 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E086
           MOVE E086 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99BCR|0.5|" FITS "|[" E086 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E086
           MOVE E086 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99BCR|-9999|" FITS "|[" E086 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E086
           MOVE E086 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ9.99BCR|0.000123|" FITS "|[" E086 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E087
           MOVE E087 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)BDB|0|" FITS "|[" E087 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E087
           MOVE E087 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)BDB|1|" FITS "|[" E087 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E087
           MOVE E087 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)BDB|-1|" FITS "|[" E087 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E087
           MOVE E087 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)BDB|7|" FITS "|[" E087 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E087
           MOVE E087 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)BDB|45|" FITS "|[" E087 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E087
           MOVE E087 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)BDB|-45|" FITS "|[" E087 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E087
           MOVE E087 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)BDB|123|" FITS "|[" E087 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E087
           MOVE E087 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)BDB|-123|" FITS "|[" E087 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E087
           MOVE E087 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)BDB|1234.5|" FITS "|[" E087 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E087
           MOVE E087 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)BDB|-1234.5|" FITS "|[" E087 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E087
           MOVE E087 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)BDB|0.05|" FITS "|[" E087 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E087
           MOVE E087 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)BDB|-0.05|" FITS "|[" E087 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E087
           MOVE E087 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)BDB|12345|" FITS "|[" E087 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E087
           MOVE E087 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)BDB|99999.99|" FITS "|[" E087 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E087
           MOVE E087 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)BDB|123456|" FITS "|[" E087 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E087
           MOVE E087 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)BDB|100|" FITS "|[" E087 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E087
           MOVE E087 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)BDB|1000|" FITS "|[" E087 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E087
           MOVE E087 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)BDB|1000.01|" FITS "|[" E087 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E087
           MOVE E087 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)BDB|0.5|" FITS "|[" E087 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E087
           MOVE E087 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)BDB|-9999|" FITS "|[" E087 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E087
           MOVE E087 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "9(3)BDB|0.000123|" FITS "|[" E087 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E088
           MOVE E088 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+$$$9.99|0|" FITS "|[" E088 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E088
           MOVE E088 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+$$$9.99|1|" FITS "|[" E088 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E088
           MOVE E088 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+$$$9.99|-1|" FITS "|[" E088 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E088
           MOVE E088 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+$$$9.99|7|" FITS "|[" E088 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E088
           MOVE E088 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+$$$9.99|45|" FITS "|[" E088 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E088
           MOVE E088 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+$$$9.99|-45|" FITS "|[" E088 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E088
           MOVE E088 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+$$$9.99|123|" FITS "|[" E088 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E088
           MOVE E088 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+$$$9.99|-123|" FITS "|[" E088 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E088
           MOVE E088 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+$$$9.99|1234.5|" FITS "|[" E088 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E088
           MOVE E088 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+$$$9.99|-1234.5|" FITS "|[" E088 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E088
           MOVE E088 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+$$$9.99|0.05|" FITS "|[" E088 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E088
           MOVE E088 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+$$$9.99|-0.05|" FITS "|[" E088 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E088
           MOVE E088 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+$$$9.99|12345|" FITS "|[" E088 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E088
           MOVE E088 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+$$$9.99|99999.99|" FITS "|[" E088 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E088
           MOVE E088 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+$$$9.99|123456|" FITS "|[" E088 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E088
           MOVE E088 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+$$$9.99|100|" FITS "|[" E088 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E088
           MOVE E088 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+$$$9.99|1000|" FITS "|[" E088 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E088
           MOVE E088 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+$$$9.99|1000.01|" FITS "|[" E088 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E088
           MOVE E088 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+$$$9.99|0.5|" FITS "|[" E088 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E088
           MOVE E088 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+$$$9.99|-9999|" FITS "|[" E088 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E088
           MOVE E088 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "+$$$9.99|0.000123|" FITS "|[" E088 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E089
           MOVE E089 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$+++9.99|0|" FITS "|[" E089 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E089
           MOVE E089 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$+++9.99|1|" FITS "|[" E089 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E089
           MOVE E089 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$+++9.99|-1|" FITS "|[" E089 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E089
           MOVE E089 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$+++9.99|7|" FITS "|[" E089 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E089
           MOVE E089 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$+++9.99|45|" FITS "|[" E089 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E089
           MOVE E089 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$+++9.99|-45|" FITS "|[" E089 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E089
           MOVE E089 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$+++9.99|123|" FITS "|[" E089 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E089
           MOVE E089 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$+++9.99|-123|" FITS "|[" E089 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E089
           MOVE E089 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$+++9.99|1234.5|" FITS "|[" E089 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E089
           MOVE E089 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$+++9.99|-1234.5|" FITS "|[" E089 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E089
           MOVE E089 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$+++9.99|0.05|" FITS "|[" E089 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E089
           MOVE E089 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$+++9.99|-0.05|" FITS "|[" E089 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E089
           MOVE E089 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$+++9.99|12345|" FITS "|[" E089 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E089
           MOVE E089 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$+++9.99|99999.99|" FITS "|[" E089 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E089
           MOVE E089 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$+++9.99|123456|" FITS "|[" E089 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E089
           MOVE E089 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$+++9.99|100|" FITS "|[" E089 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E089
           MOVE E089 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$+++9.99|1000|" FITS "|[" E089 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E089
           MOVE E089 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$+++9.99|1000.01|" FITS "|[" E089 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E089
           MOVE E089 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$+++9.99|0.5|" FITS "|[" E089 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E089
           MOVE E089 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$+++9.99|-9999|" FITS "|[" E089 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E089
           MOVE E089 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$+++9.99|0.000123|" FITS "|[" E089 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E090
           MOVE E090 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$---9.99|0|" FITS "|[" E090 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E090
           MOVE E090 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$---9.99|1|" FITS "|[" E090 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E090
           MOVE E090 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$---9.99|-1|" FITS "|[" E090 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E090
           MOVE E090 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$---9.99|7|" FITS "|[" E090 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E090
           MOVE E090 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$---9.99|45|" FITS "|[" E090 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E090
           MOVE E090 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$---9.99|-45|" FITS "|[" E090 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E090
           MOVE E090 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$---9.99|123|" FITS "|[" E090 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E090
           MOVE E090 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$---9.99|-123|" FITS "|[" E090 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E090
           MOVE E090 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$---9.99|1234.5|" FITS "|[" E090 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E090
           MOVE E090 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$---9.99|-1234.5|" FITS "|[" E090 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E090
           MOVE E090 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$---9.99|0.05|" FITS "|[" E090 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E090
           MOVE E090 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$---9.99|-0.05|" FITS "|[" E090 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E090
           MOVE E090 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$---9.99|12345|" FITS "|[" E090 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E090
           MOVE E090 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$---9.99|99999.99|" FITS "|[" E090 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E090
           MOVE E090 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$---9.99|123456|" FITS "|[" E090 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E090
           MOVE E090 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$---9.99|100|" FITS "|[" E090 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E090
           MOVE E090 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$---9.99|1000|" FITS "|[" E090 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E090
           MOVE E090 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$---9.99|1000.01|" FITS "|[" E090 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E090
           MOVE E090 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$---9.99|0.5|" FITS "|[" E090 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E090
           MOVE E090 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$---9.99|-9999|" FITS "|[" E090 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E090
           MOVE E090 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$---9.99|0.000123|" FITS "|[" E090 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E091
           MOVE E091 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****|0|" FITS "|[" E091 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E091
           MOVE E091 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****|1|" FITS "|[" E091 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E091
           MOVE E091 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****|-1|" FITS "|[" E091 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E091
           MOVE E091 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****|7|" FITS "|[" E091 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E091
           MOVE E091 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****|45|" FITS "|[" E091 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E091
           MOVE E091 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****|-45|" FITS "|[" E091 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E091
           MOVE E091 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****|123|" FITS "|[" E091 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E091
           MOVE E091 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****|-123|" FITS "|[" E091 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E091
           MOVE E091 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****|1234.5|" FITS "|[" E091 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E091
           MOVE E091 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****|-1234.5|" FITS "|[" E091 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E091
           MOVE E091 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****|0.05|" FITS "|[" E091 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E091
           MOVE E091 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****|-0.05|" FITS "|[" E091 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E091
           MOVE E091 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****|12345|" FITS "|[" E091 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E091
           MOVE E091 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****|99999.99|" FITS "|[" E091 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E091
           MOVE E091 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****|123456|" FITS "|[" E091 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E091
           MOVE E091 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****|100|" FITS "|[" E091 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E091
           MOVE E091 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****|1000|" FITS "|[" E091 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E091
           MOVE E091 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****|1000.01|" FITS "|[" E091 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E091
           MOVE E091 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****|0.5|" FITS "|[" E091 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E091
           MOVE E091 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****|-9999|" FITS "|[" E091 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E091
           MOVE E091 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "****|0.000123|" FITS "|[" E091 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E092
           MOVE E092 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**.**|0|" FITS "|[" E092 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E092
           MOVE E092 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**.**|1|" FITS "|[" E092 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E092
           MOVE E092 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**.**|-1|" FITS "|[" E092 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E092
           MOVE E092 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**.**|7|" FITS "|[" E092 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E092
           MOVE E092 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**.**|45|" FITS "|[" E092 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E092
           MOVE E092 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**.**|-45|" FITS "|[" E092 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E092
           MOVE E092 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**.**|123|" FITS "|[" E092 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E092
           MOVE E092 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**.**|-123|" FITS "|[" E092 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E092
           MOVE E092 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**.**|1234.5|" FITS "|[" E092 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E092
           MOVE E092 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**.**|-1234.5|" FITS "|[" E092 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E092
           MOVE E092 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**.**|0.05|" FITS "|[" E092 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E092
           MOVE E092 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**.**|-0.05|" FITS "|[" E092 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E092
           MOVE E092 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**.**|12345|" FITS "|[" E092 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E092
           MOVE E092 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**.**|99999.99|" FITS "|[" E092 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E092
           MOVE E092 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**.**|123456|" FITS "|[" E092 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E092
           MOVE E092 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**.**|100|" FITS "|[" E092 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E092
           MOVE E092 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**.**|1000|" FITS "|[" E092 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E092
           MOVE E092 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**.**|1000.01|" FITS "|[" E092 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E092
           MOVE E092 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**.**|0.5|" FITS "|[" E092 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E092
           MOVE E092 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**.**|-9999|" FITS "|[" E092 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E092
           MOVE E092 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**.**|0.000123|" FITS "|[" E092 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E093
           MOVE E093 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/99|0|" FITS "|[" E093 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E093
           MOVE E093 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/99|1|" FITS "|[" E093 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E093
           MOVE E093 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/99|-1|" FITS "|[" E093 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E093
           MOVE E093 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/99|7|" FITS "|[" E093 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E093
           MOVE E093 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/99|45|" FITS "|[" E093 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E093
           MOVE E093 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/99|-45|" FITS "|[" E093 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E093
           MOVE E093 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/99|123|" FITS "|[" E093 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E093
           MOVE E093 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/99|-123|" FITS "|[" E093 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E093
           MOVE E093 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/99|1234.5|" FITS "|[" E093 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E093
           MOVE E093 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/99|-1234.5|" FITS "|[" E093 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E093
           MOVE E093 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/99|0.05|" FITS "|[" E093 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E093
           MOVE E093 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/99|-0.05|" FITS "|[" E093 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E093
           MOVE E093 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/99|12345|" FITS "|[" E093 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E093
           MOVE E093 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/99|99999.99|" FITS "|[" E093 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E093
           MOVE E093 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/99|123456|" FITS "|[" E093 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E093
           MOVE E093 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/99|100|" FITS "|[" E093 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E093
           MOVE E093 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/99|1000|" FITS "|[" E093 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E093
           MOVE E093 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/99|1000.01|" FITS "|[" E093 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E093
           MOVE E093 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/99|0.5|" FITS "|[" E093 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E093
           MOVE E093 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/99|-9999|" FITS "|[" E093 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E093
           MOVE E093 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/99|0.000123|" FITS "|[" E093 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E094
           MOVE E094 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0ZZ9|0|" FITS "|[" E094 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E094
           MOVE E094 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0ZZ9|1|" FITS "|[" E094 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E094
           MOVE E094 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0ZZ9|-1|" FITS "|[" E094 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E094
           MOVE E094 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0ZZ9|7|" FITS "|[" E094 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E094
           MOVE E094 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0ZZ9|45|" FITS "|[" E094 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E094
           MOVE E094 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0ZZ9|-45|" FITS "|[" E094 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E094
           MOVE E094 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0ZZ9|123|" FITS "|[" E094 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E094
           MOVE E094 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0ZZ9|-123|" FITS "|[" E094 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E094
           MOVE E094 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0ZZ9|1234.5|" FITS "|[" E094 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E094
           MOVE E094 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0ZZ9|-1234.5|" FITS "|[" E094 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E094
           MOVE E094 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0ZZ9|0.05|" FITS "|[" E094 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E094
           MOVE E094 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0ZZ9|-0.05|" FITS "|[" E094 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E094
           MOVE E094 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0ZZ9|12345|" FITS "|[" E094 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E094
           MOVE E094 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0ZZ9|99999.99|" FITS "|[" E094 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E094
           MOVE E094 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0ZZ9|123456|" FITS "|[" E094 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E094
           MOVE E094 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0ZZ9|100|" FITS "|[" E094 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E094
           MOVE E094 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0ZZ9|1000|" FITS "|[" E094 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E094
           MOVE E094 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0ZZ9|1000.01|" FITS "|[" E094 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E094
           MOVE E094 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0ZZ9|0.5|" FITS "|[" E094 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E094
           MOVE E094 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0ZZ9|-9999|" FITS "|[" E094 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E094
           MOVE E094 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "0ZZ9|0.000123|" FITS "|[" E094 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E095
           MOVE E095 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z0Z9|0|" FITS "|[" E095 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E095
           MOVE E095 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z0Z9|1|" FITS "|[" E095 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E095
           MOVE E095 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z0Z9|-1|" FITS "|[" E095 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E095
           MOVE E095 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z0Z9|7|" FITS "|[" E095 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E095
           MOVE E095 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z0Z9|45|" FITS "|[" E095 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E095
           MOVE E095 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z0Z9|-45|" FITS "|[" E095 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E095
           MOVE E095 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z0Z9|123|" FITS "|[" E095 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E095
           MOVE E095 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z0Z9|-123|" FITS "|[" E095 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E095
           MOVE E095 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z0Z9|1234.5|" FITS "|[" E095 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E095
           MOVE E095 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z0Z9|-1234.5|" FITS "|[" E095 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E095
           MOVE E095 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z0Z9|0.05|" FITS "|[" E095 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E095
           MOVE E095 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z0Z9|-0.05|" FITS "|[" E095 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E095
           MOVE E095 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z0Z9|12345|" FITS "|[" E095 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E095
           MOVE E095 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z0Z9|99999.99|" FITS "|[" E095 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E095
           MOVE E095 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z0Z9|123456|" FITS "|[" E095 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E095
           MOVE E095 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z0Z9|100|" FITS "|[" E095 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E095
           MOVE E095 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z0Z9|1000|" FITS "|[" E095 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E095
           MOVE E095 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z0Z9|1000.01|" FITS "|[" E095 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E095
           MOVE E095 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z0Z9|0.5|" FITS "|[" E095 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E095
           MOVE E095 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z0Z9|-9999|" FITS "|[" E095 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E095
           MOVE E095 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z0Z9|0.000123|" FITS "|[" E095 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E096
           MOVE E096 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z9/9|0|" FITS "|[" E096 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E096
           MOVE E096 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z9/9|1|" FITS "|[" E096 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E096
           MOVE E096 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z9/9|-1|" FITS "|[" E096 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E096
           MOVE E096 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z9/9|7|" FITS "|[" E096 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E096
           MOVE E096 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z9/9|45|" FITS "|[" E096 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E096
           MOVE E096 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z9/9|-45|" FITS "|[" E096 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E096
           MOVE E096 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z9/9|123|" FITS "|[" E096 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E096
           MOVE E096 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z9/9|-123|" FITS "|[" E096 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E096
           MOVE E096 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z9/9|1234.5|" FITS "|[" E096 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E096
           MOVE E096 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z9/9|-1234.5|" FITS "|[" E096 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E096
           MOVE E096 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z9/9|0.05|" FITS "|[" E096 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E096
           MOVE E096 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z9/9|-0.05|" FITS "|[" E096 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E096
           MOVE E096 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z9/9|12345|" FITS "|[" E096 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E096
           MOVE E096 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z9/9|99999.99|" FITS "|[" E096 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E096
           MOVE E096 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z9/9|123456|" FITS "|[" E096 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E096
           MOVE E096 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z9/9|100|" FITS "|[" E096 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E096
           MOVE E096 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z9/9|1000|" FITS "|[" E096 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E096
           MOVE E096 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z9/9|1000.01|" FITS "|[" E096 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E096
           MOVE E096 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z9/9|0.5|" FITS "|[" E096 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E096
           MOVE E096 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z9/9|-9999|" FITS "|[" E096 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E096
           MOVE E096 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z9/9|0.000123|" FITS "|[" E096 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E097
           MOVE E097 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZZ|0|" FITS "|[" E097 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E097
           MOVE E097 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZZ|1|" FITS "|[" E097 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E097
           MOVE E097 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZZ|-1|" FITS "|[" E097 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E097
           MOVE E097 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZZ|7|" FITS "|[" E097 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E097
           MOVE E097 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZZ|45|" FITS "|[" E097 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E097
           MOVE E097 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZZ|-45|" FITS "|[" E097 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E097
           MOVE E097 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZZ|123|" FITS "|[" E097 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E097
           MOVE E097 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZZ|-123|" FITS "|[" E097 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E097
           MOVE E097 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZZ|1234.5|" FITS "|[" E097 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E097
           MOVE E097 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZZ|-1234.5|" FITS "|[" E097 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E097
           MOVE E097 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZZ|0.05|" FITS "|[" E097 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E097
           MOVE E097 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZZ|-0.05|" FITS "|[" E097 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E097
           MOVE E097 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZZ|12345|" FITS "|[" E097 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E097
           MOVE E097 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZZ|99999.99|" FITS "|[" E097 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E097
           MOVE E097 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZZ|123456|" FITS "|[" E097 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E097
           MOVE E097 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZZ|100|" FITS "|[" E097 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E097
           MOVE E097 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZZ|1000|" FITS "|[" E097 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E097
           MOVE E097 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZZ|1000.01|" FITS "|[" E097 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E097
           MOVE E097 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZZ|0.5|" FITS "|[" E097 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E097
           MOVE E097 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZZ|-9999|" FITS "|[" E097 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E097
           MOVE E097 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$ZZZ|0.000123|" FITS "|[" E097 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E098
           MOVE E098 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$***.**|0|" FITS "|[" E098 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E098
           MOVE E098 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$***.**|1|" FITS "|[" E098 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E098
           MOVE E098 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$***.**|-1|" FITS "|[" E098 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E098
           MOVE E098 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$***.**|7|" FITS "|[" E098 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E098
           MOVE E098 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$***.**|45|" FITS "|[" E098 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E098
           MOVE E098 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$***.**|-45|" FITS "|[" E098 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E098
           MOVE E098 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$***.**|123|" FITS "|[" E098 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E098
           MOVE E098 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$***.**|-123|" FITS "|[" E098 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E098
           MOVE E098 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$***.**|1234.5|" FITS "|[" E098 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E098
           MOVE E098 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$***.**|-1234.5|" FITS "|[" E098 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E098
           MOVE E098 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$***.**|0.05|" FITS "|[" E098 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E098
           MOVE E098 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$***.**|-0.05|" FITS "|[" E098 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E098
           MOVE E098 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$***.**|12345|" FITS "|[" E098 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E098
           MOVE E098 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$***.**|99999.99|" FITS "|[" E098 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E098
           MOVE E098 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$***.**|123456|" FITS "|[" E098 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E098
           MOVE E098 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$***.**|100|" FITS "|[" E098 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E098
           MOVE E098 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$***.**|1000|" FITS "|[" E098 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E098
           MOVE E098 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$***.**|1000.01|" FITS "|[" E098 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E098
           MOVE E098 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$***.**|0.5|" FITS "|[" E098 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E098
           MOVE E098 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$***.**|-9999|" FITS "|[" E098 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E098
           MOVE E098 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$***.**|0.000123|" FITS "|[" E098 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E099
           MOVE E099 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ+|0|" FITS "|[" E099 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E099
           MOVE E099 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ+|1|" FITS "|[" E099 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E099
           MOVE E099 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ+|-1|" FITS "|[" E099 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E099
           MOVE E099 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ+|7|" FITS "|[" E099 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E099
           MOVE E099 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ+|45|" FITS "|[" E099 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E099
           MOVE E099 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ+|-45|" FITS "|[" E099 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E099
           MOVE E099 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ+|123|" FITS "|[" E099 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E099
           MOVE E099 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ+|-123|" FITS "|[" E099 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E099
           MOVE E099 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ+|1234.5|" FITS "|[" E099 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E099
           MOVE E099 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ+|-1234.5|" FITS "|[" E099 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E099
           MOVE E099 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ+|0.05|" FITS "|[" E099 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E099
           MOVE E099 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ+|-0.05|" FITS "|[" E099 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E099
           MOVE E099 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ+|12345|" FITS "|[" E099 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E099
           MOVE E099 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ+|99999.99|" FITS "|[" E099 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E099
           MOVE E099 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ+|123456|" FITS "|[" E099 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E099
           MOVE E099 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ+|100|" FITS "|[" E099 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E099
           MOVE E099 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ+|1000|" FITS "|[" E099 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E099
           MOVE E099 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ+|1000.01|" FITS "|[" E099 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E099
           MOVE E099 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ+|0.5|" FITS "|[" E099 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E099
           MOVE E099 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ+|-9999|" FITS "|[" E099 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E099
           MOVE E099 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ+|0.000123|" FITS "|[" E099 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E100
           MOVE E100 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ-|0|" FITS "|[" E100 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E100
           MOVE E100 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ-|1|" FITS "|[" E100 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E100
           MOVE E100 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ-|-1|" FITS "|[" E100 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E100
           MOVE E100 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ-|7|" FITS "|[" E100 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E100
           MOVE E100 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ-|45|" FITS "|[" E100 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E100
           MOVE E100 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ-|-45|" FITS "|[" E100 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E100
           MOVE E100 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ-|123|" FITS "|[" E100 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E100
           MOVE E100 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ-|-123|" FITS "|[" E100 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E100
           MOVE E100 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ-|1234.5|" FITS "|[" E100 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E100
           MOVE E100 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ-|-1234.5|" FITS "|[" E100 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E100
           MOVE E100 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ-|0.05|" FITS "|[" E100 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E100
           MOVE E100 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ-|-0.05|" FITS "|[" E100 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E100
           MOVE E100 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ-|12345|" FITS "|[" E100 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E100
           MOVE E100 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ-|99999.99|" FITS "|[" E100 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E100
           MOVE E100 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ-|123456|" FITS "|[" E100 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E100
           MOVE E100 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ-|100|" FITS "|[" E100 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E100
           MOVE E100 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ-|1000|" FITS "|[" E100 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E100
           MOVE E100 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ-|1000.01|" FITS "|[" E100 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E100
           MOVE E100 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ-|0.5|" FITS "|[" E100 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E100
           MOVE E100 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ-|-9999|" FITS "|[" E100 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E100
           MOVE E100 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZZ-|0.000123|" FITS "|[" E100 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E101
           MOVE E101 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ-|0|" FITS "|[" E101 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E101
           MOVE E101 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ-|1|" FITS "|[" E101 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E101
           MOVE E101 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ-|-1|" FITS "|[" E101 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E101
           MOVE E101 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ-|7|" FITS "|[" E101 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E101
           MOVE E101 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ-|45|" FITS "|[" E101 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E101
           MOVE E101 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ-|-45|" FITS "|[" E101 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E101
           MOVE E101 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ-|123|" FITS "|[" E101 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E101
           MOVE E101 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ-|-123|" FITS "|[" E101 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E101
           MOVE E101 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ-|1234.5|" FITS "|[" E101 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E101
           MOVE E101 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ-|-1234.5|" FITS "|[" E101 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E101
           MOVE E101 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ-|0.05|" FITS "|[" E101 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E101
           MOVE E101 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ-|-0.05|" FITS "|[" E101 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E101
           MOVE E101 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ-|12345|" FITS "|[" E101 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E101
           MOVE E101 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ-|99999.99|" FITS "|[" E101 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E101
           MOVE E101 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ-|123456|" FITS "|[" E101 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E101
           MOVE E101 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ-|100|" FITS "|[" E101 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E101
           MOVE E101 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ-|1000|" FITS "|[" E101 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E101
           MOVE E101 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ-|1000.01|" FITS "|[" E101 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E101
           MOVE E101 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ-|0.5|" FITS "|[" E101 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E101
           MOVE E101 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ-|-9999|" FITS "|[" E101 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E101
           MOVE E101 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "Z,ZZZ-|0.000123|" FITS "|[" E101 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E102
           MOVE E102 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---|0|" FITS "|[" E102 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E102
           MOVE E102 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---|1|" FITS "|[" E102 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E102
           MOVE E102 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---|-1|" FITS "|[" E102 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E102
           MOVE E102 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---|7|" FITS "|[" E102 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E102
           MOVE E102 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---|45|" FITS "|[" E102 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E102
           MOVE E102 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---|-45|" FITS "|[" E102 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E102
           MOVE E102 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---|123|" FITS "|[" E102 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E102
           MOVE E102 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---|-123|" FITS "|[" E102 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E102
           MOVE E102 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---|1234.5|" FITS "|[" E102 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E102
           MOVE E102 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---|-1234.5|" FITS "|[" E102 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E102
           MOVE E102 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---|0.05|" FITS "|[" E102 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E102
           MOVE E102 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---|-0.05|" FITS "|[" E102 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E102
           MOVE E102 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---|12345|" FITS "|[" E102 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E102
           MOVE E102 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---|99999.99|" FITS "|[" E102 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E102
           MOVE E102 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---|123456|" FITS "|[" E102 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E102
           MOVE E102 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---|100|" FITS "|[" E102 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E102
           MOVE E102 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---|1000|" FITS "|[" E102 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E102
           MOVE E102 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---|1000.01|" FITS "|[" E102 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E102
           MOVE E102 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---|0.5|" FITS "|[" E102 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E102
           MOVE E102 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---|-9999|" FITS "|[" E102 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E102
           MOVE E102 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "-,---|0.000123|" FITS "|[" E102 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E103
           MOVE E103 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ|0|" FITS "|[" E103 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E103
           MOVE E103 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ|1|" FITS "|[" E103 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E103
           MOVE E103 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ|-1|" FITS "|[" E103 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E103
           MOVE E103 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ|7|" FITS "|[" E103 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E103
           MOVE E103 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ|45|" FITS "|[" E103 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E103
           MOVE E103 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ|-45|" FITS "|[" E103 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E103
           MOVE E103 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ|123|" FITS "|[" E103 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E103
           MOVE E103 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ|-123|" FITS "|[" E103 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E103
           MOVE E103 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ|1234.5|" FITS "|[" E103 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E103
           MOVE E103 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ|-1234.5|" FITS "|[" E103 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E103
           MOVE E103 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ|0.05|" FITS "|[" E103 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E103
           MOVE E103 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ|-0.05|" FITS "|[" E103 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E103
           MOVE E103 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ|12345|" FITS "|[" E103 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E103
           MOVE E103 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ|99999.99|" FITS "|[" E103 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E103
           MOVE E103 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ|123456|" FITS "|[" E103 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E103
           MOVE E103 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ|100|" FITS "|[" E103 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E103
           MOVE E103 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ|1000|" FITS "|[" E103 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E103
           MOVE E103 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ|1000.01|" FITS "|[" E103 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E103
           MOVE E103 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ|0.5|" FITS "|[" E103 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E103
           MOVE E103 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ|-9999|" FITS "|[" E103 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E103
           MOVE E103 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ/ZZ|0.000123|" FITS "|[" E103 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E104
           MOVE E104 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**|0|" FITS "|[" E104 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E104
           MOVE E104 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**|1|" FITS "|[" E104 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E104
           MOVE E104 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**|-1|" FITS "|[" E104 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E104
           MOVE E104 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**|7|" FITS "|[" E104 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E104
           MOVE E104 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**|45|" FITS "|[" E104 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E104
           MOVE E104 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**|-45|" FITS "|[" E104 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E104
           MOVE E104 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**|123|" FITS "|[" E104 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E104
           MOVE E104 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**|-123|" FITS "|[" E104 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E104
           MOVE E104 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**|1234.5|" FITS "|[" E104 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E104
           MOVE E104 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**|-1234.5|" FITS "|[" E104 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E104
           MOVE E104 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**|0.05|" FITS "|[" E104 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E104
           MOVE E104 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**|-0.05|" FITS "|[" E104 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E104
           MOVE E104 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**|12345|" FITS "|[" E104 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E104
           MOVE E104 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**|99999.99|" FITS "|[" E104 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E104
           MOVE E104 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**|123456|" FITS "|[" E104 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E104
           MOVE E104 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**|100|" FITS "|[" E104 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E104
           MOVE E104 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**|1000|" FITS "|[" E104 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E104
           MOVE E104 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**|1000.01|" FITS "|[" E104 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E104
           MOVE E104 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**|0.5|" FITS "|[" E104 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E104
           MOVE E104 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**|-9999|" FITS "|[" E104 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E104
           MOVE E104 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "**/**|0.000123|" FITS "|[" E104 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E105
           MOVE E105 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ|0|" FITS "|[" E105 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E105
           MOVE E105 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ|1|" FITS "|[" E105 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E105
           MOVE E105 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ|-1|" FITS "|[" E105 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E105
           MOVE E105 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ|7|" FITS "|[" E105 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E105
           MOVE E105 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ|45|" FITS "|[" E105 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E105
           MOVE E105 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ|-45|" FITS "|[" E105 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E105
           MOVE E105 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ|123|" FITS "|[" E105 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E105
           MOVE E105 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ|-123|" FITS "|[" E105 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E105
           MOVE E105 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ|1234.5|" FITS "|[" E105 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E105
           MOVE E105 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ|-1234.5|" FITS "|[" E105 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E105
           MOVE E105 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ|0.05|" FITS "|[" E105 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E105
           MOVE E105 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ|-0.05|" FITS "|[" E105 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E105
           MOVE E105 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ|12345|" FITS "|[" E105 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E105
           MOVE E105 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ|99999.99|" FITS "|[" E105 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E105
           MOVE E105 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ|123456|" FITS "|[" E105 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E105
           MOVE E105 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ|100|" FITS "|[" E105 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E105
           MOVE E105 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ|1000|" FITS "|[" E105 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E105
           MOVE E105 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ|1000.01|" FITS "|[" E105 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E105
           MOVE E105 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ|0.5|" FITS "|[" E105 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E105
           MOVE E105 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ|-9999|" FITS "|[" E105 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E105
           MOVE E105 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "ZZ0ZZ|0.000123|" FITS "|[" E105 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0 TO WANTED E106
           MOVE E106 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$|0|" FITS "|[" E106 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1 TO WANTED E106
           MOVE E106 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$|1|" FITS "|[" E106 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1 TO WANTED E106
           MOVE E106 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$|-1|" FITS "|[" E106 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 7 TO WANTED E106
           MOVE E106 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$|7|" FITS "|[" E106 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 45 TO WANTED E106
           MOVE E106 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$|45|" FITS "|[" E106 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -45 TO WANTED E106
           MOVE E106 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$|-45|" FITS "|[" E106 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123 TO WANTED E106
           MOVE E106 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$|123|" FITS "|[" E106 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -123 TO WANTED E106
           MOVE E106 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$|-123|" FITS "|[" E106 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1234.5 TO WANTED E106
           MOVE E106 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$|1234.5|" FITS "|[" E106 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -1234.5 TO WANTED E106
           MOVE E106 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$|-1234.5|" FITS "|[" E106 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.05 TO WANTED E106
           MOVE E106 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$|0.05|" FITS "|[" E106 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -0.05 TO WANTED E106
           MOVE E106 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$|-0.05|" FITS "|[" E106 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 12345 TO WANTED E106
           MOVE E106 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$|12345|" FITS "|[" E106 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 99999.99 TO WANTED E106
           MOVE E106 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$|99999.99|" FITS "|[" E106 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 123456 TO WANTED E106
           MOVE E106 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$|123456|" FITS "|[" E106 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 100 TO WANTED E106
           MOVE E106 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$|100|" FITS "|[" E106 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000 TO WANTED E106
           MOVE E106 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$|1000|" FITS "|[" E106 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 1000.01 TO WANTED E106
           MOVE E106 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$|1000.01|" FITS "|[" E106 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.5 TO WANTED E106
           MOVE E106 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$|0.5|" FITS "|[" E106 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE -9999 TO WANTED E106
           MOVE E106 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$|-9999|" FITS "|[" E106 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           MOVE 0.000123 TO WANTED E106
           MOVE E106 TO BACK-AGAIN
           MOVE "N" TO FITS
           IF BACK-AGAIN = WANTED MOVE "Y" TO FITS END-IF
           MOVE SPACES TO LIST-LINE
           STRING "$$,$$$|0.000123|" FITS "|[" E106 "]"
               DELIMITED BY SIZE INTO LIST-LINE
           WRITE LIST-LINE
           CLOSE LIST-FILE
           STOP RUN.
