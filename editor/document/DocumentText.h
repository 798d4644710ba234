#pragma once

#include "editor/document/TextEncoding.h"

#include <string>
#include <string_view>

namespace editor {

class DocumentReader;

// The document's text as the file lifecycle and the recovery copies see it:
// UTF-8 bytes with a save point and a line end for new lines. The source
// editor holds it; tests hold it in a string. No widget behind this face.
class DocumentText {
public:
    class Listener {
    public:
        virtual ~Listener() = default;
        // The text changed, by the user or by the program.
        virtual void textEdited() = 0;
        // The text reached or left its save point.
        virtual void savePointChanged(bool modified) = 0;
    };

    virtual ~DocumentText() = default;

    // Replaces the whole text with what the reader yields, without undo
    // history. On a read failure the text stays as it was.
    virtual bool loadFrom(DocumentReader& reader) = 0;
    // Replaces the whole text as one undoable edit.
    virtual void replaceText(std::string_view utf8) = 0;
    // The whole text, valid until the next edit.
    virtual std::string_view textBytes() = 0;
    // A copy of the whole text.
    virtual std::string textCopy() = 0;

    // The text as it stands is the saved one.
    virtual void setSavePoint() = 0;
    virtual bool isModified() const = 0;
    virtual void clearUndoHistory() = 0;
    virtual void setLineEnd(LineEnd lineEnd) = 0;
    virtual void moveCaretToStart() = 0;
    // The caret as a byte position in the text; a position past the end puts
    // it at the end.
    virtual long caretPosition() = 0;
    virtual void setCaretPosition(long position) = 0;

    // Listeners are told of every change until they are destroyed; a
    // listener must outlive the text or never be added.
    virtual void addListener(Listener& listener) = 0;
};

} // namespace editor
