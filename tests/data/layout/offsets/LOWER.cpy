      * Offsets fixture: lower case, one-digit levels, clause order,
      * and two records.
       1 lower-rec.
         5 lr-id pic 9(4) comp.
         5 lr-name pic x(20).
         5 lr-tab occurs 2.
           10 lr-amt pic s9(7)v99 comp-3.
           10 lr-cnt usage is binary pic 9(9).
           10 lr-sub occurs 3 pic s9 sign trailing separate.
         5 lr-last pic x.
       1 other-rec.
         5 or-code pic x(3).
         5 or-amount computational-3 pic s9(3)v9.
