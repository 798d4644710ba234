#include "editor/editing/SourceEditor.h"
#include "editor/editing/SyntaxScheme.h"
#include "support/Contrast.h"
#include "support/DarkDesktop.h"
#include "support/DocumentWindowTest.h"
#include "support/Files.h"

#include <Qsci/qscilexercss.h>
#include <Qsci/qscilexerhtml.h>

#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <tuple>

using core::DocumentType;
using H = QsciLexerHTML;

namespace {

class SyntaxColouringTest : public DocumentWindowTest {
protected:
    QTemporaryDir dir;

    long send(unsigned int message, unsigned long w = 0, long l = 0) {
        return coding->SendScintilla(message, w, l);
    }
    void clickOption(DocumentType type) {
        window->findChild<QRadioButton*>(QStringLiteral("Option1_%1").arg(static_cast<int>(type)))
            ->click();
    }
    // The lexer the editor's current document runs, as the component knows it.
    long documentLexer() { return send(QsciScintilla::SCI_GETLEXER); }
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
    QColor fore(int style) {
        const long bgr = send(QsciScintilla::SCI_STYLEGETFORE, static_cast<unsigned long>(style));
        return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
    }
    QColor back(int style) {
        const long bgr = send(QsciScintilla::SCI_STYLEGETBACK, static_cast<unsigned long>(style));
        return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
    }
    QColor caret() {
        const long bgr = send(QsciScintilla::SCI_GETCARETFORE);
        return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
    }
    std::string fontName(int style) {
        char name[128] = {};
        coding->SendScintilla(QsciScintilla::SCI_STYLEGETFONT, static_cast<unsigned long>(style),
                              static_cast<void*>(name));
        return name;
    }
};

} // namespace

TEST_F(SyntaxColouringTest, TheLexerFollowsEveryChangeOfDocumentTypeAtOnce) {
    EXPECT_EQ(documentLexer(), QsciScintilla::SCLEX_HTML); // a fresh window is HTML
    struct Step {
        const char* what;
        std::function<void()> act;
        long lexer;
    };
    const std::vector<Step> steps = {
        {"click XML", [&] { clickOption(DocumentType::XML); }, QsciScintilla::SCLEX_XML},
        {"click CSS", [&] { clickOption(DocumentType::CSS); }, QsciScintilla::SCLEX_CSS},
        {"click ASP", [&] { clickOption(DocumentType::ASP); }, QsciScintilla::SCLEX_HTML},
        {"save as a.css", [&] { window->SaveFile(path("a.css")); }, QsciScintilla::SCLEX_CSS},
        {"open PAGE.XML", [&] { window->OpenFile(path("PAGE.XML")); }, QsciScintilla::SCLEX_XML},
        {"open b.asp", [&] { window->OpenFile(path("b.asp")); }, QsciScintilla::SCLEX_HTML},
        {"open notes.txt", [&] { window->OpenFile(path("notes.txt")); }, QsciScintilla::SCLEX_HTML},
        {"open c.css", [&] { window->OpenFile(path("c.css")); }, QsciScintilla::SCLEX_CSS},
        // A failed open keeps the document and its lexer.
        {"open missing.xml", [&] { window->OpenFile(path("missing.xml")); },
         QsciScintilla::SCLEX_CSS},
    };
    for (const char* name : {"PAGE.XML", "b.asp", "notes.txt", "c.css"})
        writeRaw(path(name), "<a>text</a>");
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(documentLexer(), step.lexer) << step.what;
    }
    EXPECT_EQ(text(), QByteArray("<a>text</a>")); // colouring never touches the text
}

TEST_F(SyntaxColouringTest, EachOpenedTypeStylesItsOwnLanguage) {
    const struct {
        const char* file;
        QByteArray text;
        long offset;
        int style;
    } cases[] = {
        {"a.html", "<p class=\"a\">", 3, H::Attribute},
        {"b.html", "<script>var x;</script>", 8, H::JavaScriptKeyword},
        // Server script is VBScript in a server page, JavaScript elsewhere.
        {"c.asp", "<% Dim x %>", 3, H::ASPVBScriptKeyword},
        {"d.html", "<% Dim x %>", 3, H::ASPJavaScriptWord},
        {"e.xml", "<?xml version=\"1.0\"?><a/>", 0, H::XMLStart},
        {"f.css", "p { color: red }", 4, QsciLexerCSS::CSS1Property},
    };
    for (const auto& c : cases) {
        writeRaw(path(c.file), c.text);
        ASSERT_TRUE(window->OpenFile(path(c.file)));
        send(QsciScintilla::SCI_COLOURISE, 0, -1);
        EXPECT_EQ(send(QsciScintilla::SCI_GETSTYLEAT, static_cast<unsigned long>(c.offset)),
                  c.style)
            << c.file;
    }
}

