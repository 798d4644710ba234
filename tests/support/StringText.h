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
        for (Listener* l : listeners)
            l->textLoaded();
        edited();
        return true;
    }
    void replaceText(std::string_view utf8) override {
        for (Listener* l : listeners) {
            l->textAboutToChange(false, 0, text.size());
            l->textAboutToChange(true, 0, utf8.size());
        }
        text.assign(utf8);
        undoable = true;
        edited();
        setModified(true);
    }
    std::string_view textBytes() override { return text; }
    std::string textCopy() override { return text; }
    std::size_t length() override { return text.size(); }
    std::string_view bytesAt(std::size_t position, std::size_t count) override {
        return std::string_view(text).substr(position, count);
    }
    void forEachPiece(const std::function<bool(std::string_view)>& sink) override {
        // In two pieces, as the editor holds its text around its gap.
        const std::size_t half = text.size() / 2;
        if (sink(std::string_view(text).substr(0, half)))
            sink(std::string_view(text).substr(half));
    }
    void insertBytes(std::size_t position, std::string_view bytes) override {
        for (Listener* l : listeners)
            l->textAboutToChange(true, position, bytes.size());
        text.insert(position, bytes);
        undoable = true;
        edited();
        setModified(true);
    }
    void deleteBytes(std::size_t position, std::size_t count) override {
        for (Listener* l : listeners)
            l->textAboutToChange(false, position, count);
        text.erase(position, count);
        undoable = true;
        edited();
        setModified(true);
    }
    void setSavePoint() override { setModified(false); }
    void leaveSavePoint() override { setModified(true); }
    bool isModified() const override { return modified; }
    void clearUndoHistory() override { undoable = false; }
    void setLineEnd(editor::LineEnd end) override { lineEnd = end; }
    void moveCaretToStart() override { caret = 0; }
    long caretPosition() override { return caret; }
    void setCaretPosition(long position) override {
        caret = std::min(position, static_cast<long>(text.size()));
    }
    void addListener(Listener& listener) override { listeners.push_back(&listener); }
    void removeListener(Listener& listener) override {
        listeners.erase(std::remove(listeners.begin(), listeners.end(), &listener),
                        listeners.end());
    }

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
