#pragma once

#include <QString>

#include <functional>

namespace editor {

// The moments of a save at which a kill leaves a different state on disk.
enum class SaveStep {
    TempWritten,       // the new content is durable under a temporary name
    Renamed,           // ... and renamed over the target
    SafetyCopyDurable, // an in-place save's copy of the old content is durable
    InPlacePiece,      // a piece of the new content went into the file itself
    InPlaceDurable,    // the new content is durable in the file itself
};

struct SaveOptions {
    enum class Kind {
        Document,    // the user's file: written through a link, its identity kept
        PrivateCopy, // a copy for the preview: always a fresh file, the user's
                     // alone, in a folder only the user can write
    };
    Kind kind = Kind::Document;
    // Where in-place saves keep the old content until the new is durable.
    QString journalFolder;
    // Told at each step; tests kill the save there.
    std::function<void(SaveStep)> reached;
};

} // namespace editor
