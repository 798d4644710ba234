#include "anybutton/AnyButton.h"
#include "editor/commands/DocumentMenus.h"
#include "editor/frmMain.h"
#include "shell/frmAbout.h"
#include "shell/mdimain.h"
#include "support/FakePrompts.h"
#include "support/MemorySettings.h"
#include "support/Menus.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs `open`, which shows the box modally, and while it is up calls `close`
// on it; answers the box that was shown (null when none appeared).
struct Shown {
    QString title;
    QSize size;
    QStringList labels;
    bool modal = false;
    bool owned = true;
    bool closed = false;
};

Shown whileShown(const std::function<void()>& open,
                 const std::function<void(shell::frmAbout&)>& close) {
    Shown shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<shell::frmAbout*>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (!QTest::qWaitForWindowExposed(box))
            return;
        shown.title = box->windowTitle();
        shown.size = box->size();
        for (const char* name : {"lblTitle", "lblVersion", "lblDescription"})
            shown.labels << box->findChild<QLabel*>(QLatin1String(name))->text();
        shown.modal = box->isModal();
        shown.owned = box->parentWidget() != nullptr;
        close(*box);
        shown.closed = !box->isVisible();
        if (!shown.closed)
            box->reject(); // so the test goes on
    });
    open();
    return shown;
}

} // namespace

TEST(frmAbout, BothHelpMenusOpenTheSameModalBoxClosedByOkItsAccessKeyOrTheCloseBox) {
    FakePrompts prompts;
    MemorySettings settings;
    shell::mdimain frame(prompts, settings, QString());
    frame.showDocumentWindow();
    QAction* frameAbout =
        frame.findChild<QMenu*>(QStringLiteral("mnuHelp"), Qt::FindDirectChildrenOnly)
            ->actions()
            .value(0);
    QAction* documentAbout = menuItem(*frame.documentWindow(), "mnuAbout");
    ASSERT_NE(frameAbout, documentAbout);

    struct Way {
        const char* name;
        QAction* menu;
        std::function<void(shell::frmAbout&)> close;
    };
    bool clickedOnce = false;
    const std::vector<Way> ways = {
        {"OK clicked, from the frame", frameAbout,
         [&](shell::frmAbout& box) {
             anybutton::AnyButton* ok = box.cmdOK();
             ASSERT_NE(ok, nullptr);
             EXPECT_EQ(ok->Caption(), QStringLiteral("&OK"));
             EXPECT_EQ(ok->geometry(), QRect(264, 88, 89, 25));
             QObject::connect(ok, &anybutton::AnyButton::Click, [&] { clickedOnce = true; });
             QTest::mouseClick(ok, Qt::LeftButton, Qt::NoModifier, ok->rect().center());
         }},
        {"Alt+O, from the document window", documentAbout,
         [](shell::frmAbout& box) { QTest::keyClick(&box, Qt::Key_O, Qt::AltModifier); }},
        {"close box, from the frame", frameAbout, [](shell::frmAbout& box) { box.close(); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        const Shown shown = whileShown([&] { way.menu->trigger(); }, way.close);
        EXPECT_EQ(shown.title, QStringLiteral("About Feldt Ostra"));
        EXPECT_EQ(shown.size, QSize(359, 123)); // 5385 x 1845 twips
        EXPECT_EQ(shown.labels, (QStringList{"Feldt Ostra", "Version 1.1.0",
                                             "A simple HTML, XML, ASP and CSS Editor."}));
        EXPECT_TRUE(shown.modal);
        EXPECT_FALSE(shown.owned);
        EXPECT_TRUE(shown.closed);
    }
    EXPECT_TRUE(clickedOnce);
}
