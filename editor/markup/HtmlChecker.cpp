#include "editor/markup/HtmlChecker.h"

#include "editor/markup/HtmlRules.h"

#include <libxml/HTMLparser.h>

#include <algorithm>
#include <cctype>

namespace editor {

namespace {

std::string quoted(std::string_view text) {
    return "\u201c" + std::string(text) + "\u201d";
}

std::string where(const HtmlTokenizer::Place& at) {
    return "line " + std::to_string(at.line) + ", column " + std::to_string(at.column);
}

// A named reference the browsers know: the HTML 4 names libxml2 keeps, and
// the few later ones pages use most.
bool knownEntity(const std::string& name) {
    static constexpr std::string_view kLater[] = {"apos", "check", "NewLine", "Tab"};
    if (std::find(std::begin(kLater), std::end(kLater), name) != std::end(kLater))
        return true;
    return htmlEntityLookup(reinterpret_cast<const xmlChar*>(name.c_str())) != nullptr;
}

// Why a numeric reference ("#65", "#x41") names no character, or "" when it does.
std::string numericFault(const std::string& ref, bool ended) {
    const bool hex = ref.size() > 1 && (ref[1] == 'x' || ref[1] == 'X');
    const std::string digits = ref.substr(hex ? 2 : 1);
    const auto isDigit = [&](char d) {
        return hex ? std::isxdigit(static_cast<unsigned char>(d)) != 0
                   : std::isdigit(static_cast<unsigned char>(d)) != 0;
    };
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), isDigit))
        return "is not a number.";
    if (!ended)
        return "needs a closing \u201c;\u201d.";
    unsigned long value = 0;
    for (const char d : digits) {
        const int v = std::isdigit(static_cast<unsigned char>(d)) ? d - '0' : (d | 0x20) - 'a' + 10;
        value = value * (hex ? 16 : 10) + static_cast<unsigned long>(v);
        if (value > 0x10FFFF)
            break;
    }
    if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return "names no character.";
    return {};
}

} // namespace

void HtmlChecker::problem(const Place& at, std::size_t end, std::string message) {
    report({at.offset, end, at.line, at.column, std::move(message)});
}

void HtmlChecker::feed(std::string_view piece) {
    if (!stopped())
        tokenizer_.feed(piece);
}

void HtmlChecker::checkAttributes(const std::string& tag,
                                  const std::vector<HtmlTokenizer::Attribute>& attributes) {
    for (std::size_t i = 0; i < attributes.size(); ++i) {
        const HtmlTokenizer::Attribute& a = attributes[i];
        const bool twice =
            std::any_of(attributes.begin(), attributes.begin() + static_cast<long>(i),
                        [&](const auto& other) { return other.name == a.name; });
        if (twice)
            problem(a.at, a.at.offset + a.name.size(),
                    "The attribute " + quoted(a.name) + " is given twice in <" + tag + ">.");
        if (a.name != "id" || a.value.empty() || twice)
            continue;
        const IdTable::Place here{static_cast<std::uint32_t>(a.at.line),
                                  static_cast<std::uint32_t>(a.at.column)};
        if (const auto first = ids_.firstOrKeep(a.value, here, kMostIds))
            problem(
                a.at, a.at.offset + 2,
                "The id " + quoted(a.value) + " is used twice: first at " +
                    where({0, static_cast<long>(first->line), static_cast<long>(first->column)}) +
                    ".");
    }
}

void HtmlChecker::startTag(const std::string& name,
                           const std::vector<HtmlTokenizer::Attribute>& attributes, bool selfClosed,
                           const Place& at, std::size_t) {
    if (stopped())
        return;
    checkAttributes(name, attributes);
    while (!open_.empty() && startImpliesEnd(open_.back().name, name))
        open_.pop_back();
    if (selfClosed || isVoidElement(name))
        return;
    if (open_.size() >= kDeepest)
        return stop("Checking stopped: the elements are nested more than a million deep.");
    open_.push_back({name, at});
}

void HtmlChecker::endTag(const std::string& name, const Place& at, std::size_t end) {
    if (stopped() || isVoidElement(name))
        return; // </BR> and </FRAME> close nothing and harm nothing
    const auto it =
        std::find_if(open_.rbegin(), open_.rend(), [&](const Open& o) { return o.name == name; });
    if (it == open_.rend())
        return problem(at, end, "The end tag </" + name + "> has no open element to close.");
    const auto closed = static_cast<std::size_t>(open_.rend() - it) - 1;
    for (std::size_t j = open_.size() - 1; j > closed; --j) {
        if (!mayBeLeftOpen(open_[j].name))
            problem(at, end,
                    "</" + name + "> closes <" + name + "> while <" + open_[j].name + "> (" +
                        where(open_[j].at) + ") inside it is still open.");
    }
    open_.resize(closed);
}

void HtmlChecker::characterReference(const std::string& ref, bool ended, const Place& at) {
    if (stopped())
        return;
    const std::string shown = "&" + ref + (ended ? ";" : "");
    std::string fault;
    if (ref[0] == '#')
        fault = numericFault(ref, ended);
    else if (ended && !knownEntity(ref))
        fault = "names no character.";
    if (!fault.empty())
        problem(at, at.offset + shown.size(),
                "The character reference " + quoted(shown) + " " + fault);
}

void HtmlChecker::finish() {
    if (stopped())
        return;
    Place at;
    switch (tokenizer_.finish(at)) {
    case HtmlTokenizer::Unfinished::Comment:
        problem(at, at.offset + 4, "This comment is never closed.");
        break;
    case HtmlTokenizer::Unfinished::Tag:
        problem(at, at.offset + 1, "This tag is never closed.");
        break;
    case HtmlTokenizer::Unfinished::Nothing:
        break;
    }
    for (const Open& o : open_) {
        if (!mayBeLeftOpen(o.name))
            problem(o.at, o.at.offset + 1 + o.name.size(), "<" + o.name + "> is never closed.");
    }
    open_.clear();
}

} // namespace editor
