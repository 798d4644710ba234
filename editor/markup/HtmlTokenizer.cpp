#include "editor/markup/HtmlTokenizer.h"

#include "editor/markup/HtmlRules.h"

#include <cctype>

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
    for (const char c : piece) {
        step(c);
        // Lines end at LF, CR LF or a lone CR, as the editor counts them.
        if (c == '\n' && last_[2] == '\r') {
            here_.column = 1;
        } else if (c == '\n' || c == '\r') {
            ++here_.line;
            here_.column = 1;
        } else {
            ++here_.column;
        }
        last_[0] = last_[1];
        last_[1] = last_[2];
        last_[2] = c;
        ++here_.offset;
    }
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
