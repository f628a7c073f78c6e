#include <gtest/gtest.h>

#include <string>

#include "core/MessageExcerpt.h"

namespace loopsim {
namespace {

using namespace std::string_literals;

TEST(MessageExcerpt, EscapesWhatATerminalWouldNotShowAsWritten) {
    const std::pair<std::string, std::string> rows[] = {
        {"Label8", "Label8"},
        {"", ""},
        {"two words", "two words"},
        {"line\r", "line\\r"},
        {"a\nb", "a\\nb"},
        {"\tx", "\\tx"},
        {"nul\0here"s, "nul\\x00here"},
        {"\x01\x1b[2J\x7f", "\\x01\\x1B[2J\\x7F"},
        {"C:\\path", "C:\\\\path"},
        {"caf\xC3\xA9 \xE2\x82\xAC", "caf\xC3\xA9 \xE2\x82\xAC"},  // é and € stay
        {"\xEF\xBB\xBF"s + "0", "\\uFEFF0"},                       // byte-order mark
        {"a\xE2\x80\xA8"s + "b", "a\\u2028b"},                     // line separator
        {"\xE2\x80\xAE"s + "txt", "\\u202Etxt"},                   // right-to-left override
        {"\xC2\x85", "\\u0085"},                                   // next line (C1)
        {"\xFF\xFE", "\\xFF\\xFE"},                                // not UTF-8
        {"\xC3", "\\xC3"},                                         // cut short
        {"\xC3(", "\\xC3("},                                       // bad continuation
        {"\xC0\xAF", "\\xC0\\xAF"},                                // overlong '/'
        {"\xED\xA0\x80", "\\xED\\xA0\\x80"},                       // surrogate
        {"\xF4\x90\x80\x80", "\\xF4\\x90\\x80\\x80"},              // past U+10FFFF
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},                  // four bytes, valid
    };
    for (const auto& [text, excerpt] : rows)
        EXPECT_EQ(messageExcerpt(text), excerpt) << text;
}

// Sixty characters at most, counted as characters, never cutting one in two.
TEST(MessageExcerpt, CutsLongTextAfterSixtyCharacters) {
    const std::string sixty(60, 'x');
    EXPECT_EQ(messageExcerpt(sixty), sixty);
    EXPECT_EQ(messageExcerpt(sixty + "y"), sixty + "...");
    std::string euros;
    for (int i = 0; i < 61; ++i)
        euros += "\xE2\x82\xAC";
    EXPECT_EQ(messageExcerpt(euros), euros.substr(0, 60 * 3) + "...");
    EXPECT_EQ(messageExcerpt(std::string(59, 'x') + "\r\n"), std::string(59, 'x') + "\\r...");
    const std::string tenMegabytes(10 << 20, '\n');
    EXPECT_EQ(messageExcerpt(tenMegabytes).size(), 60 * 2 + 3);
}

}  // namespace
}  // namespace loopsim
