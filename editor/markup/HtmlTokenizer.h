#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace editor {

// Reads HTML as it streams past and tells its tags and character references;
// it keeps its state between pieces and holds no more than one tag's names
// and values. Comments, declarations, CDATA, server blocks (<% %>) and the
// content of script, style, textarea and title pass by untold.
class HtmlTokenizer {
public:
    struct Place {
        std::size_t offset = 0;
        long line = 1;
        long column = 1; // in bytes
    };
    struct Attribute {
        std::string name; // lower case
        std::string value;
        Place at;
    };
    class Events {
    public:
        virtual ~Events() = default;
        // Names in lower case; `end` is the offset after the ">".
        virtual void startTag(const std::string& name, const std::vector<Attribute>& attributes,
                              bool selfClosed, const Place& at, std::size_t end) = 0;
        virtual void endTag(const std::string& name, const Place& at, std::size_t end) = 0;
        // "&" + `ref` (+ ";" when `ended`); `ref` is what follows the "&".
        virtual void characterReference(const std::string& ref, bool ended, const Place& at) = 0;
    };
    // What the text left unfinished at its end.
    enum class Unfinished { Nothing, Comment, Tag };

    explicit HtmlTokenizer(Events& events) : events_(events) {}

    void feed(std::string_view piece);
    // Where the text read so far ends: in text, inside a start or end tag,
    // in the content of script or style, or in a comment or declaration.
    enum class Where { Text, Tag, RawText, Elsewhere };
    Where where() const;
    // Tells a reference still being read; says what else was left open and where.
    Unfinished finish(Place& at);

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
    // How many bytes from the start of `piece` leave the state as it is.
    std::size_t quietRun(std::string_view piece) const;
    // Moves the place on past `run`.
    void pass(std::string_view run);
    void step(char c);
    void startTag(bool selfClosed);
    void endTag();
    void beginAttribute(char c);
    void markTag();

    Events& events_;
    State state_ = State::Data;
    Place here_;
    Place tag_;
    std::string name_;
    std::vector<Attribute> attributes_;
    std::string declaration_;
    char last_[3] = {};
    std::string rawEnd_; // "</script" while in raw text
    std::size_t rawMatched_ = 0;
    std::string ref_;
    Place refAt_;
};

} // namespace editor
