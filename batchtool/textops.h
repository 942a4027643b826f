// Text rewriting behind rovik's set, arithmetic and translation operations.
// Plain inputs and outputs; no platform calls.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace rovik {

// Reads an integer the way batch files hand numbers over: leading blanks,
// an optional sign, decimal digits; the first other character ends it and
// no digits give 0. Digits beyond 32 bits wrap around like the arithmetic.
int32_t parseInt(const std::string& text);

// 32-bit signed arithmetic that wraps on overflow instead of misbehaving.
int32_t wrapAdd(int32_t a, int32_t b);
int32_t wrapSub(int32_t a, int32_t b);
int32_t wrapMul(int32_t a, int32_t b);

// The part of value that -p sets: underscores become blanks, then the text
// from position index (1 and 0 both mean the first character) is cut to
// count characters. Absent index: from the start; absent count: 2000.
std::string selectPart(const std::string& value, std::optional<std::string> index,
                       std::optional<std::string> count);

enum class MathStatus { Ok, BadOperator, DivideByZero };

struct MathResult {
    MathStatus status = MathStatus::Ok;
    int32_t value = 0;
};

// a op b with the operator chosen by the first character of op (+ - * /);
// the quotient truncates toward zero and the smallest number divided by -1
// wraps to itself.
MathResult calculate(const std::string& op, const std::string& a, const std::string& b);

// The blank/backslash translation: "_" becomes a blank, a backslash is
// dropped and the character after it copied unchanged, a backslash at the
// very end ends the text.
std::string blankTranslate(const std::string& text);

// The name fragment that a file matched by a "*" pattern holds where the
// star stands: the found name from the star's position (the number of name
// characters before the "*" in the pattern) up to where the text after the
// star occurs, searched without regard to case from that position on.
// None when the pattern has no "*", the text after it is empty or it does
// not occur. Letter case of the fragment is left as found.
std::optional<std::string> starFragment(const std::string& pattern, const std::string& foundName);

// The fixed lines of -clear: every variable rovik chooses itself for the
// directory and date operations, cleared.
extern const char* const clearedVariables[13];

}  // namespace rovik
