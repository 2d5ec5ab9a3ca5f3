      * A variable record: a table whose counter says how many of its
      * five entries the record holds.
       01  ODO-REC.
           05  O-KEY           PIC X(4).
           05  O-COUNT         PIC 9(2).
           05  O-ITEM          OCCURS 0 TO 5 TIMES
                               DEPENDING ON O-COUNT.
               10  O-CODE      PIC X(3).
               10  O-QTY       PIC S9(3) COMP-3.
