#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace editor {

// One row of the element table: what a tool button's caption inserts.
struct Element {
    std::string_view key;
    std::string_view opening; // before a selection
    std::string_view closing; // after a selection
    std::string_view templ;   // inserted when nothing is selected
};

// The first row whose key equals the caption exactly (case matters); none
// for a caption outside the table.
const Element* findElement(const QString& caption);

// The text that replaces the selection: the selection wrapped in the row's
// opening and closing texts, or the row's template when nothing is selected.
// The selection's bytes are kept as they are.
std::string elementText(const Element& element, std::optional<std::string_view> selection);

// What a button with this caption does, read aloud and shown as its tooltip:
// "B: inserts <B></B>, or wraps the selection" (line breaks left out);
// empty for a caption outside the table.
QString elementDescription(const QString& caption);

} // namespace editor
