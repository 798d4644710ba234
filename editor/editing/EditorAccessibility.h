#pragma once

namespace editor {

// While no assistive technology listens, a source editor gets a plain
// accessible (an editable text, no text interface) instead of the component's.
// The component's counts the characters from the start of the text to the
// caret after every key and caret move, to publish the caret's offset:
// 0.6 s a key at the end of a 100 MB page. Qt realises an accessible for every
// widget it shows, listened to or not. Where a tool listens from the start,
// the component's accessible is used. Safe to call more than once.
void installQuietEditorAccessibility();

} // namespace editor
