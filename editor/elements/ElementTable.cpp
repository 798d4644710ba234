#include "editor/elements/ElementTable.h"

#include <algorithm>
#include <iterator>

namespace editor {

namespace {

// The placeholder mailbox of the EMAIL row, the same in both columns.
#define OSTRA_MAILBOX "NAME@EXAMPLE.COM"
#define CRLF "\r\n"

// Tried in this order; the first matching key wins.
constexpr Element kElements[] = {
    {"P", "<P>", "</P>", "<P><!-- Paragraph //--></P>"},
    {"B", "<B>", "</B>", "<B><!-- Paragraph //--></B>"},
    {"U", "<U>", "</U>", "<U><!-- Paragraph //--></U>"},
    {"I", "<I>", "</I>", "<I><!-- Paragraph //--></I>"},
    {"LINK", "<A HREF=''>", "</A>", "<A HREF=''><!-- LINK //--></A>"},
    {"EMAIL", "<A HREF='MAILTO:" OSTRA_MAILBOX "'>", "</A>",
     "<A HREF='MAILTO:" OSTRA_MAILBOX "'><!-- EMAIL //--></A>"},
    {"STY", "<STYLE>", "</STYLE>", "<STYLE>BODY{BACKGROUND:WHITE;COLOR:BLACK;}</STYLE>"},
    {"TBL", "<TABLE BORDER=1><TR><TD>", "</TD></TR></TABLE>",
     "<TABLE BORDER=1><TR><TD><!-- TABLE CONTENT //--></TD></TR></TABLE>"},
    {"IMG", "<IMG SRC='", "'>", "<IMG SRC=''>"},
    {"BODY", "<BODY>", CRLF "</BODY>", "<BODY>" CRLF "<H1>heading</H1>" CRLF "</BODY>"},
    {"BR", "<BR>", "</BR>", "<BR><!-- Paragraph //--></BR>"},
    {"DIV", "<DIV>", "</DIV>", "<DIV><!-- CONTENTS //--></DIV>"},
    {"A", "<A>", "</A>", "<A><!-- Paragraph //--></A>"},
    {"FRM", "<FRAMESET COLS='25%, 65%, 10%'><FRAME SRC=''></FRAME><FRAME SRC='",
     "'></FRAME><FRAME SRC=''></FRAME></FRAMESET>",
     "<FRAMESET COLS='25%, 65%, 10%'><FRAME SRC=''></FRAME><FRAME SRC=''></FRAME><FRAME "
     "SRC=''></FRAME></FRAMESET>"},
    {"MARQ", "<MARQUEE DIRECTION='LEFT'>", "</MARQUEE>",
     "<MARQUEE DIRECTION='LEFT'><!-- CONTENT //--></MARQUEE>"},
    {"FONT", "<FONT COLOR=BLACK SIZE=12>", "</FONT>",
     "<FONT COLOR=BLACK SIZE=12><!-- Paragraph //--></FONT>"},
    {"TITLE", "<TITLE>", "</TITLE>", "<TITLE>TITLE</TITLE>"},
    {"HEAD", "<HEAD>" CRLF "<TITLE>", "</TITLE>" CRLF "</HEAD>",
     "<HEAD>" CRLF "<TITLE>TITLE</TITLE>" CRLF "</HEAD>"},
    // The template closes in lower case, the wrap in upper case.
    {"FORM", "<FORM METHOD=POST ACTION=''>", "</FORM>",
     "<FORM METHOD=POST ACTION=''>" CRLF "Email: <input type='textbox' name='email'>" CRLF
     "</form>"},
};

#undef CRLF
#undef OSTRA_MAILBOX

} // namespace

const Element* findElement(const QString& caption) {
    const auto it = std::find_if(std::begin(kElements), std::end(kElements), [&](const Element& e) {
        return caption == QLatin1String(e.key.data(), static_cast<qsizetype>(e.key.size()));
    });
    return it == std::end(kElements) ? nullptr : &*it;
}

std::string elementText(const Element& element, std::optional<std::string_view> selection) {
    if (!selection)
        return std::string(element.templ);
    std::string text;
    text.reserve(element.opening.size() + selection->size() + element.closing.size());
    text.append(element.opening).append(*selection).append(element.closing);
    return text;
}

QString elementDescription(const QString& caption) {
    const Element* element = findElement(caption);
    if (!element)
        return {};
    std::string markup = std::string(element->opening).append(element->closing);
    markup.erase(
        std::remove_if(markup.begin(), markup.end(), [](char c) { return c == '\r' || c == '\n'; }),
        markup.end());
    return QStringLiteral("%1: inserts %2, or wraps the selection")
        .arg(caption, QString::fromLatin1(markup.data(), static_cast<qsizetype>(markup.size())));
}

} // namespace editor
