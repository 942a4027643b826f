// The line rules of text read from files, the byte-order marks, and what
// the import appends.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "history/import_lines.h"
#include "support/text_encoding.h"
#include "support/text_lines.h"

using namespace std::string_literals;
using Lines = std::vector<std::string>;

namespace {

Lines read_all(std::string_view text) {
    Lines lines;
    for (std::string_view line; vq::read_line(text, line);) lines.emplace_back(line);
    return lines;
}

// Each line end ends one line: CR LF, a lone CR, a lone LF, a run of zero
// bytes; the last line needs none, and a line end at the very end opens no
// further line.  Lines over 500 characters come in pieces.
TEST(ReadLine, LineEndsZeroBytesAndPieces) {
    const std::string q1200(1200, 'q');
    const struct {
        std::string bytes;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"a\r\nb\r", {"a", "b"}},
        {"a\nb\rc", {"a", "b", "c"}},
        {"a\n\rb", {"a", "", "b"}},
        {"one\r\n" + std::string(512, '\0') + "two\r\n", {"one", "", "two"}},
        {"ab\0\0cd\0"s, {"ab", "cd"}},
        {q1200 + "\r\nz", {std::string(500, 'q'), std::string(500, 'q'), std::string(200, 'q'), "z"}},
        {std::string(500, 'q') + "\r\n", {std::string(500, 'q')}},
    };
    for (const auto& c : cases) EXPECT_EQ(read_all(c.bytes), c.lines) << testing::PrintToString(c.bytes);
}

TEST(ByteOrderMark, MarksAndUnits) {
    const struct {
        std::string bytes;
        vq::TextEncoding encoding;
        size_t length;
    } cases[] = {
        {"\xEF\xBB\xBF"
         "dir",
         vq::TextEncoding::utf8, 3},
        {"\xFF\xFE"
         "d\0"s,
         vq::TextEncoding::utf16le, 2},
        {"\xFE\xFF\0d"s, vq::TextEncoding::utf16be, 2},
        {"dir", vq::TextEncoding::code_page, 0},
        {"\xFF", vq::TextEncoding::code_page, 0},
        {"", vq::TextEncoding::code_page, 0},
    };
    for (const auto& c : cases) {
        const vq::ByteOrderMark mark = vq::byte_order_mark(c.bytes);
        EXPECT_EQ(mark.encoding, c.encoding) << testing::PrintToString(c.bytes);
        EXPECT_EQ(mark.length, c.length) << testing::PrintToString(c.bytes);
    }
    // A trailing odd byte is dropped.
    EXPECT_EQ(vq::utf16_units("d\0\xE9\0\x3B\x04x"s, false), u"d\u00E9\u043B");
    EXPECT_EQ(vq::utf16_units("\0d\x04\x3B"s, true), u"d\u043B");
}

TEST(ImportLines, SkipsEmptyAndCommentLinesAndCutsLongOnes) {
    std::string out = "kept\r\n";
    vq::append_import_lines(
        "dir /w\r\n;comment\r\n\r\n  indented\nlf only\n\0\0last"s + "\r" + std::string(600, 'q'), out);
    EXPECT_EQ(out, "kept\r\ndir /w\r\n  indented\r\nlf only\r\nlast\r\n" + std::string(500, 'q') + "\r\n" +
                       std::string(100, 'q') + "\r\n");
}

// Appending to a file whose last line has no line end starts a new line
// first; every line end (zero bytes too) counts as one.
TEST(ImportLines, ALineEndBeforeAppendingOnlyAfterAnOpenLine) {
    const struct {
        std::string end;
        std::string before;
    } cases[] = {{"", ""}, {"\n", ""}, {"\r", ""}, {"\0"s, ""}, {"x", "\r\n"}, {" ", "\r\n"}};
    for (const auto& c : cases)
        EXPECT_EQ(vq::line_end_before_append(c.end), c.before) << testing::PrintToString(c.end);
}

}  // namespace
