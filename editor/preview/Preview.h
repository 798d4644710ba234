#pragma once

#include "core/DocumentType.h"
#include "platform/desktop/EmbeddedBrowser.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace platform {
class BrowserLauncher;
} // namespace platform

namespace editor {

class DocumentFiles;
class DocumentText;
class ElementPathFinder;
struct DocumentState;

// The two previews: the page in the Preview tab's browser, and the page in a
// new window of the user's browser. Both show a file: the document's own,
// or for an untitled document a temporary copy.
class Preview {
public:
    struct Services {
        platform::EmbeddedBrowserFactory browserFactory; // none: no embedded view
        platform::BrowserLauncher* launcher = nullptr;   // none: the desktop's
        // Where an untitled document's temporary file may go, in order: the
        // program's folder, then (once installed it is read-only) the cache.
        // Only a folder that no other user can write takes it, as a fresh file
        // of the user's alone; the last is the user's own and kept so.
        QStringList folders;
    };

    Preview(QWidget& WB, DocumentFiles& files, DocumentText& text, const DocumentState& state,
            std::function<core::DocumentType()> documentType, Services services);
    ~Preview();

    // The file to preview: CurrentFile when titled (nothing written), else the
    // temporary file just written. None when no folder could take it; the
    // user has been told then.
    std::optional<QString> targetStep();

    // Tab change of XTab, either way: target step, then the embedded view
    // shows it. The view (and its engine) starts on the first of these.
    // With the caret's place (a change to the Preview tab), the element
    // there is then brought into view, found without holding up the editor.
    void navigateEmbedded(std::optional<std::size_t> caret = std::nullopt);
    // Command1 and View Page: target step, then a new browser window.
    void openExternal();
    // Where the element at the caret is found (it reads ahead while idle).
    ElementPathFinder& elementPaths() { return *paths_; }

    // The default folders: the program's, then the per-user cache. The
    // program's only while it runs from its own build or unpacked folder: an
    // installed program never writes beside its executable.
    static QStringList defaultFolders();
    static QStringList defaultFolders(const QString& programFolder, const QString& cacheFolder);

private:
    QWidget& WB_;
    DocumentFiles& files_;
    const DocumentState& state_;
    std::function<core::DocumentType()> documentType_;
    Services services_;
    std::unique_ptr<platform::EmbeddedBrowser> browser_;
    std::unique_ptr<ElementPathFinder> paths_;
    std::unique_ptr<platform::BrowserLauncher> desktopLauncher_;
};

} // namespace editor
