      * One record of every kind of field the data editor converts.
       01  DATA-REC.
           05  D-NAME      PIC X(8).
           05  D-COUNT     PIC 9(5).
           05  D-AMOUNT    PIC S9(5)V99.
           05  D-DELTA     PIC S9(3).
           05  D-PRICE     PIC 9(3).99.
           05  D-EDIT      PIC ZZ,ZZ9.99-.
           05  B2          PIC S9(4) COMP.
           05  B2U         PIC 9(4) COMP.
           05  B4          PIC S9(7)V99 COMP.
           05  B8          PIC S9(15) COMP.
           05  B8U         PIC 9(18) COMP.
           05  P3          PIC S9(5)V99 COMP-3.
           05  P3U         PIC 9(4) COMP-3.
           05  T-ENTRY OCCURS 2.
               10  T-QTY   PIC S9(3) COMP-3.
               10  T-CODE  PIC XX.
