#include "editor/search/SearchCommands.h"
#include "editor/search/FindDialog.h"
#include "support/DocumentWindowTest.h"
#include "support/Files.h"
#include "support/Menus.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

class SearchTest : public DocumentWindowTest {
protected:
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }

    // A key as the user presses it, to whatever has the focus.
    void press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, static_cast<Qt::Key>(key), mods);
        QCoreApplication::processEvents();
    }
    // Characters as a keyboard sends them, é included.
    void type(const QString& text) {
        for (const QChar c : text) {
            QKeyEvent down(QEvent::KeyPress,
                           c.isLetterOrNumber() && c.unicode() < 128
                               ? Qt::Key_A + (c.toUpper().unicode() - 'A')
                               : Qt::Key_unknown,
                           Qt::NoModifier, QString(c));
            QKeyEvent up(QEvent::KeyRelease, down.key(), Qt::NoModifier, QString(c));
            QApplication::sendEvent(QApplication::focusWidget(), &down);
            QApplication::sendEvent(QApplication::focusWidget(), &up);
        }
        QCoreApplication::processEvents();
    }
    editor::FindDialog* field() const { return window->search().dialog(); }
    QString selection() {
        const std::string_view s = coding->selectedBytes();
        return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
    }
};

} // namespace

TEST_F(SearchTest, TheKeyboardPathFindsReplacesAndUndoesInAWindows1252Page) {
    writeRaw(path("menu.html"), "caf\xE9 au lait\r\nthe caf\xE9 noir\r\nCAF\xC9");
    ASSERT_TRUE(window->OpenFile(path("menu.html")));

    press(Qt::Key_F, Qt::ControlModifier); // the field opens, its text focused
    ASSERT_TRUE(field() && field()->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(field()));
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("txtFind"));
    type(QStringLiteral("caf\u00e9"));
    press(Qt::Key_Return);
    EXPECT_EQ(selection(), QStringLiteral("caf\u00e9"));
    press(Qt::Key_Return);
    press(Qt::Key_Return); // the third, in capitals: case does not matter
    press(Qt::Key_Return);
    EXPECT_EQ(field()->findChild<QLabel*>(QStringLiteral("lblStatus"))->text(),
              QStringLiteral("Search wrapped"));
    press(Qt::Key_Escape); // back in the text, the match selected: typing replaces it
    EXPECT_FALSE(field()->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), coding);
    type(QStringLiteral("tea"));
    EXPECT_TRUE(text().startsWith("tea au lait"));

    press(Qt::Key_F3); // the last search again, nothing opened
    EXPECT_EQ(selection(), QStringLiteral("caf\u00e9"));
    EXPECT_FALSE(field()->isVisible());

    press(Qt::Key_H, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitForWindowActive(field()));
    // An access key clicks its button a moment later, as a mouse click would.
    const auto accessKey = [&](const char* button, Qt::Key key) {
        QSignalSpy clicked(field()->findChild<QAbstractButton*>(QLatin1String(button)),
                           &QAbstractButton::clicked);
        press(key, Qt::AltModifier);
        ASSERT_TRUE(clicked.count() == 1 || clicked.wait(2000)) << button;
    };
    accessKey("chkRegex", Qt::Key_X); // Regular e&xpression
    EXPECT_TRUE(field()->findChild<QCheckBox*>(QStringLiteral("chkRegex"))->isChecked());
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("txtFind"));
    type(QStringLiteral("(caf)(\u00e9)"));
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("txtReplace"));
    type(QStringLiteral("$2\\1!"));
    accessKey("cmdReplaceAll", Qt::Key_A); // Replace &All
    EXPECT_EQ(text(), QByteArray("tea au lait\r\nthe \xC3\xA9"
                                 "caf! noir\r\n\xC3\x89"
                                 "CAF!"));
    EXPECT_EQ(field()->findChild<QLabel*>(QStringLiteral("lblStatus"))->text(),
              QStringLiteral("Replaced 2 matches."));
    press(Qt::Key_Escape);
    press(Qt::Key_Z, Qt::ControlModifier); // one edit
    EXPECT_EQ(text(), QByteArray("tea au lait\r\nthe caf\xC3\xA9 noir\r\nCAF\xC3\x89"));
    press(Qt::Key_Y, Qt::ControlModifier);
    press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(readRaw(path("menu.html")), QByteArray("tea au lait\r\nthe \xE9"
                                                     "caf! noir\r\n\xC9"
                                                     "CAF!"));
}

