// Safe printf-style formatting over a typed argument list.
#include "support/format.h"

#include <exception>
#include <stdexcept>

namespace vq {

namespace {

// A directive that does not fit its arguments; carries the complaint.
struct format_fault : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string fill(const char* complaint, std::string_view directive) {
    std::string d(directive.substr(0, 31));
    std::string text(complaint);
    auto at = text.find("%s");
    text.replace(at, 2, d);
    return text;
}

std::string decimal(std::int32_t n) {
    // Work in 64 bits so that the most negative value prints correctly.
    long long v = n;
    bool negative = v < 0;
    if (negative) v = -v;
    std::string digits;
    do {
        digits.insert(digits.begin(), char('0' + v % 10));
        v /= 10;
    } while (v != 0);
    return negative ? "-" + digits : digits;
}

// Pads a converted value to `width` (right-aligned unless `left`).
void put(std::string& out, const std::string& value, int width, bool left) {
    int pad = width - static_cast<int>(value.size());
    if (pad > 0 && !left) out.append(pad, ' ');
    out += value;
    if (pad > 0 && left) out.append(pad, ' ');
}

std::string format_or_throw(std::string_view format, const Args& args) {
    std::string out;
    std::size_t next_arg = 0;
    std::size_t i = 0;
    while (i < format.size()) {
        char c = format[i];
        if (c != '%') {
            out += c;
            ++i;
            continue;
        }
        std::size_t start = i++;
        if (i < format.size() && format[i] == '%') {
            out += '%';
            ++i;
            continue;
        }
        // %[-][width][.precision]type
        bool left = false;
        if (i < format.size() && format[i] == '-') {
            left = true;
            ++i;
        }
        int width = 0;
        while (i < format.size() && format[i] >= '0' && format[i] <= '9') {
            width = width * 10 + (format[i] - '0');
            if (width > 10000) width = 10000;
            ++i;
        }
        int precision = -1;
        if (i < format.size() && format[i] == '.') {
            ++i;
            precision = 0;
            while (i < format.size() && format[i] >= '0' && format[i] <= '9') {
                precision = precision * 10 + (format[i] - '0');
                if (precision > 10000) precision = 10000;
                ++i;
            }
        }
        if (i >= format.size()) {
            throw format_fault(fill(format_invalid_text, format.substr(start)));
        }
        char type = format[i++];
        std::string_view directive = format.substr(start, i - start);
        if (type != 's' && type != 'd') {
            throw format_fault(fill(format_invalid_text, directive));
        }
        if (next_arg >= args.size()) {
            throw format_fault(fill(format_no_argument_text, directive));
        }
        const Arg& arg = args[next_arg++];
        if (type == 's') {
            if (arg.kind != Arg::Kind::text) {
                throw format_fault(fill(format_invalid_text, directive));
            }
            std::string value = arg.text;
            if (precision >= 0 && value.size() > static_cast<std::size_t>(precision)) {
                value.resize(precision);
            }
            put(out, value, width, left);
        } else {
            if (arg.kind != Arg::Kind::integer) {
                throw format_fault(fill(format_invalid_text, directive));
            }
            std::string value = decimal(arg.number);
            if (precision > 0) {
                bool negative = !value.empty() && value[0] == '-';
                std::string digits = negative ? value.substr(1) : value;
                if (digits.size() < static_cast<std::size_t>(precision)) {
                    digits.insert(0, precision - digits.size(), '0');
                }
                value = negative ? "-" + digits : digits;
            }
            put(out, value, width, left);
        }
    }
    return out;
}

}  // namespace

std::string sformat(std::string_view format, const Args& args) {
    try {
        return format_or_throw(format, args);
    } catch (const std::exception& e) {
        try {
            return "Format() error in program!\r\nError:\r\n" + std::string(e.what()) + "\r\nFormat:\r\n" +
                   std::string(format);
        } catch (...) {
            return "Format() error in program!";
        }
    } catch (...) {
        return "Format() error in program!";
    }
}

}  // namespace vq
