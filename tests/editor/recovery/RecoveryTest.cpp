#include "core/text/PathBytes.h"
#include "editor/editing/SourceEditor.h"
#include "editor/frmMain.h"
#include "editor/recovery/RecoveryStore.h"
#include "support/FakePrompts.h"
#include "support/Files.h"
#include "support/RecordingPlacement.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using editor::frmMain;
using editor::RecoveryCopy;
using editor::RecoveryStore;
using platform::PromptAnswer;

namespace {

class RecoveryTest : public ::testing::Test {
protected:
    QTemporaryDir files;
    QTemporaryDir state;
    FakePrompts prompts;
    RecordingPlacement placement;

    // A document window as the program makes it, with the real timing.
    std::unique_ptr<frmMain> start(const RecoveryStore& store) {
        auto window = std::make_unique<frmMain>(prompts, placement);
        window->setRecovery(store);
        window->create(QString());
        window->show();
        QCoreApplication::processEvents(); // the offer comes once the window shows
        return window;
    }
    QStringList copies() const {
        return QDir(state.path()).entryList({QStringLiteral("*.recovery")}, QDir::Files);
    }
    QByteArray copyText() const {
        const QByteArray stored = readRaw(QDir(state.path()).filePath(copies().value(0)));
        return stored.mid(stored.indexOf("\n\n") + 2);
    }
    static void type(frmMain& w, const char* keys) {
        QTest::keyClicks(w.coding()->viewport(), keys);
    }
};

} // namespace

TEST_F(RecoveryTest, ACopyFollowsUnsavedChangesAndGoesWhenTheyAreSavedOrDeclined) {
    const RecoveryStore store(state.path());
    auto window = start(store);
    QTest::qWait(1500); // longer than the quiet time: the untouched page gets no copy
    EXPECT_TRUE(copies().isEmpty());

    type(*window, "typed");
    QTRY_COMPARE_WITH_TIMEOUT(copies().size(), 1, 3000);
    EXPECT_TRUE(copyText().startsWith("typed"));

    ASSERT_TRUE(window->SaveFile(files.filePath(QStringLiteral("page.html"))));
    QTRY_VERIFY_WITH_TIMEOUT(copies().isEmpty(), 3000);

    type(*window, "more");
    QTRY_COMPARE_WITH_TIMEOUT(copies().size(), 1, 3000);
    prompts.answers = {PromptAnswer::No};
    EXPECT_TRUE(window->close());
    QTRY_VERIFY_WITH_TIMEOUT(copies().isEmpty(), 3000);
}

TEST_F(RecoveryTest, ACopyLeftByARunThatDidNotEndIsOfferedOnceAndRestored) {
    const QString file =
        core::pathFromBytes((QFile::encodeName(files.path()) + "/caf\xE9.css").toStdString());
    {
        // A run that ends without removing its copy drops its lock, as a crash does.
        const RecoveryStore crashed(state.path());
        ASSERT_TRUE(
            crashed.write(RecoveryCopy{file, editor::TextEncoding::Windows1252, editor::LineEnd::Lf,
                                       core::DocumentType::CSS, "body { }\nrecovered"}));
    }
    const RecoveryStore running(state.path()); // another program, still running
    ASSERT_TRUE(running.write(RecoveryCopy{{}, {}, {}, {}, "not ours to take"}));

    const RecoveryStore store(state.path());
    prompts.answers = {PromptAnswer::Yes};
    auto window = start(store);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text,
              QStringLiteral("Ostra was not closed properly. Recover the unsaved changes to %1?")
                  .arg(file));
    const std::string_view text = window->coding()->textBytes();
    EXPECT_EQ(text, "body { }\nrecovered");
    EXPECT_EQ(window->CurrentFile(), file);
    EXPECT_EQ(window->encoding(), editor::TextEncoding::Windows1252);
    EXPECT_FALSE(window->IsSaved());

    // The next start asks nothing: the copy was taken, and the other is still locked.
    prompts.answers = {PromptAnswer::No};
    window->close();
    window.reset();
    auto next = start(store);
    EXPECT_EQ(prompts.messages.size(), 2u); // only the close prompt
    EXPECT_EQ(copies().size(), 1);
}

TEST_F(RecoveryTest, ADamagedCopyIsReportedAndKeptAndTheDocumentStaysAsItWas) {
    writeRaw(QDir(state.path()).filePath(QStringLiteral("1-x.recovery")),
             "Ostra recovery copy 1\nfile: \nlength: 99\n\ncut sh");
    const RecoveryStore store(state.path());
    auto window = start(store);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(prompts.messages[0].text.contains(QStringLiteral("damaged")));
    EXPECT_TRUE(QFile::exists(QDir(state.path()).filePath(QStringLiteral("1-x.recovery.damaged"))));
    EXPECT_TRUE(window->coding()->textBytes().substr(0, 4) == "<!--");
    EXPECT_FALSE(window->coding()->isModified());
}
