#include "editor/commands/CommandState.h"

#include <gtest/gtest.h>

using core::DocumentType;
using editor::CommandInputs;
using editor::computeCommandState;

TEST(CommandState, TitledDocumentForcesCaptionAndOptionUntitledKeepsTheUsersChoice) {
    CommandInputs in;
    in.option = DocumentType::ASP;
    auto s = computeCommandState(in);
    EXPECT_FALSE(s.caption.has_value());
    EXPECT_FALSE(s.option.has_value());
    EXPECT_TRUE(s.previewEnabled);

    in.option = DocumentType::CSS;
    EXPECT_FALSE(computeCommandState(in).previewEnabled);

    in.currentFile = QStringLiteral("/w/Site.CSS");
    in.option = DocumentType::HTML;
    s = computeCommandState(in);
    EXPECT_EQ(s.caption, QStringLiteral("/w/Site.CSS"));
    EXPECT_EQ(s.option, DocumentType::CSS);
    EXPECT_FALSE(s.previewEnabled);
}

TEST(CommandState, SelectionAndTheBarDriveEnabledStatesAndCheckMarks) {
    CommandInputs in;
    in.selectionEmpty = true;
    in.barVisible = false;
    auto s = computeCommandState(in);
    EXPECT_FALSE(s.selectionEnabled);
    EXPECT_FALSE(s.barChecked);

    in.selectionEmpty = false;
    in.barVisible = true;
    s = computeCommandState(in);
    EXPECT_TRUE(s.selectionEnabled);
    EXPECT_TRUE(s.barChecked);
}
