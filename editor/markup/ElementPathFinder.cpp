#include "editor/markup/ElementPathFinder.h"

#include <QElapsedTimer>

#include <algorithm>

namespace editor {

namespace {

constexpr qint64 kSliceMs = 8;

} // namespace

ElementPathFinder::ElementPathFinder(DocumentText& text, std::function<bool()> wanted,
                                     PathReading reading, QObject* parent)
    : QObject(parent), text_(text), wanted_(std::move(wanted)), pace_(reading) {
    slices_.setInterval(0);
    connect(&slices_, &QTimer::timeout, this, &ElementPathFinder::slice);
    rest_.setSingleShot(true);
    rest_.setInterval(pace_.restMs);
    connect(&rest_, &QTimer::timeout, this, &ElementPathFinder::readAhead);
    text_.addListener(*this);
    rest_.start(); // a text there already
}

ElementPathFinder::~ElementPathFinder() {
    text_.removeListener(*this);
}

bool ElementPathFinder::settled() const {
    if (reading_ || std::any_of(checkpoints_.begin(), checkpoints_.end(),
                                [](const Checkpoint& c) { return c.doubted; }))
        return false;
    const std::size_t last = checkpoints_.empty() ? 0 : checkpoints_.back().offset;
    return aheadToEnd_ || text_.length() < last + pace_.stride;
}

void ElementPathFinder::textLoaded() {
    aheadToEnd_ = false;
    checkpoints_.clear();
    reading_.reset();
    done_ = nullptr;
    slices_.stop();
    rest_.start();
}

void ElementPathFinder::textAboutToChange(bool insertion, std::size_t position,
                                          std::size_t length) {
    // What was kept before the change holds; what was kept after it moves
    // with the text, the first of it in doubt.
    if (!insertion) {
        checkpoints_.erase(std::remove_if(checkpoints_.begin(), checkpoints_.end(),
                                          [&](const Checkpoint& c) {
                                              // One at the end of the deleted bytes
                                              // would share its place with one
                                              // kept at the start.
                                              return c.offset > position &&
                                                     c.offset <= position + length;
                                          }),
                           checkpoints_.end());
    }
    aheadToEnd_ = false;
    bool first = true;
    for (Checkpoint& c : checkpoints_) {
        if (c.offset <= position)
            continue;
        c.offset = insertion ? c.offset + length : c.offset - length;
        c.doubted = c.doubted || first;
        first = false;
    }
    // A find reads on unless the change is before its place; reading ahead
    // gives way to typing and goes on from its last checkpoint once the
    // text rests again.
    if (reading_ && (!done_ || position < goal_)) {
        reading_.reset();
        done_ = nullptr;
        slices_.stop();
    }
    rest_.start();
}

void ElementPathFinder::readAhead() {
    if (reading_ || !wanted_() || settled())
        return;
    goal_ = text_.length();
    plan();
    slice();
}

void ElementPathFinder::find(std::size_t caret, std::function<void(const ElementPath&)> done) {
    goal_ = std::min(caret, text_.length());
    done_ = std::move(done);
    plan();
    slice();
}

void ElementPathFinder::plan() {
    // From the last checkpoint before the goal that holds: none in doubt
    // before it.
    const Checkpoint* from = nullptr;
    for (const Checkpoint& c : checkpoints_) {
        if (c.offset > goal_ || c.doubted)
            break;
        from = &c;
    }
    if (from) {
        reading_ = from->reader;
        readTo_ = from->offset;
    } else {
        reading_.emplace();
        readTo_ = 0;
    }
}

void ElementPathFinder::reachCheckpoint(std::size_t index) {
    Checkpoint& c = checkpoints_[index];
    if (!c.doubted)
        return;
    if (reading_->atText() && *reading_ == c.reader) {
        // The edit changed no element: every checkpoint up to the next in
        // doubt holds; go on from the last of them.
        c.doubted = false;
        plan();
        return;
    }
    // What was read is the truth here; the next checkpoint is in doubt.
    if (reading_->atText()) {
        c.reader = *reading_;
        c.doubted = false;
        ++index;
    } else {
        checkpoints_.erase(checkpoints_.begin() + static_cast<std::ptrdiff_t>(index));
    }
    if (index < checkpoints_.size())
        checkpoints_[index].doubted = true;
}

void ElementPathFinder::slice() {
    slices_.stop();
    if (!reading_)
        return;
    QElapsedTimer spent;
    spent.start();
    while (readTo_ < goal_ && spent.elapsed() < kSliceMs) {
        const auto next =
            std::upper_bound(checkpoints_.begin(), checkpoints_.end(), readTo_,
                             [](std::size_t at, const Checkpoint& c) { return at < c.offset; });
        std::size_t end = std::min(goal_, readTo_ + pace_.piece);
        if (next != checkpoints_.end())
            end = std::min(end, next->offset);
        reading_->feed(text_.bytesAt(readTo_, end - readTo_));
        readTo_ = end;
        if (next != checkpoints_.end() && next->offset == readTo_) {
            reachCheckpoint(static_cast<std::size_t>(next - checkpoints_.begin()));
            continue;
        }
        const std::size_t before = next == checkpoints_.begin() ? 0 : std::prev(next)->offset;
        if (readTo_ >= before + pace_.stride && reading_->atText())
            checkpoints_.insert(next, {readTo_, *reading_, false});
    }
    if (readTo_ < goal_) {
        slices_.start(); // the rest once the interface is idle again
        return;
    }
    if (!done_) { // read ahead to the end (a tail in a comment keeps no checkpoint)
        reading_.reset();
        aheadToEnd_ = true;
        return;
    }
    reading_->finishTag(text_.bytesAt(goal_, std::min<std::size_t>(4096, text_.length() - goal_)));
    const ElementPath path = reading_->path();
    reading_.reset();
    if (!settled())
        rest_.start(); // what a find left unread, once the text rests
    if (auto done = std::exchange(done_, nullptr))
        done(path);
}

} // namespace editor
