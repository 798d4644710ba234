#include "editor/editing/SyntaxScheme.h"
#include "support/Contrast.h"

#include <gtest/gtest.h>

using core::DocumentType;
using editor::LexerKind;
using editor::StyleRole;

TEST(SyntaxScheme, EachDocumentTypeHasItsLexer) {
    EXPECT_EQ(editor::lexerKindFor(DocumentType::HTML), LexerKind::Hypertext);
    EXPECT_EQ(editor::lexerKindFor(DocumentType::XML), LexerKind::Xml);
    EXPECT_EQ(editor::lexerKindFor(DocumentType::ASP), LexerKind::ServerPage);
    EXPECT_EQ(editor::lexerKindFor(DocumentType::CSS), LexerKind::Css);
}

// Body text needs 4.5:1 against its paper to read comfortably; every role
// keeps it on a white paper and on the dark paper of a dark desktop theme.
TEST(SyntaxScheme, EveryRoleReadsOnLightAndDarkPaper) {
    const StyleRole roles[] = {StyleRole::Tag,     StyleRole::Attribute, StyleRole::Value,
                               StyleRole::Comment, StyleRole::Entity,    StyleRole::Directive,
                               StyleRole::Keyword};
    for (const QColor paper : {QColor(Qt::white), QColor(0x23, 0x26, 0x29)}) {
        for (const StyleRole role : roles) {
            const QColor colour = editor::roleColour(role, paper);
            EXPECT_GE(contrast(colour, paper), 4.5)
                << static_cast<int>(role) << " on " << paper.name().toStdString();
        }
    }
}
