// Letter case mapped with the user's locale, as the system's own text
// functions map it (accented letters of the ANSI code page included).
#pragma once

#include <string>

namespace rovik {

// Every letter of text to lower case.
void lowerLocale(std::string& text);

// The first character of text to upper case; the rest stays as it is.
void upperFirstLocale(std::string& text);

}  // namespace rovik
