// A running host whose AcroSupport table the wrappers call, for the lexer's fixed-point numbers, and a way
// to describe a token.
#pragma once

#include <sstream>
#include <string>

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
