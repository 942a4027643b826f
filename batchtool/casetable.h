// The letter case of rovik's texts: one table of upper- and lower-case
// partners for the 256 bytes of the code page the texts are in. Until the
// program installs the table of its code page, only the ASCII letters have
// partners.
#pragma once

#include <array>

namespace rovik {

struct CaseTable {
    std::array<unsigned char, 256> upper;
    std::array<unsigned char, 256> lower;
};

// The ASCII letters paired, every other byte its own partner.
CaseTable asciiCaseTable();

// The table in use.
const CaseTable& caseTable();

// Replaces the table in use (once, at the start of a run).
void installCaseTable(const CaseTable& table);

}  // namespace rovik
