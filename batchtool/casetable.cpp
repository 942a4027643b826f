#include "casetable.h"

namespace rovik {

namespace {
CaseTable& current() {
    static CaseTable table = asciiCaseTable();
    return table;
}
}  // namespace

CaseTable asciiCaseTable() {
    CaseTable t;
    for (int c = 0; c < 256; ++c) {
        t.upper[c] = static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        t.lower[c] = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return t;
}

const CaseTable& caseTable() {
    return current();
}

void installCaseTable(const CaseTable& table) {
    current() = table;
}

}  // namespace rovik
