#pragma once

class QMimeData;

namespace editor {

class SourceEditor;

// Cut, Copy, Paste and Select All on the source editor. Only plain text goes
// through the clipboard, byte for byte as the editor holds it.
class EditingCommands {
public:
    explicit EditingCommands(SourceEditor& coding) : coding_(coding) {}

    void cut();
    void copy();
    // False when memory ran out for the text; the document is then unchanged.
    bool paste();
    void selectAll();

private:
    void pasteBytes(const QMimeData* data);

    SourceEditor& coding_;
};

} // namespace editor
