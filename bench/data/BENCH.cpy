      * A 100-byte record of twelve fields of every usage, for the data
      * file benchmarks.
       01  BENCH-REC.
           05  B-ID        PIC 9(8).
           05  B-NAME      PIC X(20).
           05  B-AMOUNT    PIC S9(7)V99.
           05  B-PRICE     PIC ZZ,ZZ9.99-.
           05  B-QTY       PIC S9(4) COMP.
           05  B-COUNT     PIC 9(9) COMP.
           05  B-TOTAL     PIC S9(15) COMP.
           05  B-RATE      PIC S9(5)V99 COMP-3.
           05  B-BALANCE   PIC S9(11)V99 COMP-3.
           05  B-CODE      PIC X(10).
           05  B-FLAG      PIC 9.
           05  B-TAIL      PIC X(17).
