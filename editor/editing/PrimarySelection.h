#pragma once

#include <QMimeData>
#include <QPointer>

namespace editor {

class SourceEditor;

// The X11 primary selection of an editor, read from its selection only when a
// program asks for it (the primary selection is live by convention), so that
// selecting a whole large page copies nothing. Plain text only, the editor's
// UTF-8 bytes as they are.
class PrimarySelection : public QMimeData {
public:
    explicit PrimarySelection(SourceEditor& editor);

    QStringList formats() const override;
    bool hasFormat(const QString& mimeType) const override;

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override;

private:
    QPointer<SourceEditor> editor_;
};

} // namespace editor
