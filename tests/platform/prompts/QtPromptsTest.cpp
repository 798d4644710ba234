#include "platform/prompts/QtPrompts.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using platform::PromptAnswer;
using platform::PromptButtons;
using platform::PromptIcon;

namespace {

// Looks at the box the prompt shows, then closes it with `press`.
void whenShown(const std::function<void(QMessageBox&)>& look) {
    QTimer::singleShot(0, [look] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                look(*box);
                return;
            }
        }
        ADD_FAILURE() << "no message box shown";
    });
}

} // namespace

TEST(QtPrompts, FileNamesInMessagesAreShownAsTheyAreNotAsMarkup) {
    platform::QtPrompts prompts;
    for (const QString& name : {QStringLiteral("<i>x.html"), QStringLiteral("a&lt;b.html")}) {
        QString shown;
        whenShown([&](QMessageBox& box) {
            EXPECT_EQ(box.textFormat(), Qt::PlainText);
            shown = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
            box.button(QMessageBox::Ok)->click();
        });
        EXPECT_EQ(prompts.message(nullptr, name, QStringLiteral("t"), PromptIcon::Critical,
                                  PromptButtons::Ok),
                  PromptAnswer::Ok);
        EXPECT_EQ(shown, name);
    }
}

TEST(QtPrompts, AChoiceReturnsTheButtonPickedAndKeysMeantForTheTextPickTheLast) {
    platform::QtPrompts prompts;
    const QStringList choices = {QStringLiteral("Reload"), QStringLiteral("Save As..."),
                                 QStringLiteral("Keep Mine")};
    whenShown([](QMessageBox& box) {
        for (QAbstractButton* button : box.buttons()) {
            if (button->text() == QStringLiteral("Save As..."))
                button->click();
        }
    });
    EXPECT_EQ(prompts.choose(nullptr, QStringLiteral("<b>x"), QStringLiteral("t"),
                             PromptIcon::Warning, choices),
              1);
    // Typing on when the question comes up: a letter, then Return.
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        whenShown([key](QMessageBox& box) {
            QTest::keyClick(&box, Qt::Key_R);
            QTest::keyClick(&box, key);
        });
        EXPECT_EQ(prompts.choose(nullptr, QStringLiteral("x"), QStringLiteral("t"),
                                 PromptIcon::Warning, choices),
                  2);
    }
}
