#pragma once

#include "core/DocumentType.h"

#include <QObject>

#include <cstddef>
#include <functional>

namespace editor {

class SourceEditor;

// Closing tags typed for the user, and the tag at the caret shown with its
// partner. Neither costs more than a look at the text near the caret, and
// while the caret is in no tag, nothing.
class MarkupAssist : public QObject {
    Q_OBJECT
public:
    MarkupAssist(SourceEditor& coding, std::function<core::DocumentType()> type);

    void setClosingTags(bool on) { closingTags_ = on; }
    // Moves the caret to the partner of the tag it is in; says why not otherwise.
    void goToMatchingTag();

signals:
    void notice(const QString& text);

private:
    void charAdded(int ch);
    void highlightMatch();

    SourceEditor& coding_;
    std::function<core::DocumentType()> type_;
    bool closingTags_ = true;
    long lastCaret_ = -1;
    std::size_t markedStart_ = 0, markedEnd_ = 0;
};

} // namespace editor
