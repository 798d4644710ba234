#include "editor/search/SearchCommands.h"

#include "core/AppIdentity.h"
#include "editor/editing/SourceEditor.h"
#include "editor/search/FindDialog.h"
#include "editor/search/GoToLine.h"
#include "editor/search/TextSearch.h"
#include "platform/prompts/Prompts.h"

#include <QProgressDialog>

#include <algorithm>

namespace editor {

using Outcome = SearchPattern::Outcome;
using Sci = QsciScintillaBase;

namespace {

constexpr int kFoundIndicator = 8;
// Highlighting looks at no more than this much text around what is shown.
constexpr std::size_t kMostHighlighted = 1 << 20;
// Replace All lets the user cancel between batches of this many replacements.
constexpr std::size_t kReplaceBatch = 4096;

std::size_t nextCharacter(std::string_view text, std::size_t at) {
    ++at;
    while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
        ++at;
    return at;
}

QString quoted(const QString& text) {
    return QStringLiteral("\u201c%1\u201d").arg(text);
}

} // namespace

SearchCommands::SearchCommands(SourceEditor& coding, platform::Prompts& prompts, QWidget& window)
    : QObject(&window), coding_(coding), prompts_(prompts), window_(window) {
    coding_.SendScintilla(Sci::SCI_INDICSETSTYLE, kFoundIndicator, Sci::INDIC_ROUNDBOX);
    coding_.SendScintilla(Sci::SCI_INDICSETFORE, kFoundIndicator, 0x00D7FF); // amber
    coding_.SendScintilla(Sci::SCI_INDICSETALPHA, kFoundIndicator, 110);
    coding_.SendScintilla(Sci::SCI_INDICSETUNDER, kFoundIndicator, 1);
    // Only while the field is open: closed, a keystroke pays nothing for it.
    connect(&coding_, &QsciScintillaBase::SCN_UPDATEUI, this, [this] {
        if (dialog_ && dialog_->isVisible())
            highlightInView();
    });
}

SearchCommands::~SearchCommands() = default;

FindDialog* SearchCommands::dialog() const {
    return dialog_;
}

std::string_view SearchCommands::text() {
    return coding_.textBytes();
}

void SearchCommands::openFind() {
    open(false);
}

void SearchCommands::openReplace() {
    open(true);
}

void SearchCommands::open(bool replacing) {
    if (!dialog_) {
        dialog_ = new FindDialog(&window_);
        connect(dialog_, &FindDialog::findNext, this,
                [this] { find(dialog_->options().backwards); });
        connect(dialog_, &FindDialog::replace, this, &SearchCommands::replaceOne);
        connect(dialog_, &FindDialog::replaceAll, this, &SearchCommands::replaceAll);
        connect(dialog_, &FindDialog::patternEdited, this, &SearchCommands::checkPattern);
        connect(dialog_, &FindDialog::closed, this, [this] {
            clearHighlight();
            // Typing goes on in the text, over the match still selected.
            window_.activateWindow();
            coding_.setFocus();
        });
    }
    // A selection within one line is what the user wants to find.
    const std::string_view selected = coding_.selectedBytes();
    QString initial;
    if (!selected.empty() && selected.size() <= 1000 &&
        selected.find_first_of("\r\n") == std::string_view::npos)
        initial = QString::fromUtf8(selected.data(), static_cast<qsizetype>(selected.size()));
    dialog_->open(replacing, initial);
    checkPattern();
}

const SearchPattern* SearchCommands::pattern() {
    if (dialog_ && dialog_->isVisible()) {
        lastText_ = dialog_->searchText();
        lastOptions_ = dialog_->options();
    }
    if (lastText_.isEmpty())
        return nullptr;
    const SearchOptions& o = lastOptions_;
    const SearchOptions& c = compiledOptions_;
    const bool same = compiled_ && compiledText_ == lastText_ && o.matchCase == c.matchCase &&
                      o.wholeWord == c.wholeWord && o.regex == c.regex;
    if (!same) {
        auto made = SearchPattern::compile(lastText_, lastOptions_);
        if (auto* error = std::get_if<SearchPattern::Error>(&made)) {
            compiled_.reset();
            tell(QStringLiteral("Error in the regular expression at character %1: %2")
                     .arg(error->offset + 1)
                     .arg(error->message));
            return nullptr;
        }
        compiled_.emplace(std::move(std::get<SearchPattern>(made)));
        compiledText_ = lastText_;
        compiledOptions_ = lastOptions_;
    }
    return &*compiled_;
}

void SearchCommands::checkPattern() {
    tell(QString());
    if (pattern())
        highlightInView();
    else
        clearHighlight();
}

void SearchCommands::findAgain(bool backwards) {
    if (lastText_.isEmpty())
        return openFind();
    find(backwards);
}

void SearchCommands::find(bool backwards) {
    const SearchPattern* p = pattern();
    if (!p)
        return;
    const auto start = static_cast<std::size_t>(coding_.SendScintilla(Sci::SCI_GETSELECTIONSTART));
    const auto end = static_cast<std::size_t>(coding_.SendScintilla(Sci::SCI_GETSELECTIONEND));
    const FindResult found = findNext(*p, text(), start, end, backwards);
    switch (found.outcome) {
    case Outcome::Found:
        select(found.start, found.end);
        tell(found.wrapped ? QStringLiteral("Search wrapped") : QString());
        break;
    case Outcome::NotFound:
        tell(QStringLiteral("Not found: %1").arg(quoted(lastText_)));
        break;
    case Outcome::TooComplex:
        tell(QStringLiteral("The search stopped: the pattern takes too long on this text."));
        break;
    }
}

void SearchCommands::select(std::size_t start, std::size_t end) {
    coding_.SendScintilla(Sci::SCI_SETSEL, static_cast<unsigned long>(start),
                          static_cast<long>(end));
    coding_.SendScintilla(Sci::SCI_SCROLLRANGE, static_cast<unsigned long>(end),
                          static_cast<long>(start));
}

void SearchCommands::replaceOne() {
    const SearchPattern* p = pattern();
    if (!p)
        return;
    const auto start = static_cast<std::size_t>(coding_.SendScintilla(Sci::SCI_GETSELECTIONSTART));
    const auto end = static_cast<std::size_t>(coding_.SendScintilla(Sci::SCI_GETSELECTIONEND));
    const std::optional<std::string> replacement =
        replacementOfSelection(*p, text(), start, end, dialog_->replacementText().toStdString());
    if (replacement) {
        coding_.replaceRange(static_cast<long>(start), static_cast<long>(end), *replacement);
        const std::size_t after = start + replacement->size();
        coding_.SendScintilla(Sci::SCI_SETSEL, static_cast<unsigned long>(after),
                              static_cast<long>(after));
    }
    find(lastOptions_.backwards);
}

void SearchCommands::replaceAll() {
    const SearchPattern* p = pattern();
    if (!p)
        return;
    const std::string_view all = text();
    std::size_t begin = 0;
    std::size_t end = all.size();
    if (dialog_->inSelection()) {
        begin = static_cast<std::size_t>(coding_.SendScintilla(Sci::SCI_GETSELECTIONSTART));
        end = static_cast<std::size_t>(coding_.SendScintilla(Sci::SCI_GETSELECTIONEND));
    }
    const AllMatches found =
        collectReplacements(*p, all, begin, end, dialog_->replacementText().toStdString());
    if (found.tooComplex)
        return tell(QStringLiteral("The search stopped: the pattern takes too long on this text."));
    const std::size_t count = found.replacements.size();
    if (count == 0)
        return tell(QStringLiteral("Not found: %1").arg(quoted(lastText_)));

    QProgressDialog progress(QStringLiteral("Replacing %1 matches...").arg(count),
                             QStringLiteral("Cancel"), 0, static_cast<int>(count), dialog_);
    progress.setObjectName(QStringLiteral("replaceProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    bool cancelled = false;
    // From the last match to the first, so the offsets still to come stay
    // valid; as one edit, so one Undo restores the text.
    coding_.SendScintilla(Sci::SCI_BEGINUNDOACTION);
    std::size_t done = 0;
    for (auto it = found.replacements.rbegin(); it != found.replacements.rend(); ++it) {
        coding_.replaceRange(static_cast<long>(it->start), static_cast<long>(it->end), it->text);
        if (++done % kReplaceBatch == 0) {
            progress.setValue(static_cast<int>(done));
            if ((cancelled = progress.wasCanceled()))
                break;
        }
    }
    coding_.SendScintilla(Sci::SCI_ENDUNDOACTION);
    progress.reset();
    if (cancelled) {
        coding_.SendScintilla(Sci::SCI_UNDO);
        return tell(QStringLiteral("Replace All was cancelled: the text is as it was."));
    }
    tell(count == 1 ? QStringLiteral("Replaced 1 match.")
                    : QStringLiteral("Replaced %1 matches.").arg(count));
}

void SearchCommands::highlightInView() {
    clearHighlight();
    if (!compiled_ || compiledText_ != dialog_->searchText())
        return;
    // What is shown, from the top-left corner to the bottom-right one.
    const QSize area = coding_.viewport()->size();
    auto from =
        static_cast<std::size_t>(coding_.SendScintilla(Sci::SCI_POSITIONFROMPOINT, 0UL, 0L));
    auto to = static_cast<std::size_t>(
        coding_.SendScintilla(Sci::SCI_POSITIONFROMPOINT, static_cast<unsigned long>(area.width()),
                              static_cast<long>(area.height())));
    const long lastLine = coding_.SendScintilla(Sci::SCI_LINEFROMPOSITION, to);
    to = static_cast<std::size_t>(
        coding_.SendScintilla(Sci::SCI_GETLINEENDPOSITION, static_cast<unsigned long>(lastLine)));
    to = std::min(to, from + kMostHighlighted);
    if (to <= from)
        return;
    // Only the shown bytes: the editor's gap moves at most across them.
    const auto* data = reinterpret_cast<const char*>(coding_.SendScintilla(
        Sci::SCI_GETRANGEPOINTER, static_cast<unsigned long>(from), static_cast<long>(to - from)));
    const std::string_view shown(data, to - from);
    coding_.SendScintilla(Sci::SCI_SETINDICATORCURRENT, kFoundIndicator);
    SearchMatch m;
    for (std::size_t at = 0; at <= shown.size();) {
        if (compiled_->findForward(shown, at, shown.size(), m) != Outcome::Found)
            break;
        if (m.end > m.start)
            coding_.SendScintilla(Sci::SCI_INDICATORFILLRANGE,
                                  static_cast<unsigned long>(from + m.start),
                                  static_cast<long>(m.end - m.start));
        at = m.end > m.start ? m.end : nextCharacter(shown, m.start);
    }
    highlightStart_ = from;
    highlightEnd_ = to;
}

void SearchCommands::clearHighlight() {
    if (highlightEnd_ <= highlightStart_)
        return;
    const auto length = static_cast<std::size_t>(coding_.SendScintilla(Sci::SCI_GETLENGTH));
    const std::size_t end = std::min(highlightEnd_, length);
    coding_.SendScintilla(Sci::SCI_SETINDICATORCURRENT, kFoundIndicator);
    if (end > highlightStart_)
        coding_.SendScintilla(Sci::SCI_INDICATORCLEARRANGE,
                              static_cast<unsigned long>(highlightStart_),
                              static_cast<long>(end - highlightStart_));
    highlightStart_ = highlightEnd_ = 0;
}

void SearchCommands::goToLine() {
    const long lines = coding_.SendScintilla(Sci::SCI_GETLINECOUNT);
    const long current = coding_.SendScintilla(Sci::SCI_LINEFROMPOSITION,
                                               static_cast<unsigned long>(
                                                   coding_.SendScintilla(Sci::SCI_GETCURRENTPOS))) +
                         1;
    const std::optional<QString> typed =
        prompts_.askText(&window_, QStringLiteral("Go to Line"),
                         QStringLiteral("Line number (1 to %1), or line:column:").arg(lines),
                         QString::number(current));
    if (!typed)
        return;
    const std::optional<LineColumn> at = parseLineColumn(*typed);
    if (!at) {
        prompts_.message(&window_,
                         QStringLiteral("%1 is not a line number. Type a number from 1 to %2, "
                                        "or line:column.")
                             .arg(quoted(*typed))
                             .arg(lines),
                         core::kAppTitle, platform::PromptIcon::None, platform::PromptButtons::Ok);
        return;
    }
    // A line past the end is the last line; a column past the line's end, its end.
    const auto line = static_cast<unsigned long>(std::min(at->line, lines) - 1);
    const long lineStart = coding_.SendScintilla(Sci::SCI_POSITIONFROMLINE, line);
    const long lineEnd = coding_.SendScintilla(Sci::SCI_GETLINEENDPOSITION, line);
    long pos = lineStart;
    if (at->column > 1) {
        pos = coding_.SendScintilla(Sci::SCI_POSITIONRELATIVE,
                                    static_cast<unsigned long>(lineStart), at->column - 1);
        if (pos <= lineStart || pos > lineEnd)
            pos = lineEnd;
    }
    coding_.SendScintilla(Sci::SCI_GOTOPOS, static_cast<unsigned long>(pos));
    coding_.SendScintilla(Sci::SCI_VERTICALCENTRECARET);
    coding_.setFocus();
}

void SearchCommands::tell(const QString& text) {
    if (dialog_ && dialog_->isVisible())
        dialog_->setStatus(text);
    emit notice(text);
}

} // namespace editor
