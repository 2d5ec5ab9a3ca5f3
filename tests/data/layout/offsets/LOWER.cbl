       IDENTIFICATION DIVISION.
       PROGRAM-ID. LOWER.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       01  P-AREA.
           05  P                   USAGE POINTER.
       01  P-NUM REDEFINES P-AREA  PIC 9(18) COMP-5.
       01  BASE-ADDR               PIC 9(18) COMP-5.
       01  OFS                     PIC 9(9).
       01  LEN                     PIC 9(9).
       01  NM                      PIC X(40).
       COPY "LOWER.cpy".
       PROCEDURE DIVISION.
           SET P TO ADDRESS OF lower-rec
           MOVE P-NUM TO BASE-ADDR
           SET P TO ADDRESS OF lower-rec
           MOVE "lower-rec" TO NM
           MOVE FUNCTION LENGTH(lower-rec) TO LEN
           PERFORM SHOW
           SET P TO ADDRESS OF lr-id
           MOVE "lr-id" TO NM
           MOVE FUNCTION LENGTH(lr-id) TO LEN
           PERFORM SHOW
           SET P TO ADDRESS OF lr-name
           MOVE "lr-name" TO NM
           MOVE FUNCTION LENGTH(lr-name) TO LEN
           PERFORM SHOW
           SET P TO ADDRESS OF lr-tab(1)
           MOVE "lr-tab(1)" TO NM
           MOVE FUNCTION LENGTH(lr-tab(1)) TO LEN
           PERFORM SHOW
           SET P TO ADDRESS OF lr-amt(1)
           MOVE "lr-amt(1)" TO NM
           MOVE FUNCTION LENGTH(lr-amt(1)) TO LEN
           PERFORM SHOW
           SET P TO ADDRESS OF lr-cnt(1)
           MOVE "lr-cnt(1)" TO NM
           MOVE FUNCTION LENGTH(lr-cnt(1)) TO LEN
           PERFORM SHOW
           SET P TO ADDRESS OF lr-sub(1 1)
           MOVE "lr-sub(1,1)" TO NM
           MOVE FUNCTION LENGTH(lr-sub(1 1)) TO LEN
           PERFORM SHOW
           SET P TO ADDRESS OF lr-sub(1 2)
           MOVE "lr-sub(1,2)" TO NM
           MOVE FUNCTION LENGTH(lr-sub(1 2)) TO LEN
           PERFORM SHOW
           SET P TO ADDRESS OF lr-sub(1 3)
           MOVE "lr-sub(1,3)" TO NM
           MOVE FUNCTION LENGTH(lr-sub(1 3)) TO LEN
           PERFORM SHOW
           SET P TO ADDRESS OF lr-tab(2)
           MOVE "lr-tab(2)" TO NM
           MOVE FUNCTION LENGTH(lr-tab(2)) TO LEN
           PERFORM SHOW
           SET P TO ADDRESS OF lr-amt(2)
           MOVE "lr-amt(2)" TO NM
           MOVE FUNCTION LENGTH(lr-amt(2)) TO LEN
           PERFORM SHOW
           SET P TO ADDRESS OF lr-cnt(2)
           MOVE "lr-cnt(2)" TO NM
           MOVE FUNCTION LENGTH(lr-cnt(2)) TO LEN
           PERFORM SHOW
           SET P TO ADDRESS OF lr-sub(2 1)
           MOVE "lr-sub(2,1)" TO NM
           MOVE FUNCTION LENGTH(lr-sub(2 1)) TO LEN
           PERFORM SHOW
           SET P TO ADDRESS OF lr-sub(2 2)
           MOVE "lr-sub(2,2)" TO NM
           MOVE FUNCTION LENGTH(lr-sub(2 2)) TO LEN
           PERFORM SHOW
           SET P TO ADDRESS OF lr-sub(2 3)
           MOVE "lr-sub(2,3)" TO NM
           MOVE FUNCTION LENGTH(lr-sub(2 3)) TO LEN
           PERFORM SHOW
           SET P TO ADDRESS OF lr-last
           MOVE "lr-last" TO NM
           MOVE FUNCTION LENGTH(lr-last) TO LEN
           PERFORM SHOW
           SET P TO ADDRESS OF other-rec
           MOVE P-NUM TO BASE-ADDR
           SET P TO ADDRESS OF other-rec
           MOVE "other-rec" TO NM
           MOVE FUNCTION LENGTH(other-rec) TO LEN
           PERFORM SHOW
           SET P TO ADDRESS OF or-code
           MOVE "or-code" TO NM
           MOVE FUNCTION LENGTH(or-code) TO LEN
           PERFORM SHOW
           SET P TO ADDRESS OF or-amount
           MOVE "or-amount" TO NM
           MOVE FUNCTION LENGTH(or-amount) TO LEN
           PERFORM SHOW
           STOP RUN.
       SHOW.
           COMPUTE OFS = P-NUM - BASE-ADDR + 1
           DISPLAY FUNCTION TRIM(NM) " " OFS " " LEN.
