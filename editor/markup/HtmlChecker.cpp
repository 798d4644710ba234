#include "editor/markup/HtmlChecker.h"

#include "editor/markup/HtmlRules.h"

#include <libxml/HTMLparser.h>

#include <algorithm>
#include <cctype>

namespace editor {

namespace {

// Longer names are cut: no real name is this long, and the page cannot make
// the checker hold more.
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

std::string quoted(std::string_view text) {
    return "\u201c" + std::string(text) + "\u201d";
}

// A named reference the browsers know: the HTML 4 names libxml2 keeps, and
// the few later ones pages use most.
bool knownEntity(const std::string& name) {
    static constexpr std::string_view kLater[] = {"apos", "nbsp", "check",   "hellip",
                                                  "rarr", "larr", "NewLine", "Tab"};
    if (std::find(std::begin(kLater), std::end(kLater), name) != std::end(kLater))
        return true;
    return htmlEntityLookup(reinterpret_cast<const xmlChar*>(name.c_str())) != nullptr;
}

} // namespace

void HtmlChecker::problemAt(std::size_t start, std::size_t end, long line, long column,
                            std::string message) {
    report({start, end, line, column, std::move(message)});
}

void HtmlChecker::problemAtTag(std::string message) {
    problemAt(tagStart_, pos_ + 1, tagLine_, tagColumn_, std::move(message));
}

std::string HtmlChecker::where(const Open& open) const {
    return "line " + std::to_string(open.line) + ", column " + std::to_string(open.column);
}

void HtmlChecker::feed(std::string_view piece) {
    for (const char c : piece) {
        if (stopped())
            return;
        step(c);
        // Lines end at LF, CR LF or a lone CR, as the editor counts them.
        if (c == '\n' && last_[2] == '\r') {
            column_ = 1;
        } else if (c == '\n' || c == '\r') {
            ++line_;
            column_ = 1;
        } else {
            ++column_;
        }
        last_[0] = last_[1];
        last_[1] = last_[2];
        last_[2] = c;
        ++pos_;
    }
}

void HtmlChecker::beginAttribute(char c) {
    attributes_.push_back({std::string(1, lower(c)), pos_, line_, column_});
    state_ = State::AttrName;
}

void HtmlChecker::step(char c) {
    switch (state_) {
    case State::Data:
        if (c == '<') {
            tagStart_ = pos_;
            tagLine_ = line_;
            tagColumn_ = column_;
            state_ = State::TagOpen;
        } else if (c == '&') {
            ref_.clear();
            refStart_ = pos_;
            refLine_ = line_;
            refColumn_ = column_;
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
        endCharRef(c);
        if (c != ';')
            step(c);
        return;
    case State::TagOpen:
        if (isAlpha(c)) {
            name_.assign(1, lower(c));
            attributes_.clear();
            selfClosed_ = false;
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
            startTag();
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
        if (isSpace(c))
            return;
        if (c == '/')
            state_ = State::SelfClosing;
        else if (c == '>')
            startTag();
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
            startTag();
        else
            append(attributes_.back().name, lower(c), kLongestName);
        return;
    case State::AfterAttrName:
        if (isSpace(c))
            return;
        if (c == '=')
            state_ = State::BeforeAttrValue;
        else if (c == '/')
            state_ = State::SelfClosing;
        else if (c == '>')
            startTag();
        else
            beginAttribute(c);
        return;
    case State::BeforeAttrValue:
        value_.clear();
        if (isSpace(c))
            return;
        if (c == '"')
            state_ = State::AttrValueDouble;
        else if (c == '\'')
            state_ = State::AttrValueSingle;
        else if (c == '>')
            startTag();
        else {
            value_ += c;
            state_ = State::AttrValueBare;
        }
        return;
    case State::AttrValueDouble:
    case State::AttrValueSingle:
        if (c == (state_ == State::AttrValueDouble ? '"' : '\'')) {
            if (attributes_.back().name == "id")
                attributes_.back().name = "id=" + value_;
            state_ = State::BeforeAttrName;
        } else {
            append(value_, c, kLongestValue);
        }
        return;
    case State::AttrValueBare:
        if (isSpace(c) || c == '>') {
            if (attributes_.back().name == "id")
                attributes_.back().name = "id=" + value_;
            state_ = State::BeforeAttrName;
            if (c == '>')
                startTag();
        } else {
            append(value_, c, kLongestValue);
        }
        return;
    case State::SelfClosing:
        if (c == '>') {
            selfClosed_ = true;
            startTag();
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
            last_[1] = last_[2] = '\0';
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
            if (rawMatched_ == 0) {
                tagStart_ = pos_;
                tagLine_ = line_;
                tagColumn_ = column_;
            }
            ++rawMatched_;
        } else {
            rawMatched_ = c == '<' ? 1 : 0;
            if (c == '<') {
                tagStart_ = pos_;
                tagLine_ = line_;
                tagColumn_ = column_;
            }
        }
        return;
    }
}

void HtmlChecker::startTag() {
    state_ = State::Data;
    // Each attribute once; each id once in the page.
    for (std::size_t i = 0; i < attributes_.size(); ++i) {
        const Attribute& a = attributes_[i];
        const bool isId = a.name.rfind("id=", 0) == 0;
        const std::string name = isId ? "id" : a.name;
        for (std::size_t k = 0; k < i; ++k) {
            const std::string& other = attributes_[k].name;
            if ((other.rfind("id=", 0) == 0 ? "id" : other) == name) {
                problemAt(a.start, a.start + name.size(), a.line, a.column,
                          "The attribute " + quoted(name) + " is given twice in <" + name_ + ">.");
                break;
            }
        }
        if (isId && a.name.size() > 3) {
            const std::string id = a.name.substr(3);
            const auto first = ids_.find(id);
            if (first != ids_.end())
                problemAt(a.start, a.start + 2, a.line, a.column,
                          "The id " + quoted(id) + " is used twice: first at line " +
                              std::to_string(first->second.first) + ", column " +
                              std::to_string(first->second.second) + ".");
            else if (ids_.size() < kMostIds)
                ids_.emplace(id, std::make_pair(a.line, a.column));
        }
    }
    while (!open_.empty() && startImpliesEnd(open_.back().name, name_))
        open_.pop_back();
    if (selfClosed_ || isVoidElement(name_))
        return;
    if (open_.size() >= kDeepest) {
        stop("Checking stopped: the elements are nested more than a million deep.");
        return;
    }
    open_.push_back({name_, tagStart_, tagLine_, tagColumn_});
    if (isRawTextElement(name_)) {
        rawEnd_ = "</" + name_;
        rawMatched_ = 0;
        state_ = State::RawText;
    }
}

void HtmlChecker::endTag() {
    state_ = State::Data;
    if (isVoidElement(name_))
        return; // </BR> and </FRAME> close nothing and harm nothing
    auto it =
        std::find_if(open_.rbegin(), open_.rend(), [&](const Open& o) { return o.name == name_; });
    if (it == open_.rend()) {
        problemAtTag("The end tag </" + name_ + "> has no open element to close.");
        return;
    }
    const auto closed = static_cast<std::size_t>(open_.rend() - it) - 1;
    for (std::size_t j = open_.size() - 1; j > closed; --j) {
        if (!mayBeLeftOpen(open_[j].name))
            problemAtTag("</" + name_ + "> closes <" + name_ + "> while <" + open_[j].name + "> (" +
                         where(open_[j]) + ") inside it is still open.");
    }
    open_.resize(closed);
}

void HtmlChecker::endCharRef(char next) {
    if (ref_.empty())
        return; // a lone "&"
    const bool ended = next == ';';
    const std::size_t end = refStart_ + 1 + ref_.size() + (ended ? 1 : 0);
    const std::string shown = "&" + ref_ + (ended ? ";" : "");
    const auto problem = [&](const std::string& why) {
        problemAt(refStart_, end, refLine_, refColumn_,
                  "The character reference " + quoted(shown) + " " + why);
    };
    if (ref_[0] != '#') {
        if (ended && !knownEntity(ref_))
            problem("names no character.");
        return;
    }
    const bool hex = ref_.size() > 1 && (ref_[1] == 'x' || ref_[1] == 'X');
    const std::string digits = ref_.substr(hex ? 2 : 1);
    const bool valid = !digits.empty() && std::all_of(digits.begin(), digits.end(), [&](char d) {
        return hex ? std::isxdigit(static_cast<unsigned char>(d)) != 0
                   : std::isdigit(static_cast<unsigned char>(d)) != 0;
    });
    if (!valid)
        return problem("is not a number.");
    if (!ended)
        return problem("needs a closing \u201c;\u201d.");
    unsigned long value = 0;
    for (const char d : digits) {
        value = value * (hex ? 16 : 10) +
                static_cast<unsigned long>(
                    std::isdigit(static_cast<unsigned char>(d)) ? d - '0' : lower(d) - 'a' + 10);
        if (value > 0x10FFFF)
            break;
    }
    if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        problem("names no character.");
}

void HtmlChecker::finish() {
    if (stopped())
        return;
    switch (state_) {
    case State::Comment:
        problemAt(tagStart_, tagStart_ + 4, tagLine_, tagColumn_, "This comment is never closed.");
        break;
    case State::CharRef:
        endCharRef('\0');
        break;
    case State::Data:
    case State::RawText:
    case State::Bogus:
    case State::CData:
    case State::Server:
        break;
    default:
        problemAt(tagStart_, pos_, tagLine_, tagColumn_, "This tag is never closed.");
        break;
    }
    for (const Open& o : open_) {
        if (!mayBeLeftOpen(o.name))
            problemAt(o.start, o.start + 1 + o.name.size(), o.line, o.column,
                      "<" + o.name + "> is never closed.");
    }
    open_.clear();
}

} // namespace editor
