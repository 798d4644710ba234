#pragma once

#include "core/DocumentType.h"

#include <QObject>

#include <functional>

class QWidget;

namespace platform {
class Prompts;
}

namespace editor {

class EditorView;
class MarkupAssist;
class MarkupCheck;
class SearchCommands;
class SourceEditor;

// What the document window adds to its editor beyond the commands of its
// design: finding, the view's options and the caret's place, and help with
// markup. Each tells the status bar through the view.
class EditorAids : public QObject {
    Q_OBJECT
public:
    EditorAids(SourceEditor& coding, platform::Prompts& prompts, QWidget& window,
               std::function<core::DocumentType()> type);

    SearchCommands& search() const { return *search_; }
    EditorView& view() const { return *view_; }
    MarkupAssist& markup() const { return *markup_; }
    MarkupCheck& check() const { return *check_; }

private:
    SearchCommands* search_;
    EditorView* view_;
    MarkupAssist* markup_;
    MarkupCheck* check_;
};

} // namespace editor
