// What the editor's aids cost on one page in the document window, as the
// commands run them: Find from the start to a match near the end (plain,
// whole word, a case-folding regular expression), Replace All of every
// "section" (by "part"), the first marking of the page's mistakes after a key (time to
// problems, and the interface thread's longest slice meanwhile), a key with
// checking on, and the element at the caret at the end of the page (read ahead
// while idle, then found after a key and after a new element). Prints
// one "name value" line per figure; bench/run makes the table.
//
//   QT_QPA_PLATFORM=offscreen bench_aids FILE
#include "support/BenchPages.h"

#include "editor/EditorAids.h"
#include "editor/markup/ElementPathFinder.h"
#include "editor/markup/MarkupCheck.h"
#include "editor/search/FindDialog.h"
#include "editor/search/SearchCommands.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

using Sci = QsciScintillaBase;

double ms(double seconds) {
    return seconds * 1000;
}

// The longest the event loop was away between start() and stop(), from a
// timer that would tick every millisecond.
class LongestAway {
public:
    LongestAway() {
        tick_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&tick_, &QTimer::timeout, [this] {
            longest_ = std::max(longest_, since_.nsecsElapsed() / 1e6);
            since_.restart();
        });
    }
    void start() {
        longest_ = 0;
        since_.start();
        tick_.start(1);
    }
    double stop() {
        tick_.stop();
        return longest_;
    }

private:
    QTimer tick_;
    QElapsedTimer since_;
    double longest_ = 0;
};

