#pragma once

#include "editor/markup/HtmlTokenizer.h"
#include "editor/markup/IdTable.h"
#include "editor/markup/MarkupChecker.h"

#include <string>
#include <vector>

namespace editor {

// Checks an HTML or ASP page as it streams past: the stack of open elements
// with the HTML rules for ends that may be left out, attributes given twice,
// ids used twice and malformed character references. Legacy markup (<FONT>,
// upper-case names, unquoted values, end tags of void elements) is no mistake.
class HtmlChecker final : public MarkupChecker, private HtmlTokenizer::Events {
public:
    HtmlChecker() : tokenizer_(*this) {}

    void feed(std::string_view piece) override;
    void finish() override;

    // Bounds on what is remembered, so that no page can take unbounded memory.
    static constexpr std::size_t kDeepest = 1'000'000;
    static constexpr std::size_t kMostIds = 200'000;

private:
    using Place = HtmlTokenizer::Place;
    struct Open {
        std::string name;
        Place at;
    };

    void startTag(const std::string& name, const std::vector<HtmlTokenizer::Attribute>& attributes,
                  bool selfClosed, const Place& at, std::size_t end) override;
    void endTag(const std::string& name, const Place& at, std::size_t end) override;
    void characterReference(const std::string& ref, bool ended, const Place& at) override;
    void checkAttributes(const std::string& tag,
                         const std::vector<HtmlTokenizer::Attribute>& attributes);
    void problem(const Place& at, std::size_t end, std::string message);

    HtmlTokenizer tokenizer_;
    std::vector<Open> open_;
    IdTable ids_;
};

} // namespace editor
