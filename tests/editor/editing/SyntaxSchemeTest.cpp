#include "editor/editing/SyntaxScheme.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using core::DocumentType;
using editor::LexerKind;
using editor::StyleRole;

namespace {

double luminance(const QColor& c) {
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

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
