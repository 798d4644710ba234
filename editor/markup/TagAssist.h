#pragma once

#include "core/DocumentType.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace editor {

// What a user typing markup gets for free, computed from the text around the
// caret (at most kLookBehind bytes before it).
constexpr std::size_t kLookBehind = 256 * 1024;

// After a ">" that completes an opening tag: the closing tag to put after
// the caret. None for a void element (HTML), a tag written self-closed, a
// ">" in a comment, CDATA, a server block, an attribute value or the content
// of script and style, when the same closing tag already follows, and in CSS.
// `before` ends with the ">"; `after` is what follows the caret.
std::optional<std::string> closingTagAfter(std::string_view before, std::string_view after,
                                           core::DocumentType type);

// After "</": the rest of the end tag of the innermost element still open at
// the caret ("div>"). `before` ends with the "</".
std::optional<std::string> endTagCompletion(std::string_view before, core::DocumentType type);

} // namespace editor
