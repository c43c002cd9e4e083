// The names of the lexer's states and tokens and the description of a character: for its trace and for
// whoever reads a failure.
#include <iterator>

#include "EXGM/EXGM_CosLexer.h"
#include "GLIB/GLIB_StringUtils.h"

namespace {

struct StateNameEntry {
    EXGM_CosLexer::LexerState state;
    const char* name;
};

constexpr StateNameEntry kStateNames[] = {
    {EXGM_CosLexer::StateAngleLeft, "StateAngleLeft"},
    {EXGM_CosLexer::StateAngleRight, "StateAngleRight"},
    {EXGM_CosLexer::StateComment, "StateComment"},
    {EXGM_CosLexer::StateError, "StateError"},
    {EXGM_CosLexer::StateFileName, "StateFileName"},
    {EXGM_CosLexer::StateFileNameQuote, "StateFileNameQuote"},
    {EXGM_CosLexer::StateHexString1, "StateHexString1"},
    {EXGM_CosLexer::StateHexString2, "StateHexString2"},
    {EXGM_CosLexer::StateName, "StateName"},
    {EXGM_CosLexer::StateNameEscape1, "StateNameEscape1"},
    {EXGM_CosLexer::StateNameEscape2, "StateNameEscape2"},
    {EXGM_CosLexer::StateNumberFixed, "StateNumberFixed"},
    {EXGM_CosLexer::StateNumberInteger, "StateNumberInteger"},
    {EXGM_CosLexer::StateStart, "StateStart"},
    {EXGM_CosLexer::StateString, "StateString"},
    {EXGM_CosLexer::StateStringEscape1, "StateStringEscape1"},
    {EXGM_CosLexer::StateStringEscape2, "StateStringEscape2"},
    {EXGM_CosLexer::StateStringEscape3, "StateStringEscape3"},
    {EXGM_CosLexer::StateStringEscapeCRLF, "StateStringEscapeCRLF"},
    {EXGM_CosLexer::StateSymbol, "StateSymbol"},
};
static_assert(std::size(kStateNames) == EXGM_CosLexer::kStateCount);

struct TokenNameEntry {
    EXGM_CosLexer::LexerToken token;
    const char* name;
};

constexpr TokenNameEntry kTokenNames[] = {
    {EXGM_CosLexer::TokenMoreData, "TokenMoreData"},   {EXGM_CosLexer::TokenEndOfData, "TokenEndOfData"},
    {EXGM_CosLexer::TokenError, "TokenError"},         {EXGM_CosLexer::TokenNull, "TokenNull"},
    {EXGM_CosLexer::TokenBoolean, "TokenBoolean"},     {EXGM_CosLexer::TokenInteger, "TokenInteger"},
    {EXGM_CosLexer::TokenFixed, "TokenFixed"},         {EXGM_CosLexer::TokenName, "TokenName"},
    {EXGM_CosLexer::TokenString, "TokenString"},       {EXGM_CosLexer::TokenArrayBegin, "TokenArrayBegin"},
    {EXGM_CosLexer::TokenArrayEnd, "TokenArrayEnd"},   {EXGM_CosLexer::TokenDictBegin, "TokenDictBegin"},
    {EXGM_CosLexer::TokenDictEnd, "TokenDictEnd"},     {EXGM_CosLexer::TokenStreamBegin, "TokenStreamBegin"},
    {EXGM_CosLexer::TokenStreamEnd, "TokenStreamEnd"}, {EXGM_CosLexer::TokenFileRef, "TokenFileRef"},
    {EXGM_CosLexer::TokenSymbol, "TokenSymbol"},       {EXGM_CosLexer::TokenComment, "TokenComment"},
};
static_assert(std::size(kTokenNames) == EXGM_CosLexer::kTokenCount);

}  // namespace

const char* StateName(EXGM_CosLexer::LexerState state) {
    if (state < 0 || state >= EXGM_CosLexer::kStateCount) return "InvalidState";
    return kStateNames[state].name;
}

const char* TokenName(EXGM_CosLexer::LexerToken token) {
    if (token < 0 || token >= EXGM_CosLexer::kTokenCount) return "InvalidToken";
    return kTokenNames[token].name;
}

const char* EXGM_CosLexer::DescribeChar(int c) {
    switch (c) {
        case EndOfData:
            return GLIB_StrCopy(m_description, "EndOfData", sizeof m_description);
        case '\t':
            return GLIB_StrCopy(m_description, "\\t", sizeof m_description);
        case '\n':
            return GLIB_StrCopy(m_description, "\\n", sizeof m_description);
        case '\f':
            return GLIB_StrCopy(m_description, "\\f", sizeof m_description);
        case '\r':
            return GLIB_StrCopy(m_description, "\\r", sizeof m_description);
        default:
            break;
    }
    if (c >= 32 && c <= 126) {
        m_description[0] = static_cast<char>(c);
        m_description[1] = '\0';
    } else {
        GLIB_Format(m_description, sizeof m_description, "\\%03o", static_cast<unsigned>(c));
    }
    return m_description;
}
