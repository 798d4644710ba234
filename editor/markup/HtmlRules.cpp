#include "editor/markup/HtmlRules.h"

#include <algorithm>
#include <iterator>

namespace editor {

namespace {

template <std::size_t N> bool among(const std::string_view (&names)[N], std::string_view name) {
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

// The HTML void elements, with the older ones pages still use.
constexpr std::string_view kVoid[] = {"area",  "base",  "br",       "col",   "embed",   "hr",
                                      "img",   "input", "link",     "meta",  "param",   "source",
                                      "track", "wbr",   "basefont", "frame", "isindex", "keygen"};

constexpr std::string_view kRawText[] = {"script", "style", "textarea", "title", "xmp"};

constexpr std::string_view kOptionalEnd[] = {
    "html",   "head",     "body",    "p",  "li", "dt",    "dd",
    "option", "optgroup", "tr",      "td", "th", "thead", "tbody",
    "tfoot",  "colgroup", "caption", "rb", "rt", "rtc",   "rp"};

// Start tags that end an open paragraph.
constexpr std::string_view kClosesParagraph[] = {
    "address", "article", "aside",    "blockquote", "center",  "details",   "dialog", "dir",
    "div",     "dl",      "fieldset", "figcaption", "figure",  "footer",    "form",   "h1",
    "h2",      "h3",      "h4",       "h5",         "h6",      "header",    "hgroup", "hr",
    "li",      "main",    "menu",     "nav",        "ol",      "p",         "pre",    "section",
    "table",   "ul",      "dd",       "dt",         "listing", "plaintext", "xmp",    "search"};

constexpr std::string_view kTableSections[] = {"thead", "tbody", "tfoot"};

} // namespace

bool isVoidElement(std::string_view name) {
    return among(kVoid, name);
}

bool isRawTextElement(std::string_view name) {
    return among(kRawText, name);
}

bool mayBeLeftOpen(std::string_view name) {
    return among(kOptionalEnd, name);
}

bool startImpliesEnd(std::string_view current, std::string_view next) {
    if (current == "p")
        return among(kClosesParagraph, next);
    if (current == "li")
        return next == "li";
    if (current == "dt" || current == "dd")
        return next == "dt" || next == "dd";
    if (current == "option")
        return next == "option" || next == "optgroup";
    if (current == "optgroup")
        return next == "optgroup";
    if (current == "td" || current == "th")
        return next == "td" || next == "th" || next == "tr" || among(kTableSections, next);
    if (current == "tr")
        return next == "tr" || among(kTableSections, next);
    if (among(kTableSections, current))
        return among(kTableSections, next);
    if (current == "head")
        return next == "body";
    if (current == "rb" || current == "rt" || current == "rp" || current == "rtc")
        return next == "rb" || next == "rt" || next == "rp" || next == "rtc";
    return false;
}

} // namespace editor
