// The lexer's transitions, grouped by kind of token: the first token of a text fed whole and followed by
// end of data, with its value, its text, its message and what it left unread.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LexerTestHost.h"

using namespace std::string_literals;

namespace {

struct Row {
    std::string input;
    std::string token;   // as Describe gives it
    std::string rest{};  // the characters of the input left unread after the token
};

class CosLexerTransitions : public ::testing::Test, protected LexerTestHost {
protected:
    void Check(const std::vector<Row>& rows) {
        for (const Row& row : rows) {
            SCOPED_TRACE("input [" + row.input + "]");
            EXGM_CosLexer lexer;
            lexer.SetInput(row.input.data(), static_cast<uint32_t>(row.input.size()));
            EXGM_CosLexer::LexerToken token = lexer.NextToken();
            if (token == EXGM_CosLexer::TokenMoreData) {
                lexer.SetInput(nullptr, 0);
                token = lexer.NextToken();
            }
            EXPECT_EQ(Describe(lexer, token), row.token);
            EXPECT_EQ(row.input.substr(row.input.size() - lexer.GetRemaining()), row.rest);
            const bool failed = token == EXGM_CosLexer::TokenError;
            EXPECT_EQ(lexer.GetState(), failed ? EXGM_CosLexer::StateError : EXGM_CosLexer::StateStart);
            EXPECT_EQ(lexer.GetLastToken(), token);
        }
    }
};

// One table for every kind of token; a failing row names its input.
TEST_F(CosLexerTransitions, EveryKindOfToken) {
    const std::string longest = "/" + std::string(127, 'n');
    const std::string inName = "TokenError [Unexpected character encountered in name: ";
    const std::string missing = "TokenError [String is missing trailing ')'] from ";
    const std::string inFileName = "TokenError [Unexpected character encountered in filename: ";
    Check({
        // Between tokens.
        {"", "TokenEndOfData [] from []"},
        {" \t\r\n\f", "TokenEndOfData [] from []"},
        {"\0 7"s, "TokenInteger [7] from [7]"},
        {"[1", "TokenArrayBegin [] from [[]", "1"},
        {"]", "TokenArrayEnd [] from []]"},
        {"<<>", "TokenDictBegin [] from [<<]", ">"},
        {">>", "TokenDictEnd [] from [>>]"},
        {">x", "TokenError [Unexpected '>'] from [>]", "x"},
        {">", "TokenError [Unexpected '>'] from [>]"},
        {"\x0b", "TokenError [Unexpected character encountered: '\\013'] from [\x0b]", "\x0b"},
        {"\x01", "TokenError [Unexpected character encountered: '\\001'] from [\x01]", "\x01"},
        {"\xc8", "TokenError [Unexpected character encountered: '\\310'] from [\xc8]", "\xc8"},
        // Comments.
        {"% note\nx", "TokenComment [% note] from [% note]", "x"},
        {"%a\rb", "TokenComment [%a] from [%a]", "b"},
        {"%a", "TokenComment [%a] from [%a]"},
        {"%\x01(\xff\0\n"s, "TokenComment [%\x01(\xff\0] from [%\x01(\xff\0]"s},
        // Numbers.
        {"12 ", "TokenInteger [12] from [12]", " "},
        {"-7)", "TokenInteger [-7] from [-7]", ")"},
        {"-", "TokenInteger [0] from [-]"},
        {"99999999999", "TokenInteger [2147483647] from [99999999999]"},
        {"-2147483648", "TokenInteger [-2147483648] from [-2147483648]"},
        {"-99999999999", "TokenInteger [-2147483648] from [-99999999999]"},
        {"12x", "TokenError [Unexpected character encountered in integer number: 'x'] from [12]", "x"},
        {"5.", "TokenFixed [327680] from [5.]"},
        {"-.5", "TokenFixed [-32768] from [-.5]"},
        {"12.25/", "TokenFixed [802816] from [12.25]", "/"},
        {"-.", "TokenFixed [0] from [-.]"},
        {"1.2.3", "TokenError [Unexpected character encountered in fixed number: '.'] from [1.2]", ".3"},
        {"1.5e", "TokenError [Unexpected character encountered in fixed number: 'e'] from [1.5]", "e"},
        {".5", "TokenSymbol [.5] from [.5]"},
        {"+5", "TokenSymbol [+5] from [+5]"},
        // Names.
        {"/A#42c", "TokenName [ABc] from [/A#42c]"},
        {"/a(b", "TokenName [a] from [/a]", "(b"},
        {"/", "TokenName [] from [/]"},
        {"/a\x80", inName + "'\\200'] from [/a]", "\x80"},
        {"/#", inName + "'EndOfData'] from [/#]"},
        {"/#4", inName + "'EndOfData'] from [/#4]"},
        {"/#g", inName + "'g'] from [/#]", "g"},
        {"/#4 ", inName + "' '] from [/#4]", " "},
        {longest, "TokenName [" + longest.substr(1) + "] from [" + longest + "]"},
        {longest + "n", inName + "'n'] from [" + longest + "]", "n"},
        {longest + "#41", "TokenName [" + longest.substr(1) + "A] from [" + longest + "#41]"},
        // Literal strings.
        {"(a(b)c))", "TokenString [a(b)c] from [(a(b)c)]", ")"},
        {"(x\\101y)", "TokenString [xAy] from [(x\\101y)]"},
        {"(a\\nb)", "TokenString [a\nb] from [(a\\nb)]"},
        {"(\\r\\t\\b\\f)", "TokenString [\r\t\b\f] from [(\\r\\t\\b\\f)]"},
        {"(\\(\\)\\\\\\q)", "TokenString [()\\q] from [(\\(\\)\\\\\\q)]"},
        {"(\\18)", "TokenString [\x01] from [(\\18)]"},
        {"(\\8)", "TokenString [\0] from [(\\8)]"s},
        {"(\\777)", "TokenString [\xff] from [(\\777)]"},
        {"(\\12a)", "TokenString [\na] from [(\\12a)]"},
        {"(\\0a)", "TokenString [\0a] from [(\\0a)]"s},
        {"(a\\\nb)", "TokenString [ab] from [(a\\\nb)]"},
        {"(a\\\r\nb)", "TokenString [ab] from [(a\\\r\nb)]"},
        {"(a\\\rb)", "TokenString [ab] from [(a\\\rb)]"},
        {"(abc", missing + "[(abc]"},
        {"(\\", missing + "[(\\]"},
        {"(\\1", missing + "[(\\1]"},
        {"(\\12", missing + "[(\\12]"},
        {"(\\\r", missing + "[(\\\r]"},
        // Hexadecimal strings.
        {"<48 65 6C>", "TokenString [Hel] from [<48 65 6C>]"},
        {"<4>", "TokenString [@] from [<4>]"},
        {"<4 1>", "TokenString [A] from [<4 1>]"},
        {"<aF>", "TokenString [\xaf] from [<aF>]"},
        {"<>", "TokenString [] from [<>]"},
        {"<4", "TokenError [Hexadecimal string is missing trailing '>'] from [<4]"},
        {"< ", "TokenError [Hexadecimal string is missing trailing '>'] from [< ]"},
        {"<4g>", "TokenError [Unexpected character encountered in hexadecimal string: 'g'] from [<4]", "g>"},
        {"<g", "TokenError [Unexpected character encountered in hexadecimal string: 'g'] from [<]", "g"},
        // File references.
        {"@\"a b\"c", "TokenFileRef [a bc] from [@\"a b\"c]"},
        {"@a/b", "TokenFileRef [a/b] from [@a/b]"},
        {"@ab cd", "TokenFileRef [ab] from [@ab]", " cd"},
        {"@", "TokenFileRef [] from [@]"},
        {"@a\x01", inFileName + "'\\001'] from [@a]", "\x01"},
        {"@\"ab", "TokenError [Filename is missing closing quote] from [@\"ab]"},
        {"@\"a\tb\"", inFileName + "'\\t'] from [@\"a]", "\tb\""},
        // Keywords and symbols.
        {"null", "TokenNull [] from [null]"},
        {"true", "TokenBoolean [true] from [true]"},
        {"false", "TokenBoolean [false] from [false]"},
        {"stream\r\n", "TokenStreamBegin [] from [stream]", "\r\n"},
        {"endstream", "TokenStreamEnd [] from [endstream]"},
        {"True", "TokenSymbol [True] from [True]"},
        {"nulls", "TokenSymbol [nulls] from [nulls]"},
        {"a}", "TokenSymbol [a] from [a]", "}"},
        {")", "TokenSymbol [)] from [)]"},
        {"{", "TokenSymbol [{] from [{]"},
        {"\"q#", "TokenSymbol [\"q#] from [\"q#]"},
        {"ab\x01", "TokenError [Unexpected character encountered: '\\001'] from [ab]", "\x01"},
    });
}

TEST(CosLexerCharacters, DescribeCharNamesEveryKindOfCharacter) {
    EXGM_CosLexer lexer;
    const std::vector<std::pair<int, std::string>> cases = {
        {-1, "EndOfData"}, {9, "\\t"},   {10, "\\n"},  {12, "\\f"},   {13, "\\r"},    {32, " "},      {92, "\\"},
        {126, "~"},        {0, "\\000"}, {1, "\\001"}, {11, "\\013"}, {127, "\\177"}, {200, "\\310"}, {255, "\\377"},
    };
    for (const auto& [c, text] : cases) EXPECT_EQ(lexer.DescribeChar(c), text) << c;
}

TEST(CosLexerCharacters, WhitespaceAndDelimiterClasses) {
    const std::string whitespace = "\0\t\n\f\r "s;
    const std::string delimiters = whitespace + "%()/<>[]{}";
    EXPECT_TRUE(EXGM_CosLexer::IsWhitespace(EXGM_CosLexer::EndOfData));
    EXPECT_TRUE(EXGM_CosLexer::IsDelimiter(EXGM_CosLexer::EndOfData));
    for (int c = 0; c < 256; ++c) {
        const char byte = static_cast<char>(c);
        EXPECT_EQ(EXGM_CosLexer::IsWhitespace(c), whitespace.find(byte) != std::string::npos) << c;
        EXPECT_EQ(EXGM_CosLexer::IsDelimiter(c), delimiters.find(byte) != std::string::npos) << c;
    }
}

TEST(CosLexerNames, StateNamesFollowTheirValues) {
    std::string names;
    for (int state = -1; state <= EXGM_CosLexer::kStateCount; ++state) {
        names += StateName(static_cast<EXGM_CosLexer::LexerState>(state)) + std::string(" ");
    }
    EXPECT_EQ(names,
              "InvalidState StateAngleLeft StateAngleRight StateComment StateError StateFileName "
              "StateFileNameQuote StateHexString1 StateHexString2 StateName StateNameEscape1 StateNameEscape2 "
              "StateNumberFixed StateNumberInteger StateStart StateString StateStringEscape1 StateStringEscape2 "
              "StateStringEscape3 StateStringEscapeCRLF StateSymbol InvalidState ");
    EXPECT_STREQ(TokenName(EXGM_CosLexer::TokenMoreData), "TokenMoreData");
    EXPECT_STREQ(TokenName(static_cast<EXGM_CosLexer::LexerToken>(EXGM_CosLexer::kTokenCount)), "InvalidToken");
}

}  // namespace
