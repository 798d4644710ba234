#include "editor/editing/PrimarySelection.h"

#include "editor/editing/SourceEditor.h"

namespace editor {

namespace {

const QString kPlainText = QStringLiteral("text/plain");

} // namespace

PrimarySelection::PrimarySelection(SourceEditor& editor) : editor_(&editor) {}

QStringList PrimarySelection::formats() const {
    return {kPlainText};
}

bool PrimarySelection::hasFormat(const QString& mimeType) const {
    return mimeType == kPlainText;
}

QVariant PrimarySelection::retrieveData(const QString& mimeType, QMetaType) const {
    if (mimeType != kPlainText || !editor_)
        return {};
    // QMimeData turns the bytes into a QString when one is asked for.
    const std::string_view bytes = editor_->selectedBytes();
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace editor
