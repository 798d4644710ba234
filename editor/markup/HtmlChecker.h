#pragma once

#include "editor/markup/MarkupChecker.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace editor {

// Checks an HTML or ASP page as it streams past: a tokenizer that keeps its
// state between pieces, and the stack of open elements with the HTML rules
// for ends that may be left out. Legacy markup (<FONT>, upper-case names,
// unquoted values, end tags of void elements) is not a mistake.
class HtmlChecker final : public MarkupChecker {
public:
    void feed(std::string_view piece) override;
    void finish() override;

    // Bounds on what is remembered, so that no page can take unbounded memory.
    static constexpr std::size_t kDeepest = 1'000'000;
    static constexpr std::size_t kMostIds = 200'000;

private:
    enum class State {
        Data,
        TagOpen,
        TagName,
        EndTagOpen,
        EndTagName,
        AfterEndTagName,
        BeforeAttrName,
        AttrName,
        AfterAttrName,
        BeforeAttrValue,
        AttrValueDouble,
        AttrValueSingle,
        AttrValueBare,
        SelfClosing,
        MarkupDeclaration,
        Comment,
        Bogus,
        CData,
        Server,
        RawText,
        CharRef
    };
    struct Open {
        std::string name;
        std::size_t start;
        long line;
        long column;
    };
    struct Attribute {
        std::string name;
        std::size_t start;
        long line;
        long column;
    };

    void step(char c);
    void startTag();
    void endTag();
    void endCharRef(char next);
    void beginAttribute(char c);
    void problemAt(std::size_t start, std::size_t end, long line, long column, std::string message);
    void problemAtTag(std::string message);
    std::string where(const Open& open) const;

    State state_ = State::Data;
    std::size_t pos_ = 0; // offset of the byte being read
    long line_ = 1;
    long column_ = 1;
    // The tag being read.
    std::size_t tagStart_ = 0;
    long tagLine_ = 1;
    long tagColumn_ = 1;
    std::string name_;
    std::vector<Attribute> attributes_;
    std::string value_;
    bool selfClosed_ = false;
    // Declarations, comments and other runs that end with a marker.
    std::string declaration_;
    char last_[3] = {};
    // Raw text: how much of its end tag has been seen.
    std::string rawEnd_;
    std::size_t rawMatched_ = 0;
    // A character reference being read.
    std::string ref_;
    std::size_t refStart_ = 0;
    long refLine_ = 1;
    long refColumn_ = 1;
    std::vector<Open> open_;
    std::unordered_map<std::string, std::pair<long, long>> ids_;
};

} // namespace editor
