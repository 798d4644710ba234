#pragma once

#include "editor/document/DocumentReader.h"
#include "editor/document/DocumentText.h"

#include <algorithm>
#include <string>
#include <vector>

// The document's text held in a string, as the file lifecycle and the
// recovery copies see it, without an editor widget.
class StringText final : public editor::DocumentText {
public:
    std::string text;
    bool modified = false;
    editor::LineEnd lineEnd = editor::LineEnd::CrLf;
    bool undoable = false; // the undo history holds something
    long caret = -1;

    bool loadFrom(editor::DocumentReader& reader) override {
        std::string loaded;
        if (!reader.read([&](std::string_view piece) { loaded.append(piece); }))
            return false;
        text = std::move(loaded);
        undoable = false;
        edited();
        return true;
    }
    void replaceText(std::string_view utf8) override {
        text.assign(utf8);
        undoable = true;
        edited();
        setModified(true);
    }
    std::string_view textBytes() override { return text; }
    std::string textCopy() override { return text; }
    void setSavePoint() override { setModified(false); }
    bool isModified() const override { return modified; }
    void clearUndoHistory() override { undoable = false; }
    void setLineEnd(editor::LineEnd end) override { lineEnd = end; }
    void moveCaretToStart() override { caret = 0; }
    long caretPosition() override { return caret; }
    void setCaretPosition(long position) override {
        caret = std::min(position, static_cast<long>(text.size()));
    }
    void addListener(Listener& listener) override { listeners.push_back(&listener); }

private:
    void edited() {
        for (Listener* l : listeners)
            l->textEdited();
    }
    void setModified(bool m) {
        if (m == modified)
            return;
        modified = m;
        for (Listener* l : listeners)
            l->savePointChanged(m);
    }
    std::vector<Listener*> listeners;
};
