// The letters of a text that a code page lacks, named each once: here a
// code page that holds a letter when it is one unit below U+0100 (as
// Latin-1 does).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/unheld_letters.h"

namespace {

TEST(UnheldLetters, EachLetterOnceInOrderAPairAsOne) {
    const auto latin1 = [](std::u16string_view letter) { return letter.size() == 1 && letter[0] < 0x100; };
    const struct {
        std::u16string text;
        std::vector<std::u16string> lacking;
    } cases[] = {
        {u"", {}},
        {u"rec.exe run caf\u00E9 \u00FCber Stra\u00DFe", {}},
        {u"rec.exe run \u03B1\u03B2\u03B3 \u0394\u03B5\u03BB\u03C4\u03B1",
         {u"\u03B1", u"\u03B2", u"\u03B3", u"\u0394", u"\u03B5", u"\u03BB", u"\u03C4"}},
        {u"echo \u043C\u0438\u0440 \u043C\u0438\u0440", {u"\u043C", u"\u0438", u"\u0440"}},
        {u"del \u6F22\u5B57.txt", {u"\u6F22", u"\u5B57"}},
        {u"echo \U0001F600 and \U0001F600", {u"\U0001F600"}},
        // Surrogates without their partner are letters of their own.
        {u"a\xD800", {u"\xD800"}},
        {u"\xDC00\xD800!", {u"\xDC00", u"\xD800"}},
    };
    for (const auto& c : cases) {
        const std::vector<std::u16string> got = vq::unheld_letters(c.text, latin1);
        EXPECT_EQ(got, c.lacking) << testing::PrintToString(std::vector<char16_t>(c.text.begin(), c.text.end()));
    }
    EXPECT_EQ(vq::letters_of(u"a\U0001F600b").size(), 3u);
}

}  // namespace
