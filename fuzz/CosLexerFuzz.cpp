// The lexer reads its input in chunks of any size: every split of a text must give the tokens that the
// text in one chunk gives. The first byte says how many of the next bytes are chunk lengths (used in turn);
// the rest is the text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "EXGM/EXGM_CosLexer.h"
#include "FuzzCheck.h"
#include "FuzzHost.h"

namespace {

using Lexer = EXGM_CosLexer;

std::string Describe(const Lexer& lexer, Lexer::LexerToken token) {
    std::string line = std::string(TokenName(token)) + " [" + lexer.GetTokenText() + "] [" + lexer.GetTokenValue() +
                       "] " + std::to_string(lexer.GetIntegerValue()) + " " + std::to_string(lexer.GetFixedValue()) +
                       (lexer.GetBooleanValue() ? " true" : " false");
    return token == Lexer::TokenError ? line + " " + lexer.GetErrorMessage() : line;
}

// Each chunk is a block of its own, freed when the next one comes, so that a read of an old chunk is seen.
std::vector<std::string> Lex(const std::string& text, const std::vector<std::size_t>& lengths) {
    Lexer lexer;
    std::vector<std::string> tokens;
    std::vector<char> block;
    std::size_t offset = 0;
    for (std::size_t turn = 0;; ++turn) {
        const std::size_t length = std::min(lengths[turn % lengths.size()], text.size() - offset);
        block = std::vector<char>(text.begin() + offset, text.begin() + offset + length);
        offset += length;
        lexer.SetInput(length == 0 ? nullptr : block.data(), static_cast<uint32_t>(length));
        Lexer::LexerToken token;
        while ((token = lexer.NextToken()) != Lexer::TokenMoreData) {
            tokens.push_back(Describe(lexer, token));
            if (token == Lexer::TokenEndOfData || token == Lexer::TokenError) return tokens;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzHost();
    if (size == 0) return 0;
    const std::size_t count = std::min<std::size_t>(data[0] % 8, size - 1);
    std::vector<std::size_t> lengths;
    for (std::size_t i = 1; i <= count; ++i) lengths.push_back(data[i] % 16 + 1);  // 0 would end the data
    if (lengths.empty()) lengths.push_back(1);
    const std::string text(reinterpret_cast<const char*>(data) + 1 + count, size - 1 - count);
    FUZZ_CHECK(Lex(text, lengths) == Lex(text, {text.size() + 1}));
    return 0;
}
