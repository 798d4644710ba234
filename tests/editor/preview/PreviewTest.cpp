#include "editor/preview/Preview.h"
#include "anybutton/AnyButton.h"
#include "editor/commands/DocumentMenus.h"
#include "editor/editing/SourceEditor.h"
#include "editor/editing/TabControl.h"
#include "editor/elements/ElementButtons.h"
#include "editor/frmMain.h"
#include "platform/desktop/BrowserLauncher.h"
#include "support/FakePrompts.h"
#include "support/Files.h"
#include "support/Menus.h"
#include "support/RecordingPlacement.h"

#include <QAction>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using core::DocumentType;
using editor::frmMain;

namespace {

struct Recorder {
    QStringList embedded; // paths the Preview tab's view was sent to
    QStringList launched; // URLs given to the user's browser
    int viewsMade = 0;
    bool launcherWorks = true;
};

class FakeBrowser final : public platform::EmbeddedBrowser {
public:
    explicit FakeBrowser(Recorder& r) : r_(r) {}
    void navigate(const QUrl& page) override { r_.embedded << page.toLocalFile(); }

private:
    Recorder& r_;
};

class FakeLauncher final : public platform::BrowserLauncher {
public:
    explicit FakeLauncher(Recorder& r) : r_(r) {}
    bool openInNewWindow(const QString& url) override {
        r_.launched << url;
        return r_.launcherWorks;
    }

private:
    Recorder& r_;
};

class PreviewTest : public ::testing::Test {
protected:
    FakePrompts prompts;
    RecordingPlacement placement;
    QTemporaryDir dir;
    Recorder rec;
    FakeLauncher launcher{rec};
    std::unique_ptr<frmMain> window;

    void open(QStringList folders) {
        window = std::make_unique<frmMain>(prompts, placement);
        window->create(QString());
        window->setPreviewServices({[this](QWidget&) {
                                        ++rec.viewsMade;
                                        return std::make_unique<FakeBrowser>(rec);
                                    },
                                    &launcher, folders});
    }
    void SetUp() override { open({path("program"), path("cache")}); }
    QString path(const QString& name) const { return dir.filePath(name); }
    void type(const QByteArray& text) {
        window->coding()->replaceText(std::string_view(text.constData(), size_t(text.size())));
    }
    void choose(DocumentType t) {
        window->findChild<QRadioButton*>(QStringLiteral("Option1_%1").arg(int(t)))->click();
    }
    void switchTab() { window->XTab()->setCurrentIndex(1 - window->XTab()->currentIndex()); }
    anybutton::AnyButton* Command1() const { return window->elements().Command1(); }
};

} // namespace

TEST_F(PreviewTest, AnUntitledPageIsPreviewedThroughItsTemporaryFileAndStaysUntitledAndUnsaved) {
    struct Case {
        DocumentType type;
        const char* file;
    };
    for (const Case& c :
         {Case{DocumentType::HTML, "tempfile.html"}, Case{DocumentType::XML, "tempfile.xml"},
          Case{DocumentType::ASP, "tempfile.xml"}, Case{DocumentType::CSS, "tempfile.xml"}}) {
        SCOPED_TRACE(c.file);
        rec.embedded.clear();
        type("<h1>caf\xC3\xA9</h1>");
        window->coding()->SendScintilla(QsciScintilla::SCI_GOTOPOS, 5UL);
        choose(c.type);
        switchTab(); // to Preview
        const QString expected = path(QStringLiteral("program/") + QLatin1String(c.file));
        EXPECT_EQ(rec.embedded, QStringList{expected});
        EXPECT_EQ(readRaw(expected), QByteArray("<h1>caf\xC3\xA9</h1>"));
        EXPECT_TRUE(window->CurrentFile().isEmpty());
        EXPECT_FALSE(window->IsSaved());
        EXPECT_EQ(window->coding()->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS), 0);
        EXPECT_EQ(window->DocumentType(), c.type);
        EXPECT_EQ(window->windowTitle(), QStringLiteral("Ostra Document"));
        // Back to Editing: navigated again, the file written again.
        type("<p>again</p>");
        switchTab();
        EXPECT_EQ(rec.embedded.size(), 2);
        EXPECT_EQ(readRaw(expected), QByteArray("<p>again</p>"));
        // Edits still count as changes: Open asks before throwing them away.
        EXPECT_TRUE(window->coding()->isModified());
    }
    EXPECT_EQ(rec.viewsMade, 1); // the view, and its engine, start once
}

TEST_F(PreviewTest, ATitledPageIsPreviewedFromItsFileAsLastSaved) {
    const QString page = path(QStringLiteral("index.html"));
    writeRaw(page, "<p>on disk</p>");
    ASSERT_TRUE(window->OpenFile(page));
    type("<p>unsaved edit</p>");
    switchTab();
    window->Command1_Click();
    EXPECT_EQ(rec.embedded, QStringList{page});
    EXPECT_EQ(rec.launched, QStringList{QUrl::fromLocalFile(page).toString()});
    EXPECT_EQ(readRaw(page), QByteArray("<p>on disk</p>"));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("program/tempfile.html"))));
}

