#include "editor/search/SearchPattern.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <QByteArray>

namespace editor {

namespace {

// Enough for any search a person means; a pattern that backtracks past it
// (such as (a+)+b on a long run of a) stops with a message instead of hanging.
constexpr uint32_t kMatchLimit = 50'000'000;
constexpr size_t kJitStack = 8u << 20;

// Literal text as a pattern: every ASCII character that is not a letter or
// digit escaped, so none of it has a meaning of its own.
std::string literalPattern(const QByteArray& utf8) {
    std::string out;
    out.reserve(static_cast<size_t>(utf8.size()) * 2);
    for (const char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        const bool plain = u >= 0x80 || (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') ||
                           (u >= 'a' && u <= 'z') || u == '_';
        if (u == 0) {
            out += "\\x{0}";
            continue;
        }
        if (!plain)
            out += '\\';
        out += c;
    }
    return out;
}

// The character offset of a byte offset into UTF-8 text.
int characterOffset(const QByteArray& utf8, size_t byteOffset) {
    return QString::fromUtf8(utf8.left(static_cast<qsizetype>(byteOffset))).size();
}

// One character on from `at`, never into the middle of a UTF-8 sequence.
size_t nextCharacter(std::string_view text, size_t at) {
    ++at;
    while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
        ++at;
    return at;
}

} // namespace

struct SearchPattern::Compiled {
    pcre2_code* code = nullptr;
    pcre2_match_context* context = nullptr;
    pcre2_jit_stack* stack = nullptr;
    pcre2_match_data* data = nullptr;
    ~Compiled() {
        pcre2_match_data_free(data);
        pcre2_jit_stack_free(stack);
        pcre2_match_context_free(context);
        pcre2_code_free(code);
    }
};

std::variant<SearchPattern, SearchPattern::Error>
SearchPattern::compile(const QString& text, const SearchOptions& options) {
    const QByteArray typed = text.toUtf8();
    std::string pattern = options.regex ? typed.toStdString() : literalPattern(typed);
    // We choose: a whole word is one with no word character on either side,
    // so a search for "a-b" or ".x" still finds them as words.
    if (options.wholeWord)
        pattern = "(?<!\\w)(?:" + pattern + ")(?!\\w)";
    uint32_t flags = PCRE2_UTF | PCRE2_MATCH_INVALID_UTF | PCRE2_UCP | PCRE2_MULTILINE;
    if (!options.matchCase)
        flags |= PCRE2_CASELESS;
    pcre2_compile_context* cc = pcre2_compile_context_create(nullptr);
    pcre2_set_newline(cc, PCRE2_NEWLINE_ANYCRLF);
    int code = 0;
    PCRE2_SIZE offset = 0;
    auto compiled = std::make_unique<Compiled>();
    compiled->code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(),
                                   flags, &code, &offset, cc);
    pcre2_compile_context_free(cc);
    if (!compiled->code) {
        PCRE2_UCHAR message[256];
        pcre2_get_error_message(code, message, sizeof message);
        // The offset is into what the user typed: a whole word's wrapping comes first.
        const size_t prefix = options.wholeWord ? 9 : 0;
        const size_t inTyped = offset > prefix ? offset - prefix : 0;
        return Error{QString::fromUtf8(reinterpret_cast<const char*>(message)),
                     characterOffset(typed, std::min<size_t>(inTyped, typed.size()))};
    }
    pcre2_jit_compile(compiled->code, PCRE2_JIT_COMPLETE); // interpreted when JIT is missing
    compiled->context = pcre2_match_context_create(nullptr);
    pcre2_set_match_limit(compiled->context, kMatchLimit);
    compiled->stack = pcre2_jit_stack_create(32 * 1024, kJitStack, nullptr);
    pcre2_jit_stack_assign(compiled->context, nullptr, compiled->stack);
    compiled->data = pcre2_match_data_create_from_pattern(compiled->code, nullptr);
    return SearchPattern(std::move(compiled), options.regex);
}

SearchPattern::SearchPattern(std::unique_ptr<Compiled> compiled, bool regex)
    : compiled_(std::move(compiled)), regex_(regex) {}
SearchPattern::SearchPattern(SearchPattern&&) noexcept = default;
SearchPattern& SearchPattern::operator=(SearchPattern&&) noexcept = default;
SearchPattern::~SearchPattern() = default;

SearchPattern::Outcome SearchPattern::findForward(std::string_view text, std::size_t from,
                                                  std::size_t end, SearchMatch& match) const {
    while (from <= end) {
        const int rc = pcre2_match(compiled_->code, reinterpret_cast<PCRE2_SPTR>(text.data()),
                                   text.size(), from, 0, compiled_->data, compiled_->context);
        if (rc == PCRE2_ERROR_NOMATCH)
            return Outcome::NotFound;
        if (rc < 0)
            return Outcome::TooComplex;
        const PCRE2_SIZE* ov = pcre2_get_ovector_pointer(compiled_->data);
        if (ov[0] > end)
            return Outcome::NotFound;
        if (ov[1] <= end) {
            const uint32_t pairs = pcre2_get_ovector_count(compiled_->data);
            match.start = ov[0];
            match.end = ov[1];
            match.groups.assign(2 * pairs, -1);
            for (uint32_t i = 0; i < 2 * pairs && i < 2 * static_cast<uint32_t>(rc); ++i)
                match.groups[i] = ov[i] == PCRE2_UNSET ? -1 : static_cast<std::ptrdiff_t>(ov[i]);
            return Outcome::Found;
        }
        // It runs past the end: a later start may still end in time.
        from = nextCharacter(text, ov[0]);
    }
    return Outcome::NotFound;
}

SearchPattern::Outcome SearchPattern::findBackward(std::string_view text, std::size_t begin,
                                                   std::size_t before, SearchMatch& match) const {
    // Windows back from `before`, each twice the last: the last match in the
    // nearest window that has one is the answer, so a match near the caret
    // costs only its neighbourhood. A match must start before `before`, so
    // an empty one there is never found again and again.
    std::size_t window = 64 * 1024;
    std::size_t limit = before; // starts from here on were looked at
    while (limit > begin) {
        const std::size_t start = limit - begin > window ? limit - window : begin;
        bool found = false;
        SearchMatch candidate;
        for (std::size_t from = start; from < limit;) {
            const Outcome outcome = findForward(text, from, before, candidate);
            if (outcome == Outcome::TooComplex)
                return outcome;
            if (outcome == Outcome::NotFound || candidate.start >= limit)
                break;
            match = candidate;
            found = true;
            from = candidate.end > candidate.start ? candidate.end
                                                   : nextCharacter(text, candidate.start);
        }
        if (found)
            return Outcome::Found;
        limit = start;
        window *= 2;
    }
    return Outcome::NotFound;
}

std::string SearchPattern::expand(std::string_view replacement, std::string_view text,
                                  const SearchMatch& match) const {
    if (!regex_)
        return std::string(replacement);
    const auto group = [&](size_t n, std::string& out) {
        if (2 * n + 1 < match.groups.size() && match.groups[2 * n] >= 0)
            out.append(
                text.substr(static_cast<size_t>(match.groups[2 * n]),
                            static_cast<size_t>(match.groups[2 * n + 1] - match.groups[2 * n])));
    };
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    std::string out;
    for (size_t i = 0; i < replacement.size(); ++i) {
        const char c = replacement[i];
        const char next = i + 1 < replacement.size() ? replacement[i + 1] : '\0';
        if (c == '\\' && digit(next)) {
            group(static_cast<size_t>(next - '0'), out);
            ++i;
        } else if (c == '\\' && (next == 'n' || next == 'r' || next == 't' || next == '\\')) {
            out += next == 'n' ? '\n' : next == 'r' ? '\r' : next == 't' ? '\t' : '\\';
            ++i;
        } else if (c == '$' && next == '$') {
            out += '$';
            ++i;
        } else if (c == '$' && digit(next)) {
            size_t n = static_cast<size_t>(next - '0');
            ++i;
            if (i + 1 < replacement.size() && digit(replacement[i + 1]))
                n = n * 10 + static_cast<size_t>(replacement[++i] - '0');
            group(n, out);
        } else if (c == '$' && next == '{') {
            const size_t close = replacement.find('}', i + 2);
            size_t n = 0;
            bool number = close != std::string_view::npos && close > i + 2;
            for (size_t k = i + 2; number && k < close; ++k)
                number = digit(replacement[k]) && (n = n * 10 + (replacement[k] - '0'), true);
            if (number) {
                group(n, out);
                i = close;
            } else {
                out += c;
            }
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace editor
