#include "editor/editing/SyntaxScheme.h"

#include <Qsci/qscilexercss.h>
#include <Qsci/qscilexerhtml.h>

#include <array>

namespace editor {

namespace {

using R = StyleRole;
using H = QsciLexerHTML;
using C = QsciLexerCSS;

// Indexed by core::DocumentType.
constexpr std::array<LexerKind, 4> kLexerForType = {LexerKind::Hypertext, LexerKind::Xml,
                                                    LexerKind::ServerPage, LexerKind::Css};

// The XML lexer is the hypertext lexer in XML mode: both share these styles.
const std::vector<std::pair<int, StyleRole>> kMarkupRoles = {
    {H::Tag, R::Tag},
    {H::UnknownTag, R::Tag},
    {H::XMLTagEnd, R::Tag},
    {H::Script, R::Tag},
    {H::Attribute, R::Attribute},
    {H::UnknownAttribute, R::Attribute},
    {H::HTMLNumber, R::Value},
    {H::HTMLDoubleQuotedString, R::Value},
    {H::HTMLSingleQuotedString, R::Value},
    {H::HTMLValue, R::Value},
    {H::CDATA, R::Value},
    {H::SGMLDoubleQuotedString, R::Value},
    {H::SGMLSingleQuotedString, R::Value},
    {H::HTMLComment, R::Comment},
    {H::ASPXCComment, R::Comment},
    {H::SGMLComment, R::Comment},
    {H::SGMLParameterComment, R::Comment},
    {H::Entity, R::Entity},
    {H::SGMLEntity, R::Entity},
    {H::XMLStart, R::Directive},
    {H::XMLEnd, R::Directive},
    {H::ASPAtStart, R::Directive},
    {H::ASPStart, R::Directive},
    {H::PHPStart, R::Directive},
    {H::SGMLDefault, R::Directive},
    {H::SGMLCommand, R::Directive},
    {H::SGMLParameter, R::Directive},
    {H::SGMLSpecial, R::Directive},
    {H::SGMLBlockDefault, R::Directive},
    // Client script, server script in JavaScript, VBScript and Python, and PHP.
    {H::JavaScriptComment, R::Comment},
    {H::JavaScriptCommentLine, R::Comment},
    {H::JavaScriptCommentDoc, R::Comment},
    {H::JavaScriptNumber, R::Value},
    {H::JavaScriptKeyword, R::Keyword},
    {H::JavaScriptDoubleQuotedString, R::Value},
    {H::JavaScriptSingleQuotedString, R::Value},
    {H::JavaScriptUnclosedString, R::Value},
    {H::JavaScriptRegex, R::Value},
    {H::ASPJavaScriptComment, R::Comment},
    {H::ASPJavaScriptCommentLine, R::Comment},
    {H::ASPJavaScriptCommentDoc, R::Comment},
    {H::ASPJavaScriptNumber, R::Value},
    {H::ASPJavaScriptKeyword, R::Keyword},
    {H::ASPJavaScriptDoubleQuotedString, R::Value},
    {H::ASPJavaScriptSingleQuotedString, R::Value},
    {H::ASPJavaScriptUnclosedString, R::Value},
    {H::ASPJavaScriptRegex, R::Value},
    {H::VBScriptComment, R::Comment},
    {H::VBScriptNumber, R::Value},
    {H::VBScriptKeyword, R::Keyword},
    {H::VBScriptString, R::Value},
    {H::VBScriptUnclosedString, R::Value},
    {H::ASPVBScriptComment, R::Comment},
    {H::ASPVBScriptNumber, R::Value},
    {H::ASPVBScriptKeyword, R::Keyword},
    {H::ASPVBScriptString, R::Value},
    {H::ASPVBScriptUnclosedString, R::Value},
    {H::PythonComment, R::Comment},
    {H::PythonNumber, R::Value},
    {H::PythonKeyword, R::Keyword},
    {H::PythonDoubleQuotedString, R::Value},
    {H::PythonSingleQuotedString, R::Value},
    {H::ASPPythonComment, R::Comment},
    {H::ASPPythonNumber, R::Value},
    {H::ASPPythonKeyword, R::Keyword},
    {H::ASPPythonDoubleQuotedString, R::Value},
    {H::ASPPythonSingleQuotedString, R::Value},
    {H::PHPComment, R::Comment},
    {H::PHPCommentLine, R::Comment},
    {H::PHPKeyword, R::Keyword},
    {H::PHPNumber, R::Value},
    {H::PHPDoubleQuotedString, R::Value},
    {H::PHPSingleQuotedString, R::Value},
};

const std::vector<std::pair<int, StyleRole>> kCssRoles = {
    {C::Tag, R::Tag},
    {C::ClassSelector, R::Tag},
    {C::IDSelector, R::Tag},
    {C::PseudoClass, R::Tag},
    {C::UnknownPseudoClass, R::Tag},
    {C::PseudoElement, R::Tag},
    {C::ExtendedPseudoClass, R::Tag},
    {C::ExtendedPseudoElement, R::Tag},
    {C::Attribute, R::Tag},
    {C::CSS1Property, R::Attribute},
    {C::CSS2Property, R::Attribute},
    {C::CSS3Property, R::Attribute},
    {C::ExtendedCSSProperty, R::Attribute},
    {C::UnknownProperty, R::Attribute},
    {C::Value, R::Value},
    {C::DoubleQuotedString, R::Value},
    {C::SingleQuotedString, R::Value},
    {C::Comment, R::Comment},
    {C::Important, R::Keyword},
    {C::AtRule, R::Directive},
    {C::MediaRule, R::Directive},
    {C::Variable, R::Entity},
};

// The light scheme: dark, muted hues that keep the text's weight on white.
constexpr std::array<std::pair<StyleRole, QRgb>, 7> kLightColours = {{
    {R::Tag, 0x1F4E9A},
    {R::Attribute, 0x8A3B12},
    {R::Value, 0x1E6B34},
    {R::Comment, 0x5E6472},
    {R::Entity, 0x7B2D8E},
    {R::Directive, 0x8F5500},
    {R::Keyword, 0x0B6278},
}};

} // namespace

LexerKind lexerKindFor(core::DocumentType type) {
    return kLexerForType[static_cast<size_t>(type)];
}

const std::vector<std::pair<int, StyleRole>>& styleRoles(LexerKind kind) {
    return kind == LexerKind::Css ? kCssRoles : kMarkupRoles;
}

QColor roleColour(StyleRole role, const QColor& paper) {
    QColor colour;
    for (const auto& [r, rgb] : kLightColours) {
        if (r == role)
            colour = QColor::fromRgb(rgb);
    }
    if (paper.lightness() >= 128)
        return colour;
    // On a dark paper the same hue, as far above the middle as it was below.
    return QColor::fromHsl(colour.hslHue(), colour.hslSaturation(), 255 - colour.lightness());
}

MarginColours marginColours(const QColor& paper, const QColor& text) {
    if (paper.lightness() >= 128)
        return {QColor(224, 224, 224), QColor(Qt::black)};
    // As far from the paper as the light grey is from white.
    return {QColor::fromHsl(paper.hslHue(), paper.hslSaturation(), paper.lightness() + 31), text};
}

} // namespace editor
