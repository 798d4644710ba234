#include "editor/editing/EditorAccessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace editor {

namespace {

QAccessibleInterface* quietEditor(const QString& className, QObject* object) {
    // Declining hands the object on to the component's factory.
    if (className != QLatin1String("editor::SourceEditor") || QAccessible::isActive())
        return nullptr;
    // Qt's accessibility cache owns the interface and deletes it with the widget.
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::EditableText);
}

} // namespace

void installQuietEditorAccessibility() {
    // Factories installed later are asked first, so this one precedes the
    // component's, which installs itself when its first editor is built.
    static const bool installed = [] {
        QAccessible::installFactory(quietEditor);
        return true;
    }();
    (void)installed;
}

} // namespace editor
