#pragma once

#include "core/DocumentType.h"
#include "editor/markup/MarkupChecker.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

namespace editor {

class SourceEditor;

// Checks the page after each pause in typing, a slice at a time while the
// interface is idle, and underlines its problems with their messages on
// hover. An edit while a check runs starts it again after the next pause;
// markers move with the text, and go with the text they mark.
class MarkupCheck : public QObject {
    Q_OBJECT
public:
    MarkupCheck(SourceEditor& coding, std::function<core::DocumentType()> type);
    ~MarkupCheck() override;

    void setEnabled(bool on);
    // Checks again after a pause (the text, or its type, changed).
    void schedule();
    // The caret to the next (or previous) problem, round the end.
    void goToProblem(bool backwards);

    // Waiting for a pause, and how long a slice may take: tests shorten them.
    void setTimings(int pauseMs, int sliceMs);

signals:
    // The number of problems marked, and why checking stopped early if it did.
    void problemsChanged(int count, const QString& stoppedBecause);
    void notice(const QString& text);

private:
    // Checks again once `pauseMs_` (longer for a larger page) have passed
    // since the text last changed, `paused` of them already.
    void restart(qint64 paused);
    void start();
    void slice();
    void finish();
    void clearMarkers();
    void dwellStart(int position, int x, int y);

    SourceEditor& coding_;
    std::function<core::DocumentType()> type_;
    bool enabled_ = true;
    QTimer pause_;
    QTimer worker_;
    int pauseMs_ = 400;
    int sliceMs_ = 8;
    std::unique_ptr<MarkupChecker> checker_;
    std::size_t checked_ = 0; // bytes fed so far
    std::vector<MarkupProblem> marked_;
};

} // namespace editor
