#pragma once

#include "core/DocumentType.h"

#include <QColor>

#include <utility>
#include <vector>

namespace editor {

// Which of the component's lexers colours a document type.
enum class LexerKind {
    Hypertext,  // HTML with embedded CSS and JavaScript
    ServerPage, // the same lexer, server script in <% %> taken as VBScript
    Xml,
    Css,
};

LexerKind lexerKindFor(core::DocumentType type);

// What a coloured lexer style shows. Styles without a role are plain text in
// the palette's text colour; a role changes the colour, never the font.
enum class StyleRole { Tag, Attribute, Value, Comment, Entity, Directive, Keyword };

// The lexer's coloured styles with their roles.
const std::vector<std::pair<int, StyleRole>>& styleRoles(LexerKind kind);

// The colour of a role on the given paper: the light scheme's own colours on
// a light paper, the same hues lightened on a dark one.
QColor roleColour(StyleRole role, const QColor& paper);

// The line numbers' margin beside a paper: the component's own light grey
// and black on a light paper; on a dark one a shade a little lighter than
// the paper, with the text colour.
struct MarginColours {
    QColor back;
    QColor fore;
};
MarginColours marginColours(const QColor& paper, const QColor& text);

} // namespace editor
