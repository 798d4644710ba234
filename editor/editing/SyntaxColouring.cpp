#include "editor/editing/SyntaxColouring.h"

#include "editor/editing/PlainStyles.h"
#include "editor/editing/SourceEditor.h"

#include <Qsci/qscilexercss.h>
#include <Qsci/qscilexerhtml.h>
#include <Qsci/qscilexerxml.h>

#include <QEvent>
#include <QRadioButton>

#include <utility>

namespace editor {

namespace {

// The markup and style sheet lexers use seven style bits.
constexpr int kLexerStyles = 128;

// Gives a style the default style's font and the lexer's colours for it.
void completeStyle(QsciScintilla& editor, const QsciLexer& lexer, int style) {
    using S = QsciScintilla;
    const auto to = static_cast<unsigned long>(style);
    const auto from = static_cast<unsigned long>(S::STYLE_DEFAULT);
    char font[128] = {};
    editor.SendScintilla(S::SCI_STYLEGETFONT, from, static_cast<void*>(font));
    editor.SendScintilla(S::SCI_STYLESETFONT, to, static_cast<void*>(font));
    for (const auto& [get, set] :
         {std::pair{S::SCI_STYLEGETSIZEFRACTIONAL, S::SCI_STYLESETSIZEFRACTIONAL},
          std::pair{S::SCI_STYLEGETWEIGHT, S::SCI_STYLESETWEIGHT},
          std::pair{S::SCI_STYLEGETITALIC, S::SCI_STYLESETITALIC}})
        editor.SendScintilla(set, to, editor.SendScintilla(get, from));
    editor.SendScintilla(S::SCI_STYLESETFORE, to, lexer.color(style));
    editor.SendScintilla(S::SCI_STYLESETBACK, to, lexer.paper(style));
}

} // namespace

SyntaxColouring::SyntaxColouring(SourceEditor& editor, const QFont& font,
                                 const std::array<QRadioButton*, 4>& options, QObject* parent)
    : QObject(parent), editor_(editor), font_(font) {
    for (size_t i = 0; i < options.size(); ++i) {
        // Also a programmatic check, as the file name rule makes it.
        connect(options[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked)
                select(lexerKindFor(static_cast<core::DocumentType>(i)));
        });
        if (options[i]->isChecked())
            kind_ = lexerKindFor(static_cast<core::DocumentType>(i));
    }
    // A drawing styles at most a slice of what lies above the shown text and
    // leaves the rest to idle time, so a jump into a large page stays quick.
    editor_.SendScintilla(QsciScintilla::SCI_SETIDLESTYLING,
                          static_cast<unsigned long>(QsciScintilla::SC_IDLESTYLING_TOVISIBLE));
    // Without a lexer nothing styles the text: what the editor asks to have
    // styled counts as styled, or it asks again at every idle moment, forever.
    connect(&editor_, &QsciScintillaBase::SCN_STYLENEEDED, this, [this](int position) {
        if (!editor_.lexer())
            editor_.SendScintilla(QsciScintilla::SCI_STARTSTYLING,
                                  static_cast<unsigned long>(position));
    });
    // The lexer and its settings belong to a document: a fresh one gets them anew.
    connect(&editor_, &SourceEditor::documentReplaced, this, &SyntaxColouring::apply);
    editor_.installEventFilter(this);
    apply();
}

bool SyntaxColouring::eventFilter(QObject* watched, QEvent* event) {
    // The lexers keep the colours they were made with: a new palette (a
    // change of desktop theme) gets new ones. The one the editor holds goes
    // when the new one replaces it.
    if (watched == &editor_ && event->type() == QEvent::PaletteChange) {
        const std::array<QsciLexer*, 4> old = std::exchange(lexers_, {});
        apply();
        for (QsciLexer* lexer : old) {
            if (lexer != editor_.lexer())
                delete lexer;
        }
    }
    return QObject::eventFilter(watched, event);
}

void SyntaxColouring::applyChrome() {
    const QPalette palette = editor_.palette();
    const QColor paper = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    if (!editor_.lexer())
        colourPlainStyles(editor_, text, paper);
    // After the lexer: attaching one resets the margin to the component's grey.
    const MarginColours margin = marginColours(paper, text);
    editor_.setMarginsBackgroundColor(margin.back);
    editor_.setMarginsForegroundColor(margin.fore);
    editor_.setCaretForegroundColor(text);
}

void SyntaxColouring::select(LexerKind kind) {
    if (kind == kind_)
        return;
    kind_ = kind;
    apply();
}

void SyntaxColouring::apply() {
    if (editor_.holdsLongLines()) {
        applyChrome(); // plain, see SourceEditor::prepareForLines
        return;
    }
    // A document held without style bytes shows no colours: a lexer would
    // still read all of it, up to the shown text, after every jump (2.6 s of
    // CPU for Ctrl+End in a 100 MB page).
    if (editor_.SendScintilla(QsciScintilla::SCI_GETDOCUMENTOPTIONS) &
        QsciScintilla::SC_DOCUMENTOPTION_STYLES_NONE) {
        detachLexerKeepingLook(editor_);
        applyChrome();
        return;
    }
    QsciLexer& lexer = lexerFor(kind_);
    editor_.setLexer(&lexer);
    // The component sets only the styles a lexer describes and leaves the
    // others at its own reset font and colours; the lexer may still use them.
    for (int style = 0; style < kLexerStyles; ++style) {
        const bool predefined =
            style >= QsciScintilla::STYLE_DEFAULT && style <= QsciScintilla::STYLE_LASTPREDEFINED;
        if (!predefined && lexer.description(style).isEmpty())
            completeStyle(editor_, lexer, style);
    }
    // The hypertext lexer takes <% %> as JavaScript (1) unless told otherwise;
    // a server page's is VBScript (2). The setting stays with the document
    // through a change of lexer object, so each kind sets its own.
    const char* serverScript = kind_ == LexerKind::ServerPage ? "2" : "1";
    editor_.SendScintilla(QsciScintilla::SCI_SETPROPERTY, "asp.default.language", serverScript);
    applyChrome();
}

QsciLexer& SyntaxColouring::lexerFor(LexerKind kind) {
    QsciLexer*& lexer = lexers_[static_cast<size_t>(kind)];
    if (lexer)
        return *lexer;
    switch (kind) {
    case LexerKind::Hypertext:
    case LexerKind::ServerPage:
        lexer = new QsciLexerHTML(this);
        break;
    case LexerKind::Xml:
        lexer = new QsciLexerXML(this);
        break;
    case LexerKind::Css:
        lexer = new QsciLexerCSS(this);
        break;
    }
    // The lexers bring fonts, papers and colours of their own for each style:
    // every style gets the editor's font and paper, and its role's colour.
    const QPalette palette = editor_.palette();
    const QColor paper = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    lexer->setDefaultFont(font_);
    lexer->setDefaultPaper(paper);
    lexer->setDefaultColor(text);
    // Style by style: "all styles" at once reaches only the described ones.
    for (int style = 0; style < kLexerStyles; ++style) {
        lexer->setFont(font_, style);
        lexer->setPaper(paper, style);
        lexer->setColor(text, style);
    }
    for (const auto& [style, role] : styleRoles(kind))
        lexer->setColor(roleColour(role, paper), style);
    return *lexer;
}

} // namespace editor
