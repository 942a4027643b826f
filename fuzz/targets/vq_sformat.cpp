// sformat with random formats and arguments. Two kinds of input, chosen by
// the first byte:
//  - formats built from literal text and well-formed directives
//    (%[-][width][.precision]s or d) with arguments of the right kind: the
//    result must be what the C library's printf makes of each piece; with
//    one argument of the wrong kind or missing, the failure text naming
//    that directive;
//  - any bytes as the format with random texts and integers: sformat must
//    not fail, a format without "%" comes back unchanged, and a failure
//    text ends with the format it complains about.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/format.h"

using namespace vq;

namespace {

const std::string failureStart = "Format() error in program!\r\nError:\r\n";

[[noreturn]] void fail(const char* what, const std::string& format, const std::string& got) {
    std::fprintf(stderr, "sformat: %s\nformat: [%s]\nresult: [%s]\n", what, format.c_str(), got.c_str());
    std::abort();
}

std::string failure(const char* complaint, const std::string& directive, const std::string& format) {
    std::string text(complaint);
    text.replace(text.find("%s"), 2, directive.substr(0, 31));
    return failureStart + text + "\r\nFormat:\r\n" + format;
}

void wellFormed(FuzzedDataProvider& in) {
    std::string format, expected, fault;
    Args args;
    while (in.remaining_bytes() > 0 && fault.empty()) {
        if (in.ConsumeBool()) {
            for (char c : in.ConsumeRandomLengthString(12)) {
                if (c == '%') format += '%';
                format += c;
                expected += c;
            }
            continue;
        }
        const bool text = in.ConsumeBool();
        std::string directive = "%";
        if (in.ConsumeBool()) directive += '-';
        if (in.ConsumeBool()) directive += std::to_string(in.ConsumeIntegralInRange(1, 60));
        // printf writes no digit for the value 0 with precision 0; the
        // launcher's format always writes one, so %d gets precision 1 up.
        if (in.ConsumeBool()) directive += '.' + std::to_string(in.ConsumeIntegralInRange(text ? 0 : 1, 40));
        directive += text ? 's' : 'd';
        format += directive;

        switch (in.ConsumeIntegralInRange(0, 15)) {
            case 0:  // no argument left for it
                fault = failure(format_no_argument_text, directive, format);
                break;
            case 1:  // an argument of the other kind
                args.push_back(text ? Arg(in.ConsumeIntegral<int32_t>())
                                    : Arg(in.ConsumeRandomLengthString(8)));
                fault = failure(format_invalid_text, directive, format);
                break;
            default: {
                char piece[256];
                if (text) {
                    std::string value = in.ConsumeRandomLengthString(30);
                    // printf stops at a NUL; the launcher's texts hold none.
                    value = value.substr(0, value.find('\0'));
                    std::snprintf(piece, sizeof piece, directive.c_str(), value.c_str());
                    args.push_back(Arg(value));
                } else {
                    const int32_t value = in.ConsumeIntegral<int32_t>();
                    std::snprintf(piece, sizeof piece, directive.c_str(), static_cast<int>(value));
                    args.push_back(Arg(value));
                }
                expected += piece;
            }
        }
    }
    if (!fault.empty()) {
        // The rest of the format does not matter once a directive failed.
        const std::string tail = in.ConsumeRandomLengthString(8);
        if (tail.find('%') == std::string::npos) {
            format += tail;
            fault += tail;
        }
        expected = fault;
    }
    const std::string got = sformat(format, args);
    if (got != expected) fail(("expected [" + expected + "]").c_str(), format, got);
}

void anyBytes(FuzzedDataProvider& in) {
    Args args;
    const int count = in.ConsumeIntegralInRange(0, 6);
    for (int i = 0; i < count; ++i) {
        if (in.ConsumeBool())
            args.push_back(Arg(in.ConsumeRandomLengthString(20)));
        else
            args.push_back(Arg(in.ConsumeIntegral<int32_t>()));
    }
    const std::string format = in.ConsumeRemainingBytesAsString();
    const std::string got = sformat(format, args);
    if (format.find('%') == std::string::npos && got != format) fail("a plain text changed", format, got);
    const auto startsWithFailure = [](const std::string& t) { return t.rfind(failureStart, 0) == 0; };
    if (startsWithFailure(got) && !startsWithFailure(format)) {
        const std::string end = "\r\nFormat:\r\n" + format;
        if (got.size() < end.size() || got.compare(got.size() - end.size(), end.size(), end) != 0)
            fail("failure text does not end with the format", format, got);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    if (in.ConsumeBool())
        wellFormed(in);
    else
        anyBytes(in);
    return 0;
}
