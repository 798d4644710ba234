#pragma once

#include <QString>

class QWidget;

namespace platform {
class Prompts;
}

namespace editor {

// At start: settles the in-place saves a run that was killed left
// unfinished (see SaveJournal). A file that holds its old or its new content
// needs nothing; one cut short is offered its old content back; when the
// file is gone, the user is told where the old content is kept.
void settleInterruptedSaves(const QString& folder, platform::Prompts& prompts, QWidget* parent);

} // namespace editor