TEST_F(PreviewTest, AnUnwritableProgramFolderFallsBackToTheCacheAndNeitherTellsTheUserOnce) {
    writeRaw(path(QStringLiteral("file")), "a file, not a folder");
    open({path(QStringLiteral("file/program")), path(QStringLiteral("cache"))});
    switchTab();
    EXPECT_EQ(rec.embedded, QStringList{path(QStringLiteral("cache/tempfile.html"))});
    EXPECT_TRUE(prompts.messages.empty());

    open({path(QStringLiteral("file/program")), path(QStringLiteral("file/cache"))});
    rec = {};
    switchTab();
    window->Command1_Click();
    EXPECT_TRUE(rec.embedded.isEmpty());
    EXPECT_TRUE(rec.launched.isEmpty());
    EXPECT_EQ(prompts.messages.size(), 2u); // once for each command
    EXPECT_TRUE(window->CurrentFile().isEmpty());
}

TEST_F(PreviewTest, EachClickAndF5OpenAnotherBrowserWindowUnlessTheDocumentIsCss) {
    window->show();
    QTest::mouseClick(Command1(), Qt::LeftButton, Qt::NoModifier, Command1()->rect().center());
    QTest::mouseClick(Command1(), Qt::LeftButton, Qt::NoModifier, Command1()->rect().center());
    trigger(*window, "mnuTools"); // hidden: F5 still previews
    menuItem(*window, "mnuViewPage")->trigger();
    EXPECT_EQ(rec.launched.size(), 3);

    choose(DocumentType::CSS);
    EXPECT_FALSE(Command1()->control().Enabled());
    EXPECT_FALSE(menuItem(*window, "mnuViewPage")->isEnabled());
    menuItem(*window, "mnuViewPage")->trigger();
    EXPECT_EQ(rec.launched.size(), 3);

    rec.launcherWorks = false;
    choose(DocumentType::HTML);
    menuItem(*window, "mnuViewPage")->trigger();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(prompts.messages[0].text.contains(QStringLiteral("BROWSER")));
}

TEST_F(PreviewTest, CommandStateFollowsEveryInputAtOnce) {
    const QString css = path(QStringLiteral("Site.CSS"));
    const QString html = path(QStringLiteral("index.html"));
    writeRaw(css, "a{}");
    writeRaw(html, "<p>");
    const auto m = [&](const char* name) { return menuItem(*window, name); };

    ASSERT_TRUE(window->OpenFile(css));
    EXPECT_EQ(window->DocumentType(), DocumentType::CSS);
    EXPECT_EQ(window->windowTitle(), css);
    EXPECT_FALSE(Command1()->control().Enabled());
    choose(DocumentType::HTML); // undone at once for a titled document
    EXPECT_EQ(window->DocumentType(), DocumentType::CSS);

    ASSERT_TRUE(window->OpenFile(html));
    EXPECT_EQ(window->DocumentType(), DocumentType::HTML);
    EXPECT_TRUE(Command1()->control().Enabled());
    EXPECT_TRUE(m("mnuViewPage")->isEnabled());

    // One selected character enables Cut and Copy; typing over it disables them.
    window->coding()->SendScintilla(QsciScintilla::SCI_SETSEL, 0UL, 1L);
    EXPECT_TRUE(m("mnuCut")->isEnabled());
    EXPECT_TRUE(m("mnu_Copy")->isEnabled());
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->coding()->setFocus();
    QTest::keyClicks(window->coding()->viewport(), QStringLiteral("x"));
    EXPECT_EQ(window->coding()->text().left(2), QStringLiteral("xp"));
    QCoreApplication::processEvents(); // the input event is over
    EXPECT_FALSE(m("mnuCut")->isEnabled());
    EXPECT_FALSE(m("mnu_cut")->isEnabled());

    // The bar's check marks follow its real visibility, however it was hidden.
    QTest::keyClick(window->coding()->viewport(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_FALSE(m("mnuBottomBar")->isChecked());
    EXPECT_FALSE(m("mnu_BottomBar")->isChecked());
    trigger(*window, "mnuBottomBar"); // shown again
    EXPECT_TRUE(m("mnu_BottomBar")->isChecked());
    window->Label1_Click();
    EXPECT_FALSE(m("mnuBottomBar")->isChecked());

    ASSERT_TRUE(window->SaveFile(path(QStringLiteral("x.xml"))));
    EXPECT_EQ(window->DocumentType(), DocumentType::XML);
}

TEST(PreviewFolders, AnInstalledProgramNeverWritesBesideItsExecutable) {
    QTemporaryDir prefix;
    ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("share/ostra")));
    ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
    const QString cache = QStringLiteral("/home/u/.cache/ostra");
    struct Case {
        QString programFolder;
        QStringList expected;
    };
    const std::vector<Case> cases = {
        {QStringLiteral("/home/u/ostra/build/app"),
         {QStringLiteral("/home/u/ostra/build/app"), cache}},
        {prefix.filePath(QStringLiteral("bin")), {cache}},
        {QStringLiteral("/usr/bin"), {cache}},
        {QStringLiteral("/usr/local/bin"), {cache}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.programFolder.toStdString());
        EXPECT_EQ(editor::Preview::defaultFolders(c.programFolder, cache), c.expected);
    }
}

TEST(BrowserCommands, TheBrowserVariableIsAListOfCommandsWithTheUrlInPlaceOfPercentS) {
    const QString url = QStringLiteral("file:///w/a%20b.html");
    struct Case {
        const char* variable;
        std::vector<QStringList> commands;
    };
    const std::vector<Case> cases = {
        {"", {}},
        {"firefox", {{"firefox", url}}},
        {"firefox --new-window %s", {{"firefox", "--new-window", url}}},
        {"missing-browser:chromium %s:lynx",
         {{"missing-browser", url}, {"chromium", url}, {"lynx", url}}},
        {"echo 100%% %s", {{"echo", "100%", url}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.variable);
        EXPECT_EQ(platform::browserCommands(QLatin1String(c.variable), url), c.commands);
    }
}
