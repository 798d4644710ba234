#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace editor {

// The tags of a stretch of markup, read from its start as text: comments,
// CDATA, server blocks (<% %>), declarations and the content of script and
// style are passed over; quotes in attribute values are honoured.
struct TagEvent {
    enum class Kind { Start, End, SelfClosed };
    Kind kind;
    std::size_t start; // at "<"
    std::size_t end;   // after ">"
    std::string name;  // as written
};

struct TagScan {
    std::vector<TagEvent> tags;
    // Where the stretch ends: in text, or inside a start tag (whose start and
    // name are known) outside or inside a quoted value, or anywhere else.
    enum class Ending { Text, InStartTag, InQuotedValue, Elsewhere } ending = Ending::Text;
    std::size_t openTagStart = 0;
    std::string openTagName;
    bool openTagSlash = false; // the last character of the open tag is "/"
};

// `xml`: names are compared as written and no element's content is raw text.
TagScan scanTags(std::string_view text, bool xml);

// Names compare without case in HTML, exactly in XML.
bool sameName(std::string_view a, std::string_view b, bool xml);

} // namespace editor