TEST_F(SearchTest, ReplaceOneReplaceInASelectionAndAnInvalidExpression) {
    coding->replaceText("a1 a2 a3 a4");
    window->search().openReplace();
    auto* find = field()->findChild<QLineEdit*>(QStringLiteral("txtFind"));
    auto* replace = field()->findChild<QLineEdit*>(QStringLiteral("txtReplace"));
    auto* status = field()->findChild<QLabel*>(QStringLiteral("lblStatus"));
    field()->findChild<QCheckBox*>(QStringLiteral("chkRegex"))->setChecked(true);
    find->setText(QStringLiteral("a(\\d"));
    EXPECT_TRUE(status->text().startsWith(
        QStringLiteral("Error in the regular expression at character 5")));
    const QByteArray before = text();
    QTest::mouseClick(field()->findChild<QPushButton*>(QStringLiteral("cmdReplaceAll")),
                      Qt::LeftButton);
    EXPECT_EQ(text(), before);       // nothing searched
    EXPECT_FALSE(window->IsSaved()); // as it was: the default page's edit

    find->setText(QStringLiteral("a(\\d)"));
    replace->setText(QStringLiteral("b$1"));
    coding->SendScintilla(QsciScintilla::SCI_SETSEL, 0UL, 0L);
    QTest::mouseClick(field()->findChild<QPushButton*>(QStringLiteral("cmdReplace")),
                      Qt::LeftButton);
    EXPECT_EQ(selection(), QStringLiteral("a1")); // first found, then replaced
    QTest::mouseClick(field()->findChild<QPushButton*>(QStringLiteral("cmdReplace")),
                      Qt::LeftButton);
    EXPECT_EQ(text(), QByteArray("b1 a2 a3 a4"));
    EXPECT_EQ(selection(), QStringLiteral("a2"));

    coding->SendScintilla(QsciScintilla::SCI_SETSEL, 3UL, 9L); // "a2 a3 "
    field()->findChild<QCheckBox*>(QStringLiteral("chkInSelection"))->setChecked(true);
    QTest::mouseClick(field()->findChild<QPushButton*>(QStringLiteral("cmdReplaceAll")),
                      Qt::LeftButton);
    EXPECT_EQ(text(), QByteArray("b1 b2 b3 a4"));
}

TEST_F(SearchTest, GoToLinePastTheEndAndUndoRedoFollowTheirState) {
    coding->replaceText("one\r\ntwo\r\nthree\r\nfour");
    prompts.texts = {QStringLiteral("3:4"), QStringLiteral("4812")};
    trigger(*window, "mnuGoToLine");
    EXPECT_EQ(prompts.askedLabels.last(), QStringLiteral("Line number (1 to 4), or line:column:"));
    EXPECT_EQ(coding->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS), 13); // "thr|ee"
    EXPECT_EQ(QApplication::focusWidget(), coding);
    trigger(*window, "mnuGoToLine");
    EXPECT_EQ(coding->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS), 17); // the last line

    coding->SendScintilla(QsciScintilla::SCI_EMPTYUNDOBUFFER);
    window->refreshCommandState();
    QAction* undo = menuItem(*window, "mnuUndo");
    QAction* redo = menuItem(*window, "mnuRedo");
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
    QTest::keyClicks(coding->viewport(), QStringLiteral("x"));
    EXPECT_TRUE(undo->isEnabled()); // before the next key, without a repaint
    undo->trigger();
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_TRUE(redo->isEnabled());
}
