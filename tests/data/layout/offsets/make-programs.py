#!/usr/bin/env python3
"""Writes LAYOUT.cbl and LOWER.cbl: programs that COPY a fixture copybook and
DISPLAY, for every named item and occurrence, its 1-based byte offset from the
start of its record and its length, as GnuCOBOL lays them out.

The item trees below describe the copybooks by hand (name, occurrences,
subordinates), so the reference output does not depend on the code under test.
The two sample copybooks one folder up are real code (see ../SOURCES.md).
Run:  python3 make-programs.py && for p in LAYOUT LOWER CVACT01Y CVTRA05Y; do
        cobc -std=ibm -x $p.cbl && ./$p > $p.expected; done
"""


def item(name, occurs=0, *children):
    return (name, occurs, children)


LAYOUT = item("LAYOUT-REC", 0,
    item("REC-TYPE"),
    item("REC-KEY", 0, item("KEY-BRANCH"), item("KEY-NUMBER")),
    item("REC-KEY-X"),
    item("AMOUNTS", 0, *[item(n) for n in (
        "AMT-DISPLAY", "AMT-COMP", "AMT-COMPUTATIONAL", "AMT-BINARY", "AMT-COMP4", "AMT-COMP5",
        "AMT-USAGE-IS", "AMT-PACKED", "AMT-COMP3", "AMT-COMPUTATIONAL3", "AMT-USAGE-FIRST",
        "AMT-VALUE-FIRST")], item("AMT-OCCURS-FIRST", 2), item("AMT-FLOAT"), item("AMT-DOUBLE")),
    item("GROUP-PACKED", 0, item("GP-ONE"), item("GP-TWO")),
    item("GROUP-BINARY", 0, item("GB-ONE"), item("GB-TWO")),
    item("TABLE-A", 3,
         item("TA-CODE"), item("TA-QTY", 2),
         item("TA-INNER", 2, item("TI-FLAG"), item("TI-VALUE"), item("TI-VALUE-X"))),
    item("SHORT-AREA"),
    item("SHORT-REDEF", 0, item("SR-ONE"), item("SR-TWO")),
    item("LONG-AREA"), item("LONG-REDEF"),
    item("CHAIN-A"), item("CHAIN-B"), item("CHAIN-C", 0, item("CC-ONE"), item("CC-TWO")),
    item("EDITED", 0, *[item(n) for n in (
        "ED-AMOUNT", "ED-DATE", "ED-CREDIT", "ED-DEBIT", "ED-ALPHA", "ED-ZERO", "ED-STAR",
        "ED-SCALED", "ED-SEP")]),
    item("SYNC-PAD"), item("SYNC-BIN"), item("SYNC-PAD2"), item("SYNC-DOUBLE"),
    item("TAIL-DEP", 4),
)

LOWER = [
    item("lower-rec", 0,
         item("lr-id"), item("lr-name"),
         item("lr-tab", 2, item("lr-amt"), item("lr-cnt"), item("lr-sub", 3)),
         item("lr-last")),
    item("other-rec", 0, item("or-code"), item("or-amount")),
]


ACCOUNT = item("ACCOUNT-RECORD", 0, *[item(n) for n in (
    "ACCT-ID", "ACCT-ACTIVE-STATUS", "ACCT-CURR-BAL", "ACCT-CREDIT-LIMIT", "ACCT-CASH-CREDIT-LIMIT",
    "ACCT-OPEN-DATE", "ACCT-EXPIRAION-DATE", "ACCT-REISSUE-DATE", "ACCT-CURR-CYC-CREDIT",
    "ACCT-CURR-CYC-DEBIT", "ACCT-ADDR-ZIP", "ACCT-GROUP-ID")])

TRAN = item("TRAN-RECORD", 0, *[item(n) for n in (
    "TRAN-ID", "TRAN-TYPE-CD", "TRAN-CAT-CD", "TRAN-SOURCE", "TRAN-DESC", "TRAN-AMT",
    "TRAN-MERCHANT-ID", "TRAN-MERCHANT-NAME", "TRAN-MERCHANT-CITY", "TRAN-MERCHANT-ZIP",
    "TRAN-CARD-NUM", "TRAN-ORIG-TS", "TRAN-PROC-TS")])


def references(node, subscripts=()):
    name, occurs, children = node
    for k in range(1, occurs + 1) if occurs else [None]:
        subs = subscripts + ((k,) if k else ())
        yield name, subs
        for child in children:
            yield from references(child, subs)


def program(program_id, copybook, records, extra_storage=()):
    lines = [
        "       IDENTIFICATION DIVISION.",
        f"       PROGRAM-ID. {program_id}.",
        "       DATA DIVISION.",
        "       WORKING-STORAGE SECTION.",
        "       01  P-AREA.",
        "           05  P                   USAGE POINTER.",
        "       01  P-NUM REDEFINES P-AREA  PIC 9(18) COMP-5.",
        "       01  BASE-ADDR               PIC 9(18) COMP-5.",
        "       01  OFS                     PIC 9(9).",
        "       01  LEN                     PIC 9(9).",
        "       01  NM                      PIC X(40).",
        *extra_storage,
        f"       COPY \"{copybook}\".",
        "       PROCEDURE DIVISION.",
    ]
    for record in records:
        lines += [f"           SET P TO ADDRESS OF {record[0]}",
                  "           MOVE P-NUM TO BASE-ADDR"]
        for name, subs in references(record):
            ref = name + (f"({' '.join(map(str, subs))})" if subs else "")
            label = name + (f"({','.join(map(str, subs))})" if subs else "")
            lines += [f"           SET P TO ADDRESS OF {ref}",
                      f"           MOVE \"{label}\" TO NM",
                      f"           MOVE FUNCTION LENGTH({ref}) TO LEN",
                      "           PERFORM SHOW"]
    lines += [
        "           STOP RUN.",
        "       SHOW.",
        "           COMPUTE OFS = P-NUM - BASE-ADDR + 1",
        "           DISPLAY FUNCTION TRIM(NM) \" \" OFS \" \" LEN.",
    ]
    return "\n".join(lines) + "\n"


with open("LAYOUT.cbl", "w") as out:
    out.write(program("LAYOUT", "LAYOUT.cpy", [LAYOUT],
                      ["       01  TAIL-COUNT              PIC 9 VALUE 4."]))
with open("LOWER.cbl", "w") as out:
    out.write(program("LOWER", "LOWER.cpy", LOWER))
with open("CVACT01Y.cbl", "w") as out:
    out.write(program("CVACT01Y", "../CVACT01Y.cpy", [ACCOUNT]))
with open("CVTRA05Y.cbl", "w") as out:
    out.write(program("CVTRA05Y", "../CVTRA05Y.cpy", [TRAN]))
