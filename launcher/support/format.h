// Safe printf-style formatting: %s takes a text argument, %d an integer,
// %% gives one percent sign. A format that does not fit its arguments never
// fails; it yields a readable five-line error text instead.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

// One typed argument of a format: either a text or a signed 32-bit integer.
struct Arg {
    enum class Kind { text, integer };

    Arg(const char* s) : kind(Kind::text), text(s ? s : "") {}
    Arg(const std::string& s) : kind(Kind::text), text(s) {}
    Arg(std::string_view s) : kind(Kind::text), text(s) {}
    Arg(std::int32_t n) : kind(Kind::integer), number(n) {}

    Kind kind;
    std::string text;
    std::int32_t number = 0;
};

using Args = std::vector<Arg>;

// The complaints of the formatter, filled with the offending directive.
inline constexpr const char* format_invalid_text = "Format '%s' invalid or incompatible with argument";
inline constexpr const char* format_no_argument_text = "No argument for format '%s'";

// Formats `format` with `args`. On a formatting fault the result is
// "Format() error in program!\r\nError:\r\n<complaint>\r\nFormat:\r\n<format>".
// Never throws.
std::string sformat(std::string_view format, const Args& args = {});

}  // namespace vq
