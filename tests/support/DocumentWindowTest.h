#pragma once

#include "editor/editing/SourceEditor.h"
#include "editor/frmMain.h"
#include "support/FakePrompts.h"
#include "support/RecordingPlacement.h"

#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// A created document window, shown and active, as a user meets it.
class DocumentWindowTest : public ::testing::Test {
protected:
    FakePrompts prompts;
    RecordingPlacement placement;
    std::unique_ptr<editor::frmMain> window;
    editor::SourceEditor* coding = nullptr;

    void SetUp() override {
        window = std::make_unique<editor::frmMain>(prompts, placement);
        window->create(QString());
        coding = window->coding();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    QByteArray text() const {
        const std::string_view b = coding->textBytes();
        return QByteArray(b.data(), static_cast<qsizetype>(b.size()));
    }
};
