#pragma once

#include "editor/document/TextEncoding.h"

#include <cstddef>
#include <functional>
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
        // An insertion of `length` bytes at `position`, or a deletion of the
        // bytes there, is about to be made: the text is still as it was.
        virtual void textAboutToChange(bool /*insertion*/, std::size_t /*position*/,
                                       std::size_t /*length*/) {}
        // The text changed, by the user or by the program (told once per event).
        virtual void textEdited() {}
        // A load replaced the whole text (told no change before it).
        virtual void textLoaded() {}
        // The text reached or left its save point.
        virtual void savePointChanged(bool /*modified*/) {}
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
    virtual std::size_t length() = 0;
    // The bytes [position, position + length), valid until the next edit;
    // reading them moves no more of the text than they are.
    virtual std::string_view bytesAt(std::size_t position, std::size_t length) = 0;
    // The whole text in the pieces it is held in, nothing moved or copied;
    // stops when the sink says false.
    virtual void forEachPiece(const std::function<bool(std::string_view)>& sink) = 0;
    // Single edits, each undoable.
    virtual void insertBytes(std::size_t position, std::string_view bytes) = 0;
    virtual void deleteBytes(std::size_t position, std::size_t length) = 0;

    // The text as it stands is the saved one.
    virtual void setSavePoint() = 0;
    // The text as it stands counts as changed, though it is not.
    virtual void leaveSavePoint() = 0;
    virtual bool isModified() const = 0;
    virtual void clearUndoHistory() = 0;
    virtual void setLineEnd(LineEnd lineEnd) = 0;
    virtual void moveCaretToStart() = 0;
    // The caret as a byte position in the text; a position past the end puts
    // it at the end.
    virtual long caretPosition() = 0;
    virtual void setCaretPosition(long position) = 0;

    // Listeners are told of every change until they are removed.
    virtual void addListener(Listener& listener) = 0;
    virtual void removeListener(Listener& listener) = 0;
};

} // namespace editor
