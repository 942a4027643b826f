// Letter case in the console code page, mapped as the system maps the wide
// letters for the user's locale (é and É are partners in 437 and 850).
#pragma once

#include <string>

#include "casetable.h"

namespace rovik {

// The partners of every byte of a single-byte code page through the wide
// mapping. The ASCII letters keep their ASCII partners, and a byte whose
// partner the code page lacks (or that is no letter on its own, such as a
// lead byte) is its own partner.
CaseTable codePageCaseTable(unsigned codePage);

// Every letter of text to lower case, with the table in use.
void lowerLocale(std::string& text);

// The first character of text to upper case; the rest stays as it is.
void upperFirstLocale(std::string& text);

}  // namespace rovik
