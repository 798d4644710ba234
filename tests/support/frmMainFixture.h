#pragma once

#include "editor/editing/SourceEditor.h"
#include "editor/frmMain.h"
#include "support/FakePrompts.h"
#include "support/RecordingPlacement.h"

#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

inline const QByteArray kDefaultPage = "<!-- Feldt Ostra 1.1-->\r\n<html>\r\n<head>\r\n"
                                       "<title>Untitled</title>\r\n</head>\r\n<body>\r\n\r\n"
                                       "</body>\r\n</html>";

// A created document window with a folder for its files; shown only when a
// test asks.
class frmMainTest : public ::testing::Test {
protected:
    FakePrompts prompts;
    RecordingPlacement placement;
    QTemporaryDir dir;
    std::unique_ptr<editor::frmMain> window;

    void SetUp() override {
        window = std::make_unique<editor::frmMain>(prompts, placement);
        window->create(QString());
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QByteArray text() const {
        const std::string_view bytes = window->coding()->textBytes();
        return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
    }
    void showAndFocusEditor() {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->coding()->setFocus();
    }
    // Types into the editor the way a user does.
    void type(const char* keys) { QTest::keyClicks(window->coding()->viewport(), keys); }
    int caret() const {
        return static_cast<int>(window->coding()->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS));
    }
};
