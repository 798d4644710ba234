#include "editor/CommandState.h"

#include <gtest/gtest.h>

using editor::CommandInputs;
using editor::computeCommandState;

TEST(CommandState, FileNameDecidesTheDocumentType) {
    struct Case {
        const char* path;
        int option;
    };
    const Case cases[] = {
        {"/w/PAGE.XML", 1}, {"/w/x.css", 3},     {"/w/Site.CSS", 3},
        {"/w/a.asp", 2},    {"/w/index.htm", 0}, {"/w/notes.txt", 0},
        {"/w/page", 0},     {"css", 0},          {".xm", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(editor::optionForPath(QString::fromLatin1(c.path)), c.option) << c.path;
}

TEST(CommandState, TitledDocumentForcesCaptionAndOptionUntitledKeepsTheUsersChoice) {
    CommandInputs in;
    in.option = 2;
    auto s = computeCommandState(in);
    EXPECT_FALSE(s.caption.has_value());
    EXPECT_FALSE(s.option.has_value());
    EXPECT_TRUE(s.previewEnabled);

    in.option = 3;
    EXPECT_FALSE(computeCommandState(in).previewEnabled);

    in.currentFile = QStringLiteral("/w/Site.CSS");
    in.option = 0;
    s = computeCommandState(in);
    EXPECT_EQ(s.caption, QStringLiteral("/w/Site.CSS"));
    EXPECT_EQ(s.option, 3);
    EXPECT_FALSE(s.previewEnabled);
}

TEST(CommandState, SelectionAndPanelsDriveEnabledStatesAndCheckMarks) {
    CommandInputs in;
    in.selectionEmpty = true;
    in.barVisible = false;
    in.toolsChecked = false;
    auto s = computeCommandState(in);
    EXPECT_FALSE(s.cutEnabled);
    EXPECT_FALSE(s.copyEnabled);
    EXPECT_FALSE(s.barChecked);
    EXPECT_FALSE(s.barTwinChecked);
    EXPECT_FALSE(s.toolsTwinChecked);

    in.selectionEmpty = false;
    in.barVisible = true;
    in.pasteEnabled = false;
    s = computeCommandState(in);
    EXPECT_TRUE(s.cutEnabled);
    EXPECT_TRUE(s.copyEnabled);
    EXPECT_TRUE(s.barTwinChecked);
    EXPECT_FALSE(s.pasteTwinEnabled);
}
