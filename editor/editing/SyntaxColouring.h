#pragma once

#include "editor/editing/SyntaxScheme.h"

#include <QFont>
#include <QObject>

#include <array>

class QRadioButton;
class QsciLexer;

namespace editor {

class SourceEditor;

// Colours the source editor's text with the lexer of the selected document
// type option, at once when the option changes, in one font for every style.
// Only colours change: the text and the editor's font stay as they are. The
// colours follow the editor's palette, a dark one too, also when it changes.
class SyntaxColouring : public QObject {
    Q_OBJECT
public:
    // `font` is the editor's design font; `options` the document type options
    // in the order of core::DocumentType.
    SyntaxColouring(SourceEditor& editor, const QFont& font,
                    const std::array<QRadioButton*, 4>& options, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The margin's and the caret's colours from the editor's palette, and
    // the plain text's when no lexer colours it.
    void applyChrome();
    void select(LexerKind kind);
    // Gives the editor's current document the lexer of `kind_`.
    void apply();
    QsciLexer& lexerFor(LexerKind kind);

    SourceEditor& editor_;
    QFont font_;
    LexerKind kind_ = LexerKind::Hypertext;
    std::array<QsciLexer*, 4> lexers_{}; // by LexerKind, made when first needed
};

} // namespace editor