// One Find Next from the start of the text, through the dialog's button.
double findFromStart(bench::Window& w, const char* text, bool wholeWord, bool regex) {
    editor::SearchCommands& search = w.window.aids().search();
    w.coding().SendScintilla(Sci::SCI_GOTOPOS, 0UL);
    search.openFind();
    QWidget* dialog = search.dialog();
    dialog->findChild<QLineEdit*>(QStringLiteral("txtFind"))->setText(QLatin1String(text));
    dialog->findChild<QCheckBox*>(QStringLiteral("chkWholeWord"))->setChecked(wholeWord);
    dialog->findChild<QCheckBox*>(QStringLiteral("chkRegex"))->setChecked(regex);
    dialog->findChild<QCheckBox*>(QStringLiteral("chkMatchCase"))->setChecked(false);
    const double before = bench::cpuSeconds();
    dialog->findChild<QPushButton*>(QStringLiteral("cmdFindNext"))->click();
    QApplication::processEvents();
    return ms(bench::cpuSeconds() - before);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
        return 2;
    }
    bench::Window w;
    if (!w.window.OpenFile(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "%s\n", w.prompts.last.toLocal8Bit().constData());
        return 1;
    }
    w.repaint();
    editor::SourceEditor& coding = w.coding();
    const long length = coding.SendScintilla(Sci::SCI_GETLENGTH);
    LongestAway away;

    // The element at the caret, as the Preview tab asks for it: once the
    // page has rested the window's finder reads it ahead in idle slices (the
    // mistake check held back meanwhile, so that the figures are its alone).
    editor::MarkupCheck& check = w.window.aids().check();
    check.setEnabled(false);
    editor::ElementPathFinder& finder = w.window.preview().elementPaths();
    double started = bench::cpuSeconds();
    away.start();
    bench::runUntil([&] { return finder.settled(); }, 120000);
    std::printf("element_path_read_ahead_longest_slice_ms %.1f\n", away.stop());
    std::printf("element_path_read_ahead_cpu_ms %.0f\n", ms(bench::cpuSeconds() - started));
    // Then a find near the end: after the read ahead, after a key in the
    // text near the start (no element changes), after a new element there
    // (everything after it is read again).
    const auto findAtEnd = [&](const char* which) {
        bool found = false;
        started = bench::cpuSeconds();
        away.start();
        finder.find(static_cast<std::size_t>(length) - 20,
                    [&](const editor::ElementPath&) { found = true; });
        bench::runUntil([&] { return found; }, 60000);
        std::printf("element_path_end_%s_longest_slice_ms %.1f\n", which, away.stop());
        std::printf("element_path_end_%s_cpu_ms %.1f\n", which, ms(bench::cpuSeconds() - started));
    };
    const std::string_view head = coding.textBytes().substr(0, 4096);
    const auto inText = static_cast<unsigned long>(head.find("id=\"e1\">") + 8);
    findAtEnd("first");
    coding.SendScintilla(Sci::SCI_INSERTTEXT, inText, "x");
    findAtEnd("after_key");
    coding.SendScintilla(Sci::SCI_INSERTTEXT, inText, "<section>");
    findAtEnd("after_new_element");
    check.setEnabled(true);

    // Time to problems: a key at the end, then the pause and the slices.
    coding.SendScintilla(Sci::SCI_GOTOPOS, static_cast<unsigned long>(length));
    bool marked = false;
    int problems = 0;
    QObject::connect(&check, &editor::MarkupCheck::problemsChanged, [&](int count, const QString&) {
        marked = true;
        problems = count;
    });
    QElapsedTimer wall;
    wall.start();
    const double cpuBefore = bench::cpuSeconds();
    w.type();
    away.start();
    bench::runUntil([&] { return marked; }, 120000);
    std::printf("problems_after_key_ms %.0f\n", static_cast<double>(wall.elapsed()));
    std::printf("problems_check_cpu_ms %.0f\n", ms(bench::cpuSeconds() - cpuBefore));
    std::printf("problems_longest_slice_ms %.1f\n", away.stop());
    std::printf("problems_found %d\n", problems);

    // A key with checking on, the check's pause included (it starts over).
    const double keyBefore = bench::cpuSeconds();
    for (int i = 0; i < 10; ++i)
        w.type();
    std::printf("key_with_checking_cpu_ms %.2f\n", ms(bench::cpuSeconds() - keyBefore) / 10);

    // A match near the end: the last element gets a word of its own.
    coding.SendScintilla(Sci::SCI_INSERTTEXT, static_cast<unsigned long>(length - 20),
                         " Needle-Ostra42 ");
    std::printf("find_plain_cpu_ms %.1f\n", findFromStart(w, "Needle-Ostra42", false, false));
    std::printf("find_whole_word_cpu_ms %.1f\n", findFromStart(w, "Needle", true, false));
    std::printf("find_regex_nocase_cpu_ms %.1f\n",
                findFromStart(w, "needle-\\w+\\d{2}", false, true));

    // Replace All.
    editor::SearchCommands& search = w.window.aids().search();
    search.openReplace();
    QWidget* dialog = search.dialog();
    dialog->findChild<QLineEdit*>(QStringLiteral("txtFind"))->setText(QStringLiteral("section"));
    dialog->findChild<QLineEdit*>(QStringLiteral("txtReplace"))->setText(QStringLiteral("part"));
    dialog->findChild<QCheckBox*>(QStringLiteral("chkRegex"))->setChecked(false);
    dialog->findChild<QCheckBox*>(QStringLiteral("chkWholeWord"))->setChecked(false);
    const long before = coding.SendScintilla(Sci::SCI_GETLENGTH);
    const double replaceBefore = bench::cpuSeconds();
    QElapsedTimer replaceWall;
    replaceWall.start();
    dialog->findChild<QPushButton*>(QStringLiteral("cmdReplaceAll"))->click();
    QApplication::processEvents();
    std::printf("replace_all_cpu_ms %.0f\n", ms(bench::cpuSeconds() - replaceBefore));
    std::printf("replace_all_wall_ms %.0f\n", static_cast<double>(replaceWall.elapsed()));
    // "section" becomes "part": three bytes fewer each.
    std::printf("replace_all_matches %ld\n",
                (before - coding.SendScintilla(Sci::SCI_GETLENGTH)) / 3);
    std::printf("peak_MiB %.1f\n", bench::peakMiB());
    return 0;
}
