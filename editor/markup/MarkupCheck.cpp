#include "editor/markup/MarkupCheck.h"

#include "editor/editing/SourceEditor.h"

#include <QElapsedTimer>
#include <QToolTip>

#include <algorithm>

namespace editor {

using Sci = QsciScintillaBase;

namespace {

constexpr int kProblemIndicator = 10;
constexpr std::size_t kPiece = 256 * 1024;

} // namespace

MarkupCheck::MarkupCheck(SourceEditor& coding, std::function<core::DocumentType()> type)
    : QObject(&coding), coding_(coding), type_(std::move(type)) {
    coding_.SendScintilla(Sci::SCI_INDICSETSTYLE, kProblemIndicator, Sci::INDIC_SQUIGGLE);
    coding_.SendScintilla(Sci::SCI_INDICSETFORE, kProblemIndicator, 0x1010D0); // red
    coding_.SendScintilla(Sci::SCI_SETMOUSEDWELLTIME, 400);
    pause_.setSingleShot(true);
    worker_.setInterval(0);
    connect(&pause_, &QTimer::timeout, this, &MarkupCheck::start);
    connect(&worker_, &QTimer::timeout, this, &MarkupCheck::slice);
    connect(&coding_, &SourceEditor::textEdited, this, [this] { restart(coding_.msSinceEdit()); });
    connect(&coding_, &Sci::SCN_DWELLSTART, this, &MarkupCheck::dwellStart);
    connect(&coding_, &Sci::SCN_DWELLEND, this, [] { QToolTip::hideText(); });
}

MarkupCheck::~MarkupCheck() = default;

void MarkupCheck::setTimings(int pauseMs, int sliceMs) {
    pauseMs_ = pauseMs;
    sliceMs_ = sliceMs;
}

void MarkupCheck::setEnabled(bool on) {
    enabled_ = on;
    if (on) {
        schedule();
        return;
    }
    pause_.stop();
    worker_.stop();
    checker_.reset();
    clearMarkers();
    emit problemsChanged(0, QString());
}

void MarkupCheck::schedule() {
    restart(0);
}

void MarkupCheck::restart(qint64 paused) {
    if (!enabled_)
        return;
    // A check under way read text that is no longer there.
    worker_.stop();
    checker_.reset();
    // We choose: a longer pause before checking a larger page (up to 2 s for
    // 100 MB), whose check costs a second of idle time; a short page's
    // problems show at once.
    const auto megabytes = static_cast<int>(coding_.SendScintilla(Sci::SCI_GETLENGTH) >> 20);
    const int pause = std::min(pauseMs_ + 16 * megabytes, std::max(pauseMs_, 2000));
    pause_.start(static_cast<int>(std::max<qint64>(0, pause - paused)));
}

void MarkupCheck::start() {
    checker_ = makeMarkupChecker(type_());
    checked_ = 0;
    worker_.start();
}

void MarkupCheck::slice() {
    const auto length = static_cast<std::size_t>(coding_.SendScintilla(Sci::SCI_GETLENGTH));
    QElapsedTimer spent;
    spent.start();
    // Pieces read where they lie: a piece that spans the editor's gap moves
    // it by no more than the piece, and nothing else is copied.
    while (checked_ < length && !checker_->stopped() && spent.elapsed() < sliceMs_) {
        const std::size_t end = std::min(length, checked_ + kPiece);
        const auto* data = reinterpret_cast<const char*>(
            coding_.SendScintilla(Sci::SCI_GETRANGEPOINTER, static_cast<unsigned long>(checked_),
                                  static_cast<long>(end - checked_)));
        checker_->feed(std::string_view(data, end - checked_));
        checked_ = end;
    }
    if (checked_ >= length || checker_->stopped())
        finish();
}

void MarkupCheck::finish() {
    worker_.stop();
    checker_->finish();
    clearMarkers();
    marked_ = checker_->problems();
    const auto length = static_cast<std::size_t>(coding_.SendScintilla(Sci::SCI_GETLENGTH));
    coding_.SendScintilla(Sci::SCI_SETINDICATORCURRENT, kProblemIndicator);
    for (std::size_t i = 0; i < marked_.size(); ++i) {
        MarkupProblem& p = marked_[i];
        if (p.start > length) {
            // Placed by line and column only: the rest of the word there.
            const long lineStart = coding_.SendScintilla(Sci::SCI_POSITIONFROMLINE,
                                                         static_cast<unsigned long>(p.line - 1));
            const long lineEnd = coding_.SendScintilla(Sci::SCI_GETLINEENDPOSITION,
                                                       static_cast<unsigned long>(p.line - 1));
            p.start =
                static_cast<std::size_t>(std::clamp(lineStart + p.column - 1, lineStart, lineEnd));
            p.end =
                std::max(p.start + 1,
                         static_cast<std::size_t>(coding_.SendScintilla(
                             Sci::SCI_WORDENDPOSITION, static_cast<unsigned long>(p.start), 1L)));
        }
        p.end = std::min(std::max(p.end, p.start + 1), length);
        if (p.end <= p.start)
            continue;
        // The value names the problem, so a marker that has moved still finds its message.
        coding_.SendScintilla(Sci::SCI_SETINDICATORVALUE, static_cast<unsigned long>(i + 1));
        coding_.SendScintilla(Sci::SCI_INDICATORFILLRANGE, static_cast<unsigned long>(p.start),
                              static_cast<long>(p.end - p.start));
    }
    const QString why = QString::fromStdString(checker_->stoppedBecause());
    checker_.reset();
    emit problemsChanged(static_cast<int>(marked_.size()), why);
}

void MarkupCheck::clearMarkers() {
    const long length = coding_.SendScintilla(Sci::SCI_GETLENGTH);
    coding_.SendScintilla(Sci::SCI_SETINDICATORCURRENT, kProblemIndicator);
    coding_.SendScintilla(Sci::SCI_INDICATORCLEARRANGE, 0UL, length);
    marked_.clear();
}

void MarkupCheck::dwellStart(int position, int x, int y) {
    if (position < 0)
        return;
    const long value = coding_.SendScintilla(Sci::SCI_INDICATORVALUEAT, kProblemIndicator,
                                             static_cast<long>(position));
    if (value <= 0 || static_cast<std::size_t>(value) > marked_.size())
        return;
    QToolTip::showText(coding_.viewport()->mapToGlobal(QPoint(x, y)),
                       QString::fromStdString(marked_[static_cast<std::size_t>(value) - 1].message),
                       coding_.viewport());
}

void MarkupCheck::goToProblem(bool backwards) {
    if (marked_.empty())
        return emit notice(QStringLiteral("No problems are marked."));
    // Where the markers are now (they moved with the text): each run's start.
    const long length = coding_.SendScintilla(Sci::SCI_GETLENGTH);
    std::vector<long> starts;
    for (long pos = 0; pos < length;) {
        const long end = coding_.SendScintilla(Sci::SCI_INDICATOREND, kProblemIndicator, pos);
        if (coding_.SendScintilla(Sci::SCI_INDICATORVALUEAT, kProblemIndicator, pos) > 0)
            starts.push_back(pos);
        if (end <= pos)
            break;
        pos = end;
    }
    if (starts.empty())
        return emit notice(QStringLiteral("No problems are marked."));
    const long caret = coding_.SendScintilla(Sci::SCI_GETCURRENTPOS);
    // The next one after the caret (or before it), round the end.
    long found = backwards ? starts.back() : starts.front();
    if (backwards) {
        const auto it = std::lower_bound(starts.begin(), starts.end(), caret);
        if (it != starts.begin())
            found = *std::prev(it);
    } else {
        const auto it = std::upper_bound(starts.begin(), starts.end(), caret);
        if (it != starts.end())
            found = *it;
    }
    coding_.SendScintilla(Sci::SCI_GOTOPOS, static_cast<unsigned long>(found));
    const long value = coding_.SendScintilla(Sci::SCI_INDICATORVALUEAT, kProblemIndicator, found);
    if (value > 0 && static_cast<std::size_t>(value) <= marked_.size())
        emit notice(QString::fromStdString(marked_[static_cast<std::size_t>(value) - 1].message));
}

} // namespace editor