TEST_F(SyntaxColouringTest, EveryStyleKeepsTheEditorsFontAndPaperAndTakesItsRolesColour) {
    // What the editor shows without colouring: its design font in every style.
    QsciScintilla plain;
    plain.setFont(coding->font());
    const auto fontOf = [](const QsciScintilla& e, int style) {
        const auto s = static_cast<unsigned long>(style);
        char name[128] = {};
        e.SendScintilla(QsciScintilla::SCI_STYLEGETFONT, s, static_cast<void*>(name));
        return std::make_tuple(std::string(name),
                               e.SendScintilla(QsciScintilla::SCI_STYLEGETSIZEFRACTIONAL, s),
                               e.SendScintilla(QsciScintilla::SCI_STYLEGETWEIGHT, s),
                               e.SendScintilla(QsciScintilla::SCI_STYLEGETITALIC, s));
    };
    const auto designFont = fontOf(plain, QsciScintilla::STYLE_DEFAULT);
    ASSERT_EQ(std::get<0>(designFont), coding->font().family().toStdString());
    const QColor paper = coding->palette().color(QPalette::Base);
    for (const auto type : {DocumentType::HTML, DocumentType::XML, DocumentType::CSS}) {
        clickOption(type);
        for (int style = 0; style < 128; ++style) {
            if (style >= QsciScintilla::STYLE_DEFAULT &&
                style <= QsciScintilla::STYLE_LASTPREDEFINED)
                continue; // margins, braces, call tips: not the text
            ASSERT_EQ(fontOf(*coding, style), designFont) << style;
            ASSERT_EQ(back(style), paper) << style;
        }
        EXPECT_EQ(fore(0), coding->palette().color(QPalette::Text));
        for (const auto& [style, role] : editor::styleRoles(editor::lexerKindFor(type)))
            EXPECT_EQ(fore(style), editor::roleColour(role, paper)) << style;
    }
}

// Styling all of a large page on open or on a change of type would stall the
// window for seconds: only what is drawn is styled.
TEST_F(SyntaxColouringTest, OnlyTheDrawnTextIsStyledAfterOpenAndAfterAChangeOfType) {
    std::string page;
    while (page.size() < (2u << 20))
        page += "<p class=\"x\">line &amp; text</p>\r\n";
    writeRaw(path("big.html"), QByteArray::fromStdString(page));
    writeRaw(path("big.xml"), QByteArray::fromStdString(page));
    for (const char* name : {"big.html", "big.xml"}) {
        ASSERT_TRUE(window->OpenFile(path(name)));
        coding->viewport()->repaint();
        EXPECT_LT(send(QsciScintilla::SCI_GETENDSTYLED), 64 * 1024) << name;
        EXPECT_EQ(send(QsciScintilla::SCI_GETSTYLEAT, 1), H::Tag) << name;
    }
}

// A dark desktop theme, also one chosen while the window is open, gives a
// dark paper with light text and caret, a dark margin and syntax colours that
// read on it: after a change of type (a new lexer resets the margin) and in a
// page with long lines, which shows plain in two styles.
TEST_F(SyntaxColouringTest, ADarkDesktopGivesADarkPaperOnWhichEveryColourReads) {
    using S = QsciScintilla;
    writeRaw(path("long.html"), "<p>" + QByteArray(3 * editor::SourceEditor::kLongLine, 'x') +
                                    "</p>\r\n<b>bold</b>\r\n");
    const std::string designFont = fontName(S::STYLE_DEFAULT);
    const DarkDesktop dark;
    const QColor paper = coding->palette().color(QPalette::Base);
    const QColor text = coding->palette().color(QPalette::Text);
    ASSERT_LT(paper.lightness(), 64);
    const struct {
        const char* what;
        std::function<void()> act;
        DocumentType type;
    } steps[] = {
        {"the theme changed", [] {}, DocumentType::HTML},
        {"click CSS", [&] { clickOption(DocumentType::CSS); }, DocumentType::CSS},
        {"click XML", [&] { clickOption(DocumentType::XML); }, DocumentType::XML},
        {"open long.html", [&] { ASSERT_TRUE(window->OpenFile(path("long.html"))); },
         DocumentType::HTML},
    };
    for (const auto& step : steps) {
        step.act();
        EXPECT_EQ(back(S::STYLE_DEFAULT), paper) << step.what;
        EXPECT_EQ(fore(S::STYLE_DEFAULT), text) << step.what;
        EXPECT_EQ(caret(), text) << step.what;
        const QColor margin = back(S::STYLE_LINENUMBER);
        EXPECT_LT(margin.lightness(), 100) << step.what;
        EXPECT_GE(contrast(fore(S::STYLE_LINENUMBER), margin), 7.0) << step.what;
        if (coding->lexer()) {
            for (const auto& [style, role] : editor::styleRoles(editor::lexerKindFor(step.type)))
                EXPECT_GE(contrast(fore(style), back(style)), 4.5) << step.what << " " << style;
        } else {
            for (const int style : {0, 1}) { // the long line's runs
                EXPECT_EQ(back(style), paper) << style;
                EXPECT_EQ(fore(style), text) << style;
                EXPECT_EQ(fontName(style), designFont) << style;
            }
        }
    }
    EXPECT_FALSE(coding->lexer()); // the long page shows plain
}
