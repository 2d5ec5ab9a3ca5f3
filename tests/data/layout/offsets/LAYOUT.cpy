      * Offsets fixture: nested OCCURS, REDEFINES, every usage spelling,
      * group usage, editing symbols, SIGN SEPARATE, SYNC and ODO.
       01  LAYOUT-REC.
           05  REC-TYPE                PIC X.
           05  REC-KEY.
               10  KEY-BRANCH          PIC 9(3).
               10  KEY-NUMBER          PIC S9(7) COMP-3.
           05  REC-KEY-X REDEFINES REC-KEY
                                       PIC X(7).
           05  AMOUNTS.
               10  AMT-DISPLAY         PIC S9(5)V99.
               10  AMT-COMP            PIC S9(4) COMP.
               10  AMT-COMPUTATIONAL   PIC S9(9) COMPUTATIONAL.
               10  AMT-BINARY          PIC 9(10) BINARY.
               10  AMT-COMP4           PIC S9(18) COMP-4.
               10  AMT-COMP5           PIC 9(5) COMP-5.
               10  AMT-USAGE-IS        PIC S9(3) USAGE IS COMP.
               10  AMT-PACKED          PIC S9(7)V99 PACKED-DECIMAL.
               10  AMT-COMP3           PIC 9(4) COMP-3.
               10  AMT-COMPUTATIONAL3  PIC S9(2) COMPUTATIONAL-3.
               10  AMT-USAGE-FIRST     USAGE COMP-3 PIC S9(6).
               10  AMT-VALUE-FIRST     VALUE ZERO PIC 9(3) COMP.
               10  AMT-OCCURS-FIRST    OCCURS 2 TIMES PIC 9(2).
               10  AMT-FLOAT           COMP-1.
               10  AMT-DOUBLE          USAGE IS COMP-2.
           05  GROUP-PACKED            USAGE COMP-3.
               10  GP-ONE              PIC S9(5).
               10  GP-TWO              PIC 9(2).
           05  GROUP-BINARY            COMP.
               10  GB-ONE              PIC 9(4).
               10  GB-TWO              PIC S9(12).
           05  TABLE-A                 OCCURS 3 TIMES.
               10  TA-CODE             PIC XX.
               10  TA-QTY              PIC 9(3) COMP-3 OCCURS 2.
               10  TA-INNER            OCCURS 2.
                   15  TI-FLAG         PIC X.
                   15  TI-VALUE        PIC S9(4) COMP.
                   15  TI-VALUE-X REDEFINES TI-VALUE
                                       PIC XX.
           05  SHORT-AREA              PIC X(10).
           05  SHORT-REDEF REDEFINES SHORT-AREA.
               10  SR-ONE              PIC X(2).
               10  SR-TWO              PIC 9(3).
           05  LONG-AREA               PIC X(2).
           05  LONG-REDEF REDEFINES LONG-AREA
                                       PIC X(5).
           05  CHAIN-A                 PIC X(4).
           05  CHAIN-B REDEFINES CHAIN-A
                                       PIC 9(2).
           05  CHAIN-C REDEFINES CHAIN-A.
               10  CC-ONE              PIC X(3).
               10  CC-TWO              PIC X(3).
           05  EDITED.
               10  ED-AMOUNT           PIC ZZ,ZZ9.99-.
               10  ED-DATE             PIC 99/99/99.
               10  ED-CREDIT           PIC ZZ9CR.
               10  ED-DEBIT            PIC ZZ9DB.
               10  ED-ALPHA            PIC A(3)BX(2).
               10  ED-ZERO             PIC 9(3)0.
               10  ED-STAR             PIC **9.
               10  ED-SCALED           PIC 9(3)PP.
               10  ED-SEP              PIC S9(3) SIGN LEADING SEPARATE.
           05  FILLER                  PIC X(3).
           05  SYNC-PAD                PIC X.
           05  SYNC-BIN                PIC S9(9) COMP SYNC.
           05  SYNC-PAD2               PIC X.
           05  SYNC-DOUBLE             PIC S9(15) COMP SYNC.
           05  TAIL-DEP                PIC X(2)
                                       OCCURS 1 TO 4
                                       DEPENDING ON TAIL-COUNT.
