#include "editor/preview/Preview.h"

#include "core/text/PathBytes.h"
#include "editor/document/DocumentFiles.h"
#include "editor/document/DocumentState.h"
#include "editor/markup/ElementPathFinder.h"
#include "platform/desktop/BrowserLauncher.h"
#include "platform/files/LocalPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QUrl>

#include <sys/stat.h>
#include <unistd.h>

namespace editor {

Preview::Preview(QWidget& WB, DocumentFiles& files, DocumentText& text, const DocumentState& state,
                 std::function<core::DocumentType()> documentType, Services services)
    : WB_(WB), files_(files), state_(state), documentType_(std::move(documentType)),
      services_(std::move(services)), paths_(std::make_unique<ElementPathFinder>(text, [this] {
          const core::DocumentType type = documentType_();
          return type == core::DocumentType::HTML || type == core::DocumentType::ASP;
      })) {
    if (services_.folders.isEmpty())
        services_.folders = defaultFolders();
    if (!services_.launcher) {
        desktopLauncher_ = std::make_unique<platform::DesktopBrowserLauncher>();
        services_.launcher = desktopLauncher_.get();
    }
}

Preview::~Preview() = default;

QStringList Preview::defaultFolders() {
    return defaultFolders(QCoreApplication::applicationDirPath(),
                          QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
}

QStringList Preview::defaultFolders(const QString& programFolder, const QString& cacheFolder) {
    // Installed: under the system's prefix, or beside the data folder the
    // install rules make (bin/ next to share/ostra/).
    const bool installed = programFolder.startsWith(QStringLiteral("/usr/")) ||
                           programFolder.startsWith(QStringLiteral("/opt/")) ||
                           QDir(programFolder + QStringLiteral("/../share/ostra")).exists();
    if (installed)
        return {cacheFolder};
    return {programFolder, cacheFolder};
}

namespace {

void keepPrivate(const QString& folder) {
    const QByteArray bytes = core::pathBytes(folder);
    struct stat st {};
    if (::lstat(bytes.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
        (st.st_mode & (S_IWGRP | S_IWOTH)))
        ::chmod(bytes.constData(), st.st_mode & 07755);
}

} // namespace

std::optional<QString> Preview::targetStep() {
    if (!state_.CurrentFile.isEmpty())
        return state_.CurrentFile;
    const QString name = documentType_() == core::DocumentType::HTML
                             ? QStringLiteral("tempfile.html")
                             : QStringLiteral("tempfile.xml");
    for (const QString& folder : services_.folders) {
        if (folder.isEmpty() || !QDir().mkpath(folder))
            continue;
        // The last folder is the user's own cache: a umask that lets the
        // group write there must not make it unusable.
        if (folder == services_.folders.back())
            keepPrivate(folder);
        const QString path = QDir(folder).filePath(name);
        if (files_.savePreviewCopy(path))
            return path;
    }
    files_.showError(QStringLiteral("The page cannot be previewed: \u201c%1\u201d could not be "
                                    "written in %2.")
                         .arg(name, services_.folders.join(QStringLiteral(" or "))));
    return std::nullopt;
}

void Preview::navigateEmbedded(std::optional<std::size_t> caret) {
    const std::optional<QString> target = targetStep();
    if (!target)
        return;
    if (!browser_ && services_.browserFactory) {
        browser_ = services_.browserFactory(WB_);
        // A link to the web opens the user's browser, never the preview.
        if (browser_)
            browser_->setWebLinkHandler([this](const QUrl& url) {
                services_.launcher->openInNewWindow(QString::fromLatin1(url.toEncoded()));
            });
    }
    if (!browser_)
        return;
    browser_->navigate(platform::fileUrl(*target));
    const core::DocumentType type = documentType_();
    if (!caret || (type != core::DocumentType::HTML && type != core::DocumentType::ASP))
        return;
    paths_->find(*caret, [this](const ElementPath& path) {
        platform::ElementPath steps;
        for (const PathStep& step : path)
            steps.append({QString::fromStdString(step.name), step.index});
        if (browser_)
            browser_->showElement(steps);
    });
}

void Preview::openExternal() {
    const std::optional<QString> target = targetStep();
    if (!target)
        return;
    if (!services_.launcher->openInNewWindow(
            QString::fromLatin1(platform::fileUrl(*target).toEncoded()))) {
        files_.showError(QStringLiteral("No web browser could be started to show \u201c%1\u201d. "
                                        "Set the BROWSER variable to your browser's command.")
                             .arg(*target));
    }
}

} // namespace editor
