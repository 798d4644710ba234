#pragma once

#include "editor/document/DocumentText.h"
#include "editor/markup/ElementPath.h"

#include <QObject>
#include <QTimer>

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

namespace editor {

// How far apart the finder keeps its checkpoints, how much it reads at a
// time (a slice stays short; a checkpoint falls between pieces), and how long
// the text rests before it reads ahead.
struct PathReading {
    std::size_t stride = 1 << 20;
    std::size_t piece = 64 * 1024;
    // We choose: just past MarkupCheck's pause on a page of up to 10 MB
    // (0.4 s and 16 ms a megabyte), so that the work after a key comes in one
    // stretch; a key in a line of megabytes is itself laid out for half a
    // second or more.
    int restMs = 600;
};

// Finds the path of the element at a place in the text. It keeps the
// reader's state every so often (a checkpoint), so that a find reads only
// from the nearest one; once the text has rested it reads ahead to the end
// while the interface is idle, so that the first find is as quick as any.
// An edit keeps the checkpoints after it, moved with the text but in doubt:
// the next read through the edit compares its state with the first of them,
// and where they agree (an edit that changed no element) all later ones
// hold again.
class ElementPathFinder : public QObject, private DocumentText::Listener {
    Q_OBJECT
public:
    // `wanted` tells whether the page is one to read ahead in (markup).
    ElementPathFinder(DocumentText& text, std::function<bool()> wanted, PathReading reading = {},
                      QObject* parent = nullptr);
    ~ElementPathFinder() override;

    // `done` gets the path at `caret`: at once when little is to be read,
    // else once the slices have read up to it. A find overtaken by another,
    // or by an edit before the caret, is dropped.
    void find(std::size_t caret, std::function<void(const ElementPath&)> done);
    // True while nothing is left to read ahead (every checkpoint holds).
    bool settled() const;

private:
    void textAboutToChange(bool insertion, std::size_t position, std::size_t length) override;
    void textLoaded() override;
    void readAhead();
    // Reading towards goal_ from the nearest checkpoint that holds.
    void plan();
    void slice();
    // At a checkpoint's place: does it hold, or does it take what was read?
    void reachCheckpoint(std::size_t index);

    struct Checkpoint {
        std::size_t offset;
        ElementPathReader reader;
        bool doubted = false; // an edit before it: to be compared before use
    };
    DocumentText& text_;
    std::function<bool()> wanted_;
    PathReading pace_;
    std::vector<Checkpoint> checkpoints_;
    std::optional<ElementPathReader> reading_;
    std::size_t readTo_ = 0;
    std::size_t goal_ = 0;
    std::function<void(const ElementPath&)> done_; // none while reading ahead
    bool aheadToEnd_ = false;                      // read ahead to the end, no edit since
    QTimer slices_;
    QTimer rest_;
};

} // namespace editor
