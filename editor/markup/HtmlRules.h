#pragma once

#include <string_view>

namespace editor {

// What the HTML rules say of an element, by its lower-case name.

// Has no content and no end tag (an end tag of one is ignored).
bool isVoidElement(std::string_view name);
// Its content is text up to its own end tag: script, style, textarea, title.
bool isRawTextElement(std::string_view name);
// May be left open: its end tag is implied by what follows or by the end.
bool mayBeLeftOpen(std::string_view name);
// Whether opening `next` implies the end of an open `current`, as a new
// paragraph closes the last one and a new list item the last item.
bool startImpliesEnd(std::string_view current, std::string_view next);

} // namespace editor
