#include "editor/markup/HtmlTokenizer.h"

#include "editor/markup/HtmlRules.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace editor {

namespace {

// Longer names are cut: no real name is this long, and the page cannot make
// the tokenizer hold more.
constexpr std::size_t kLongestName = 64;
constexpr std::size_t kLongestValue = 256;
constexpr std::size_t kLongestReference = 40;

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool isAlpha(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

void append(std::string& s, char c, std::size_t most) {
    if (s.size() < most)
        s += c;
}

} // namespace

void HtmlTokenizer::feed(std::string_view piece) {
    while (!piece.empty()) {
        // A run no byte of which changes the state goes by whole.
        const std::size_t run = quietRun(piece);
        if (run > 0) {
            pass(piece.substr(0, run));
            piece.remove_prefix(run);
            continue;
        }
        step(piece.front());
        pass(piece.substr(0, 1));
        piece.remove_prefix(1);
    }
}

std::size_t HtmlTokenizer::quietRun(std::string_view piece) const {
    const auto upTo = [&](const char* stops) {
        const std::size_t at = piece.find_first_of(stops);
        return at == std::string_view::npos ? piece.size() : at;
    };
    switch (state_) {
    case State::Data:
        return upTo("<&");
    case State::AttrValueDouble:
        return attributes_.back().value.size() < kLongestValue ? 0 : upTo("\"");
    case State::AttrValueSingle:
        return attributes_.back().value.size() < kLongestValue ? 0 : upTo("'");
    case State::Comment:
    case State::CData:
    case State::Server:
    case State::Bogus:
        return upTo(">");
    case State::RawText:
        return rawMatched_ == 0 ? upTo("<") : 0;
    default:
        return 0;
    }
}

void HtmlTokenizer::pass(std::string_view run) {
    // Lines end at LF, CR LF or a lone CR, as the editor counts them.
    const char* b = run.data();
    const std::size_t n = run.size();
    if (n == 1) {
        const char c = b[0];
        if (c == '\n' && last_[2] == '\r') {
            here_.column = 1;
        } else if (c == '\n' || c == '\r') {
            ++here_.line;
            here_.column = 1;
        } else {
            ++here_.column;
        }
    } else {
        const std::size_t lf = static_cast<std::size_t>(std::count(b, b + n, '\n'));
        const std::size_t cr = static_cast<std::size_t>(std::count(b, b + n, '\r'));
        std::size_t pairs = 0;
        if (cr > 0 || last_[2] == '\r') {
            for (const char* p = static_cast<const char*>(std::memchr(b, '\n', n)); p;
                 p = static_cast<const char*>(
                     std::memchr(p + 1, '\n', static_cast<std::size_t>(b + n - p - 1))))
                pairs += (p == b ? last_[2] : p[-1]) == '\r';
        }
        here_.line += static_cast<long>(lf + cr - pairs);
        const char* lastBreak = nullptr;
        for (const char* p = b + n; p > b; --p) {
            if (p[-1] == '\n' || p[-1] == '\r') {
                lastBreak = p - 1;
                break;
            }
            if (b + n - p > 4096) {
                // A long stretch without a line end: count it whole.
                lastBreak = static_cast<const char*>(memrchr(b, '\n', n));
                const char* crAt = static_cast<const char*>(memrchr(b, '\r', n));
                if (!lastBreak || (crAt && crAt > lastBreak))
                    lastBreak = crAt;
                break;
            }
        }
        here_.column =
            lastBreak ? static_cast<long>(b + n - lastBreak) : here_.column + static_cast<long>(n);
    }
    for (std::size_t i = n > 3 ? n - 3 : 0; i < n; ++i) {
        last_[0] = last_[1];
        last_[1] = last_[2];
        last_[2] = b[i];
    }
    here_.offset += n;
}

void HtmlTokenizer::markTag() {
    tag_ = here_;
}

void HtmlTokenizer::beginAttribute(char c) {
    attributes_.push_back({std::string(1, lower(c)), std::string(), here_});
    state_ = State::AttrName;
}

void HtmlTokenizer::step(char c) {
    switch (state_) {
    case State::Data:
        if (c == '<') {
            markTag();
            state_ = State::TagOpen;
        } else if (c == '&') {
            ref_.clear();
            refAt_ = here_;
            state_ = State::CharRef;
        }
        return;
    case State::CharRef:
        if ((ref_.empty() && c == '#') || ((std::isalnum(static_cast<unsigned char>(c)) != 0) &&
                                           ref_.size() < kLongestReference)) {
            ref_ += c;
            return;
        }
        state_ = State::Data;
        if (!ref_.empty())
            events_.characterReference(ref_, c == ';', refAt_);
        if (c != ';' || ref_.empty())
            step(c);
        return;
    case State::TagOpen:
        if (isAlpha(c)) {
            name_.assign(1, lower(c));
            attributes_.clear();
            state_ = State::TagName;
        } else if (c == '/') {
            state_ = State::EndTagOpen;
        } else if (c == '!') {
            declaration_.clear();
            state_ = State::MarkupDeclaration;
        } else if (c == '?') {
            state_ = State::Bogus;
        } else if (c == '%') {
            state_ = State::Server;
        } else {
            state_ = State::Data; // a "<" in the text
            step(c);
        }
        return;
    case State::TagName:
        if (isSpace(c))
            state_ = State::BeforeAttrName;
        else if (c == '/')
            state_ = State::SelfClosing;
        else if (c == '>')
            startTag(false);
        else
            append(name_, lower(c), kLongestName);
        return;
    case State::EndTagOpen:
        if (isAlpha(c)) {
            name_.assign(1, lower(c));
            state_ = State::EndTagName;
        } else {
            state_ = c == '>' ? State::Data : State::Bogus;
        }
        return;
    case State::EndTagName:
        if (isSpace(c) || c == '/')
            state_ = State::AfterEndTagName;
        else if (c == '>')
            endTag();
        else
            append(name_, lower(c), kLongestName);
        return;
    case State::AfterEndTagName:
        if (c == '>')
            endTag();
        return;
    case State::BeforeAttrName:
    case State::AfterAttrName:
        if (isSpace(c))
            return;
        if (c == '=' && state_ == State::AfterAttrName)
            state_ = State::BeforeAttrValue;
        else if (c == '/')
            state_ = State::SelfClosing;
        else if (c == '>')
            startTag(false);
        else
            beginAttribute(c);
        return;
    case State::AttrName:
        if (isSpace(c))
            state_ = State::AfterAttrName;
        else if (c == '=')
            state_ = State::BeforeAttrValue;
        else if (c == '/')
            state_ = State::SelfClosing;
        else if (c == '>')
            startTag(false);
        else
            append(attributes_.back().name, lower(c), kLongestName);
        return;
    case State::BeforeAttrValue:
        if (isSpace(c))
            return;
        if (c == '"')
            state_ = State::AttrValueDouble;
        else if (c == '\'')
            state_ = State::AttrValueSingle;
        else if (c == '>')
            startTag(false);
        else {
            append(attributes_.back().value, c, kLongestValue);
            state_ = State::AttrValueBare;
        }
        return;
    case State::AttrValueDouble:
    case State::AttrValueSingle:
        if (c == (state_ == State::AttrValueDouble ? '"' : '\''))
            state_ = State::BeforeAttrName;
        else
            append(attributes_.back().value, c, kLongestValue);
        return;
    case State::AttrValueBare:
        if (isSpace(c))
            state_ = State::BeforeAttrName;
        else if (c == '>')
            startTag(false);
        else
            append(attributes_.back().value, c, kLongestValue);
        return;
    case State::SelfClosing:
        if (c == '>') {
            startTag(true);
        } else {
            state_ = State::BeforeAttrName;
            step(c);
        }
        return;
    case State::MarkupDeclaration: {
        declaration_ += c;
        static constexpr std::string_view kComment = "--";
        static constexpr std::string_view kCData = "[CDATA[";
        if (declaration_ == kComment) {
            last_[1] = last_[2] = '\0'; // "<!-->" does not close it
            state_ = State::Comment;
        } else if (declaration_ == kCData) {
            state_ = State::CData;
        } else if (kComment.substr(0, declaration_.size()) != declaration_ &&
                   kCData.substr(0, declaration_.size()) != declaration_) {
            state_ = c == '>' ? State::Data : State::Bogus; // <!DOCTYPE html> and the like
        }
        return;
    }
    case State::Comment:
        if (c == '>' && last_[1] == '-' && last_[2] == '-')
            state_ = State::Data;
        return;
    case State::CData:
        if (c == '>' && last_[1] == ']' && last_[2] == ']')
            state_ = State::Data;
        return;
    case State::Server:
        if (c == '>' && last_[2] == '%')
            state_ = State::Data;
        return;
    case State::Bogus:
        if (c == '>')
            state_ = State::Data;
        return;
    case State::RawText:
        // Up to "</name" followed by a space, "/" or ">", in any case.
        if (rawMatched_ == rawEnd_.size()) {
            if (isSpace(c) || c == '/' || c == '>') {
                name_ = rawEnd_.substr(2);
                state_ = State::EndTagName;
                step(c);
                return;
            }
            rawMatched_ = 0;
        }
        if (lower(c) == rawEnd_[rawMatched_]) {
            if (rawMatched_ == 0)
                markTag();
            ++rawMatched_;
        } else if (c == '<') {
            markTag();
            rawMatched_ = 1;
        } else {
            rawMatched_ = 0;
        }
        return;
    }
}

void HtmlTokenizer::startTag(bool selfClosed) {
    state_ = State::Data;
    events_.startTag(name_, attributes_, selfClosed, tag_, here_.offset + 1);
    if (!selfClosed && isRawTextElement(name_)) {
        rawEnd_ = "</" + name_;
        rawMatched_ = 0;
        state_ = State::RawText;
    }
}

void HtmlTokenizer::endTag() {
    state_ = State::Data;
    events_.endTag(name_, tag_, here_.offset + 1);
}

HtmlTokenizer::Where HtmlTokenizer::where() const {
    switch (state_) {
    case State::Data:
    case State::CharRef:
        return Where::Text;
    case State::RawText:
        return Where::RawText;
    case State::MarkupDeclaration:
    case State::Comment:
    case State::Bogus:
    case State::CData:
    case State::Server:
        return Where::Elsewhere;
    default:
        return Where::Tag;
    }
}

HtmlTokenizer::Unfinished HtmlTokenizer::finish(Place& at) {
    at = tag_;
    switch (state_) {
    case State::Comment:
        return Unfinished::Comment;
    case State::CharRef:
        state_ = State::Data;
        if (!ref_.empty())
            events_.characterReference(ref_, false, refAt_);
        return Unfinished::Nothing;
    case State::Data:
    case State::RawText:
    case State::Bogus:
    case State::CData:
    case State::Server:
        return Unfinished::Nothing;
    default:
        return Unfinished::Tag;
    }
}

} // namespace editor
