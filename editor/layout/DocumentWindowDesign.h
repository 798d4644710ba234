#pragma once

#include "core/DocumentType.h"
#include "editor/layout/WidgetLayoutTarget.h"

#include <array>
#include <vector>

class QGroupBox;
class QLabel;
class QPalette;
class QRadioButton;
class QWidget;

namespace editor {

class CloseLabel;
class SourceEditor;
class TabControl;

// The document window's plain controls, as its design places them.
struct DocumentWindowControls {
    TabControl* XTab;
    SourceEditor* coding;
    QWidget* WB;
    QGroupBox* Frame1;
    QWidget* picBottomBar;
    std::array<QRadioButton*, 4> Option1;
    QLabel* filedisplay;
    CloseLabel* Label1;
};

// Creates the controls in `window` at their design positions (in twips).
DocumentWindowControls buildDocumentWindowControls(QWidget& window);

// The bottom bar keeps its light grey design colour on any desktop; on a
// dark one its labels and option faces take the light palette around that
// colour, so that they stay readable. Again whenever the desktop's changes.
void applyBarColours(QWidget& picBottomBar, const QPalette& desktop);

// The document type of the selected option (HTML when, for a moment, none is).
core::DocumentType selectedType(const std::array<QRadioButton*, 4>& Option1);

// Which edge or size of which control each layout property is.
std::vector<WidgetLayoutTarget::Binding> layoutBindings(const DocumentWindowControls& c);

} // namespace editor
