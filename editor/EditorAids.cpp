#include "editor/EditorAids.h"

#include "editor/editing/EditorView.h"
#include "editor/editing/SourceEditor.h"
#include "editor/markup/MarkupAssist.h"
#include "editor/markup/MarkupCheck.h"
#include "editor/search/SearchCommands.h"

namespace editor {

EditorAids::EditorAids(SourceEditor& coding, platform::Prompts& prompts, QWidget& window,
                       std::function<core::DocumentType()> type)
    : QObject(&window), search_(new SearchCommands(coding, prompts, window)),
      view_(new EditorView(coding)), markup_(new MarkupAssist(coding, type)),
      check_(new MarkupCheck(coding, type)) {
    view_->setLineNumbers(true);
    connect(search_, &SearchCommands::notice, view_, &EditorView::showNotice);
    connect(markup_, &MarkupAssist::notice, view_, &EditorView::showNotice);
    connect(check_, &MarkupCheck::notice, view_, &EditorView::showNotice);
    connect(check_, &MarkupCheck::problemsChanged, view_, &EditorView::setProblems);
    // A page loaded whole, or a fresh default page, is checked too.
    connect(&coding, &QsciScintilla::textChanged, check_, &MarkupCheck::schedule);
}

} // namespace editor
