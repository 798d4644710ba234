#include "editor/markup/ElementPathFinder.h"

#include <QElapsedTimer>

#include <algorithm>

namespace editor {

namespace {

constexpr std::size_t kPiece = 64 * 1024;
constexpr qint64 kSliceMs = 8;

} // namespace

ElementPathFinder::ElementPathFinder(DocumentText& text, QObject* parent)
    : QObject(parent), text_(text) {
    slices_.setInterval(0);
    connect(&slices_, &QTimer::timeout, this, &ElementPathFinder::slice);
    text_.addListener(*this);
}

ElementPathFinder::~ElementPathFinder() {
    text_.removeListener(*this);
}

void ElementPathFinder::textAboutToChange(bool, std::size_t position, std::size_t) {
    // What was read after the change no longer holds.
    while (!checkpoints_.empty() && checkpoints_.back().offset > position)
        checkpoints_.pop_back();
    if (reading_ && readTo_ > position) {
        reading_.reset();
        done_ = nullptr;
        slices_.stop();
    }
}

void ElementPathFinder::find(std::size_t caret, std::function<void(const ElementPath&)> done) {
    caret_ = std::min(caret, text_.length());
    done_ = std::move(done);
    // From the nearest place read before, or from the start.
    const auto after =
        std::upper_bound(checkpoints_.begin(), checkpoints_.end(), caret_,
                         [](std::size_t at, const Checkpoint& c) { return at < c.offset; });
    if (after == checkpoints_.begin()) {
        reading_.emplace();
        readTo_ = 0;
    } else {
        reading_ = std::prev(after)->reader;
        readTo_ = std::prev(after)->offset;
    }
    slice();
}

void ElementPathFinder::slice() {
    slices_.stop();
    if (!reading_)
        return;
    QElapsedTimer spent;
    spent.start();
    while (readTo_ < caret_ && spent.elapsed() < kSliceMs) {
        const std::size_t end = std::min(caret_, readTo_ + kPiece);
        reading_->feed(text_.bytesAt(readTo_, end - readTo_));
        readTo_ = end;
        const std::size_t last = checkpoints_.empty() ? 0 : checkpoints_.back().offset;
        if (readTo_ >= last + kStride && reading_->atText())
            checkpoints_.push_back({readTo_, *reading_});
    }
    if (readTo_ < caret_) {
        slices_.start(); // the rest once the interface is idle again
        return;
    }
    // Inside a tag: read to its end, so a start tag counts as its element.
    if (reading_->inTag()) {
        const std::string_view rest =
            text_.bytesAt(caret_, std::min<std::size_t>(4096, text_.length() - caret_));
        const std::size_t end = rest.find('>');
        if (end != std::string_view::npos)
            reading_->feed(rest.substr(0, end + 1));
    }
    const ElementPath path = reading_->path();
    reading_.reset();
    if (auto done = std::exchange(done_, nullptr))
        done(path);
}

} // namespace editor
