      * Text and zoned fields, as a mainframe file and its ASCII twin
      * hold them: signs trailing and leading, an edited amount, text.
       01  FMT-REC.
           05  F-ID            PIC 9(6).
           05  F-NAME          PIC X(12).
           05  F-AMOUNT        PIC S9(7)V99.
           05  F-DELTA         PIC S9(3) SIGN LEADING.
           05  F-PRICE         PIC ZZ,ZZ9.99-.
           05  F-CODE          PIC X(4).
