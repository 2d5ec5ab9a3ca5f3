      * A record of the fields a round trip must keep byte for byte:
      * signs leading and trailing, edited and floating pictures, P
      * scaling, a redefinition longer than its base, binary values
      * beyond their pictures, and numeric fields holding no number.
       01  RT-REC.
           05  R-NAME          PIC X(6).
           05  R-TRAIL         PIC S9(3).
           05  R-LEAD          PIC S9(3) SIGN IS LEADING.
           05  R-LEAD-V        PIC S9(3)V99 SIGN LEADING.
           05  R-CR            PIC 9(3)CR.
           05  R-DATE          PIC 99/99/99.
           05  R-GROUPS        PIC 999B999.
           05  R-THOU          PIC 9(3)000.
           05  R-STARS         PIC ***,**9.99.
           05  R-DOLLARS       PIC $$$,$$9.99.
           05  R-PLUS          PIC +++,++9.99.
           05  R-MINUS         PIC ---9.
           05  R-SCALED        PIC 9(3)PP.
           05  R-SMALL         PIC SVPP99.
           05  R-SHORT         PIC X(4).
           05  R-LONG REDEFINES R-SHORT
                               PIC X(9).
           05  R-BIN           PIC 9(4) COMP.
           05  R-SBIN          PIC S9(4) COMP.
           05  R-PACK          PIC S9(3) COMP-3.
           05  R-ODD           PIC 9(3).
           05  R-ODD-X REDEFINES R-ODD
                               PIC X(3).
           05  R-LAST          PIC X(3).
