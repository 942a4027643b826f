// split_command, unquote, quote_arg and the position helpers under them,
// over random texts and positions. Checked:
//  - split_command on any text: the rest is at most 5000 characters; on a
//    trimmed line whose word is not quoted, word and rest give the line
//    back; a quoted word without quotes inside comes back with its quotes;
//  - unquote leaves no doubled quote; quote_arg then unquote gives a text
//    back unless it holds doubled quotes (which unquote collapses) or is
//    long enough for the 255-character bound of the collapse;
//  - pos_from finds the pattern where it says, never before its start.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/command_words.h"
#include "support/textops.h"

using namespace vq;

namespace {

[[noreturn]] void fail(const char* what, const std::string& text) {
    std::fprintf(stderr, "command words: %s: [%s]\n", what, text.c_str());
    std::abort();
}

void splitting(const std::string& line) {
    std::string program, rest;
    vq::split_command(line, program, rest);
    if (rest.size() > vq::command_rest_limit) fail("rest longer than its limit", line);
    if (line.empty() || static_cast<unsigned char>(line[0]) <= ' ') return;  // not a trimmed line

    const std::string front = line.substr(0, program.size() + vq::command_rest_limit);
    if (line[0] != '"') {
        if (program + rest != front) fail("word and rest do not give the line back", line);
        return;
    }
    // "WORD" REST, WORD without quotes: the word keeps its quotes.
    const size_t close = line.find('"', 1);
    if (close == std::string::npos || close == 1 || close > 200) return;
    if (close + 1 < line.size() && line[close + 1] == '"') return;  // a doubled quote
    if (program != line.substr(0, close + 1)) fail("quoted word lost its quotes", line);
    if (program + rest != front) fail("quoted word and rest do not give the line back", line);
}

void quoting(const std::string& text) {
    const std::string plain = unquote(text);
    if (plain.find("\"\"") != std::string::npos) fail("unquote left a doubled quote", text);
    if (plain.size() > text.size()) fail("unquote made the text longer", text);

    const std::string quoted = quote_arg(text, false);
    const std::string needed = quote_arg(text, true);
    if (needed != text && needed != quoted) fail("quote_arg only-if-needed is neither form", text);
    if (text.find(' ') != std::string::npos && needed != quoted)
        fail("a text with a blank stayed bare", text);
    // (Each doubled quote that unquote collapses keeps only the 255
    // characters after it: quoted texts that long lose their end.)
    if (text.find("\"\"") == std::string::npos && quoted.size() < 250 && unquote(quoted) != text)
        fail("unquote does not undo quote_arg", text);
}

void positions(FuzzedDataProvider& in, const std::string& text) {
    const int start = in.ConsumeIntegral<int32_t>();
    const int n = in.ConsumeIntegral<int32_t>();
    const std::string pattern = in.ConsumeRandomLengthString(4);
    const int at = pos_from(pattern, start, text);
    if (at != 0) {
        if (at < start || at < 1) fail("pos_from before its start", text);
        if (text.compare(static_cast<size_t>(at - 1), pattern.size(), pattern) != 0)
            fail("pos_from points at something else", text);
    }
    char_at(text, n);
    if (char_from_end(text, n).size() != 1) fail("char_from_end is not one character", text);
    std::string shorter = text;
    delete_char(shorter, n);
    if (shorter.size() > text.size()) fail("delete_char made the text longer", text);
    std::string longer = text;
    insert_char(longer, n, 'x');
    if (longer.size() > text.size() + 1) fail("insert_char added more than one character", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string second = in.ConsumeRandomLengthString(64);
    positions(in, second);
    const std::string text = in.ConsumeRemainingBytesAsString();
    splitting(text);
    quoting(text);
    vq::command_word(text);
    vq::is_batch_name(text, true);
    return 0;
}
