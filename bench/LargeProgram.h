#pragma once

// Generates large fixed-format COBOL programs for the benchmarks: numbered
// 80-column lines with the divisions, data sections full of 01 levels and
// PROCEDURE DIVISION sections of paragraphs that perform one another, with
// comments and blank lines between, in roughly the proportions of real code.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace norvane::bench {

class LargeProgram {
public:
    [[nodiscard]] static std::vector<std::string> make(std::size_t lineCount)
    {
        LargeProgram program(lineCount);
        program.build();
        return std::move(program.m_lines);
    }

private:
    explicit LargeProgram(std::size_t lineCount) : m_target(lineCount) { m_lines.reserve(lineCount); }

    void build()
    {
        areaA("IDENTIFICATION DIVISION.");
        areaA("PROGRAM-ID. LARGEPGM.");
        comment("GENERATED PROGRAM FOR TIMING THE STRUCTURE SCAN");
        areaA("ENVIRONMENT DIVISION.");
        areaA("CONFIGURATION SECTION.");
        areaA("SOURCE-COMPUTER. IBM-370.");
        areaA("INPUT-OUTPUT SECTION.");
        areaA("FILE-CONTROL.");
        areaB("SELECT IN-FILE ASSIGN TO INFILE.");
        areaA("DATA DIVISION.");
        areaA("WORKING-STORAGE SECTION.");
        const std::size_t dataEnd = m_target * 3 / 10;
        for (int record = 0; m_lines.size() < dataEnd; ++record)
            dataRecord(record);
        areaA("PROCEDURE DIVISION.");
        for (int section = 0; !full(); ++section)
            procedureSection(section);
        m_lines.resize(m_target);
    }

    [[nodiscard]] bool full() const { return m_lines.size() >= m_target; }

    void dataRecord(int record)
    {
        const std::string name = "WS-REC-" + std::to_string(record);
        if (next() % 4 == 0)
            comment("RECORD " + name);
        if (next() % 3 == 0) {
            areaA("01  " + name + "-SW       PIC X(01) VALUE 'N'.");
            areaB("88  " + name + "-ON   VALUE 'Y'.");
            return;
        }
        areaA("01  " + name + ".");
        const int fields = 3 + static_cast<int>(next() % 8);
        for (int field = 0; field < fields; ++field) {
            const std::string fieldName = name + "-F" + std::to_string(field);
            switch (next() % 3) {
            case 0: areaB("05  " + fieldName + "        PIC X(" + std::to_string(1 + next() % 40) + ")."); break;
            case 1: areaB("05  " + fieldName + "        PIC S9(7)V99 COMP-3."); break;
            default: areaB("05  " + fieldName + "        PIC 9(4) COMP."); break;
            }
        }
    }

    void procedureSection(int section)
    {
        // Appended rather than "S" + ..., which trips a false -Wrestrict in GCC 12.
        std::string name = "S";
        name += std::to_string(section);
        blank();
        comment("SECTION " + name);
        areaA(name + "-MAIN SECTION.");
        const int paragraphs = 3 + static_cast<int>(next() % 6);
        for (int paragraph = 0; paragraph < paragraphs && !full(); ++paragraph) {
            const std::string paragraphName = name + "-P" + std::to_string(paragraph);
            areaA(paragraphName + ".");
            const int statements = 4 + static_cast<int>(next() % 12);
            for (int statement = 0; statement < statements; ++statement)
                procedureStatement(name, paragraphs);
            areaA(paragraphName + "-EXIT.");
            areaB("EXIT.");
        }
    }

    void procedureStatement(const std::string &section, int paragraphs)
    {
        const std::string target = section + "-P" + std::to_string(next() % paragraphs);
        switch (next() % 10) {
        case 0: areaB("PERFORM " + target + " THRU " + target + "-EXIT."); break;
        case 1: areaB("PERFORM " + target + "."); break;
        case 2:
            areaB("PERFORM");
            areaB("    " + target + ".");
            break;
        case 3:
            areaB("PERFORM VARYING WS-IX FROM 1 BY 1 UNTIL WS-IX > 10");
            areaB("    ADD 1 TO WS-COUNT");
            areaB("END-PERFORM");
            break;
        case 4: comment("CHECK THE STATUS BEFORE GOING ON"); break;
        case 5:
            areaB("IF WS-STATUS = '00'");
            areaB("    MOVE SPACES TO WS-LINE");
            areaB("END-IF");
            break;
        case 6: areaB("EXEC SQL SELECT 1 INTO :WS-N FROM SYSIBM.SYSDUMMY1 END-EXEC"); break;
        default: areaB("MOVE WS-FIELD-A TO WS-FIELD-B."); break;
        }
    }

    // Sequence number in columns 1-6, text from column 8 or 12, identification
    // in columns 73-80.
    void line(char indicator, std::string_view indent, std::string_view text)
    {
        std::string out = std::to_string(100000 + m_lines.size() % 900000);
        out.push_back(indicator);
        out.append(indent).append(text);
        if (out.size() < 72)
            out.append(72 - out.size(), ' ');
        out.resize(72);
        out.append("LARGEPGM");
        m_lines.push_back(std::move(out));
    }

    void areaA(std::string_view text) { line(' ', "", text); }
    void areaB(std::string_view text) { line(' ', "    ", text); }
    void comment(std::string_view text) { line('*', " ", text); }
    void blank() { m_lines.emplace_back(); }

    std::uint32_t next()
    {
        m_seed = m_seed * 1664525u + 1013904223u;
        return m_seed >> 8;
    }

    std::size_t m_target;
    std::vector<std::string> m_lines;
    std::uint32_t m_seed = 12345;
};

} // namespace norvane::bench
