#include "editor/markup/ElementPath.h"

#include "editor/markup/HtmlRules.h"
#include "editor/markup/HtmlTokenizer.h"

#include <algorithm>
#include <map>

namespace editor {

namespace {

// The open elements, each with how many children of each name it has had.
class TreeBuilder final : public HtmlTokenizer::Events {
public:
    struct Open {
        std::string name;
        int index;
        std::map<std::string, int> children;
        bool operator==(const Open& o) const {
            return name == o.name && index == o.index && children == o.children;
        }
    };

    std::vector<Open> open{{"#document", 0, {}}};

    void startTag(const std::string& name, const std::vector<HtmlTokenizer::Attribute>&,
                  bool selfClosed, const HtmlTokenizer::Place&, std::size_t) override {
        while (open.size() > 1 && startImpliesEnd(open.back().name, name))
            open.pop_back();
        // html, head and body are the browser's whatever the page writes;
        // their children count under them all the same.
        if (name == "html" || name == "body")
            return;
        const int index = open.back().children[name]++;
        if (!selfClosed && !isVoidElement(name))
            open.push_back({name, index, {}});
    }
    void endTag(const std::string& name, const HtmlTokenizer::Place&, std::size_t) override {
        const auto it = std::find_if(open.rbegin(), open.rend() - 1,
                                     [&](const Open& o) { return o.name == name; });
        if (it != open.rend() - 1)
            open.erase(std::next(it).base(), open.end());
    }
    void characterReference(const std::string&, bool, const HtmlTokenizer::Place&) override {}
};

} // namespace

// The tree builder and a tokenizer feeding it; copying it copies both, the
// tokenizer made afresh at a place in text (where it holds nothing).
struct ElementPathReader::State {
    TreeBuilder tree;
    HtmlTokenizer tokenizer{tree};
    State() = default;
    State(const State& other) : tree(other.tree), tokenizer(tree) {}
};

ElementPathReader::ElementPathReader() : state_(std::make_unique<State>()) {}
ElementPathReader::~ElementPathReader() = default;
ElementPathReader::ElementPathReader(const ElementPathReader& other)
    : state_(std::make_unique<State>(*other.state_)) {}
ElementPathReader& ElementPathReader::operator=(const ElementPathReader& other) {
    state_ = std::make_unique<State>(*other.state_);
    return *this;
}

void ElementPathReader::feed(std::string_view piece) {
    state_->tokenizer.feed(piece);
}

bool ElementPathReader::operator==(const ElementPathReader& other) const {
    return state_->tree.open == other.state_->tree.open;
}

bool ElementPathReader::atText() const {
    return state_->tokenizer.where() == HtmlTokenizer::Where::Text;
}

void ElementPathReader::finishTag(std::string_view following) {
    if (state_->tokenizer.where() != HtmlTokenizer::Where::Tag)
        return;
    const std::size_t end = following.substr(0, 4096).find('>');
    if (end != std::string_view::npos)
        feed(following.substr(0, end + 1));
}

ElementPath ElementPathReader::path() const {
    using Where = HtmlTokenizer::Where;
    const Where where = state_->tokenizer.where();
    if (where == Where::RawText || where == Where::Elsewhere)
        return {};
    const TreeBuilder& tree = state_->tree;
    ElementPath path;
    for (std::size_t i = 1; i < tree.open.size(); ++i) {
        if (tree.open[i].name == "head")
            return {};
        path.push_back({tree.open[i].name, tree.open[i].index});
    }
    return path;
}

ElementPath elementPathAt(std::string_view page, std::size_t caret) {
    caret = std::min(caret, page.size());
    ElementPathReader reader;
    reader.feed(page.substr(0, caret));
    reader.finishTag(page.substr(caret));
    return reader.path();
}

} // namespace editor
