// A running host whose AcroSupport table the wrappers call, for the lexer's fixed-point numbers, and a way
// to draw every token of a text.
#pragma once

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "EXGM/EXGM_CosLexer.h"
#include "PDFL/PDFL_HostTables.h"
#include "host/core/Host.h"

class LexerTestHost {
public:
    LexerTestHost() : host(HostConfig(), out) { UseHostTables(); }
    ~LexerTestHost() { PDFL_HostTables::Reset(); }

    void UseHostTables() {
        PDFL_HostTables::Reset();
        PDFL_HostTables::Set(PDFL_HostTables::kCore, host.CoreTable(), MakeHostVersion(4, 0));
        PDFL_HostTables::Set(PDFL_HostTables::kAcroSupport, host.Table("AcroSupport", MakeHostVersion(5, 0)),
                             MakeHostVersion(5, 0));
    }

    std::ostringstream out;
    Host host;
};

// What a token says, in one comparable line: its name, its value and the text it was read from.
inline std::string Describe(const EXGM_CosLexer& lexer, EXGM_CosLexer::LexerToken token) {
    std::string value;
    switch (token) {
        case EXGM_CosLexer::TokenError:
            value = lexer.GetErrorMessage();
            break;
        case EXGM_CosLexer::TokenBoolean:
            value = lexer.GetBooleanValue() ? "true" : "false";
            break;
        case EXGM_CosLexer::TokenInteger:
            value = std::to_string(lexer.GetIntegerValue());
            break;
        case EXGM_CosLexer::TokenFixed:
            value = std::to_string(lexer.GetFixedValue());
            break;
        case EXGM_CosLexer::TokenName:
        case EXGM_CosLexer::TokenString:
        case EXGM_CosLexer::TokenFileRef:
        case EXGM_CosLexer::TokenSymbol:
        case EXGM_CosLexer::TokenComment:
            value = lexer.GetTokenValue();
            break;
        default:
            break;
    }
    return std::string(TokenName(token)) + " [" + value + "] from [" + lexer.GetTokenText() + "]";
}

// Every token of the text, fed in chunks of at most `chunk` characters (each chunk a block of its own,
// freed once the next one comes), then end of data; up to and including TokenEndOfData or TokenError.
inline std::vector<std::string> LexInChunks(const std::string& text, std::size_t chunk) {
    EXGM_CosLexer lexer;
    std::vector<std::string> tokens;
    std::size_t offset = 0;
    std::vector<char> block;
    auto feed = [&] {
        const std::size_t length = std::min(chunk, text.size() - offset);
        block = std::vector<char>(text.begin() + offset, text.begin() + offset + length);
        offset += length;
        lexer.SetInput(block.data(), static_cast<uint32_t>(length));
    };
    feed();
    for (int guard = 0; guard < 100000; ++guard) {
        const EXGM_CosLexer::LexerToken token = lexer.NextToken();
        if (token == EXGM_CosLexer::TokenMoreData) {
            feed();
            continue;
        }
        tokens.push_back(Describe(lexer, token));
        if (token == EXGM_CosLexer::TokenEndOfData || token == EXGM_CosLexer::TokenError) break;
    }
    return tokens;
}
