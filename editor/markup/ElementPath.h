#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace editor {

// Where a place in a page is in its element tree, the way a browser builds
// the tree: each step an element's lower-case name and its place among its
// parent's children of that name (0 for the first), from inside the body
// down to the innermost element around the place.
struct PathStep {
    std::string name;
    int index = 0;
    bool operator==(const PathStep& o) const { return name == o.name && index == o.index; }
};
using ElementPath = std::vector<PathStep>;

// Reads a page from its start and tells, at any point, the path of the
// element there. Its state can be kept (a checkpoint) at a place where the
// page is in text, and reading resumed from it.
class ElementPathReader {
public:
    ElementPathReader();
    ~ElementPathReader();
    ElementPathReader(const ElementPathReader&);
    ElementPathReader& operator=(const ElementPathReader&);

    void feed(std::string_view piece);
    // The same element tree read so far: from here on both read alike. Only
    // meaningful where both are at text.
    bool operator==(const ElementPathReader& other) const;
    // True where the text read ends in text (not in a tag, comment or script):
    // a place to keep the reader's state.
    bool atText() const;
    // Where the text read ends inside a tag, reads on to the tag's end in
    // `following` (the text after, of which 4 KB are looked at), so that a
    // start tag the place is in counts as its element.
    void finishTag(std::string_view following);
    // The path where the text read ends. Empty for the top of the page: the
    // head, and script, style and comments.
    ElementPath path() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

// The path of the element at `caret` in `page`, read from its start.
ElementPath elementPathAt(std::string_view page, std::size_t caret);

} // namespace editor
