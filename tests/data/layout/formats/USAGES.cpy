      * Usages beyond display, binary and packed: separate signs,
      * floating point and native binary.
       01  USE-REC.
           05  U-NAME          PIC X(4).
           05  U-LEAD          PIC S9(3) SIGN LEADING SEPARATE.
           05  U-TRAIL         PIC S9(3)V99 SIGN TRAILING SEPARATE.
           05  U-SHORT         COMP-1.
           05  U-LONG          COMP-2.
           05  U-NATIVE        PIC S9(4) COMP-5.
           05  U-WORD          BINARY-LONG.
           05  U-BIG           PIC S9(4) COMP.
