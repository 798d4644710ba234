#pragma once

#include "editor/preview/Preview.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <optional>

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace platform {
class MinuteClock;
class Prompts;
class SettingsStore;
} // namespace platform

namespace editor {
class frmMain;
class RecoveryStore;
} // namespace editor

namespace shell {

class StatusField;
class WindowPlacement;

// The frame window: an MDI area holding the one document window, the status
// bar, and File/Help menus of its own for while no document window is open.
class mdimain : public QMainWindow {
    Q_OBJECT
public:
    mdimain(platform::Prompts& prompts, platform::SettingsStore& settings, QString commandLine,
            QWidget* parent = nullptr);
    ~mdimain() override;

    // Creates the document window the first time, reopens it when closed and
    // brings it to the front when open. Shows the frame first.
    void showDocumentWindow();

    // The browsers the document window's previews use (the program's web engine view).
    void setPreviewServices(editor::Preview::Services services) {
        previewServices_ = std::move(services);
    }

    // Where the document window keeps its recovery copies; none without it.
    void setRecoveryStore(const editor::RecoveryStore* store) { recoveryStore_ = store; }

    editor::frmMain* documentWindow() const { return document_; }
    QMdiSubWindow* documentSubWindow() const { return subWindow_; }
    bool isDocumentOpen() const;
    QMdiArea* area() const { return area_; }

    // The frame's own menu commands.
    void mnuNew_Click();

signals:
    void aboutRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildStatusBar();
    void refreshStatusBar();
    void updateMenus();
    void showFrameMenus();
    void showDocumentMenus();
    void fitDocumentWindow();

    platform::Prompts& prompts_;
    platform::SettingsStore& settings_;
    QString commandLine_;
    std::unique_ptr<WindowPlacement> placement_;
    std::unique_ptr<WindowPlacement> documentPlacement_;
    QMdiArea* area_;
    QMenu* mnuFile_;
    QMenu* mnuHelp_;
    std::array<QLabel*, 7> panels_{};
    StatusField* position_ = nullptr;
    platform::MinuteClock* clock_;
    QString timeFormat_;
    editor::Preview::Services previewServices_;
    const editor::RecoveryStore* recoveryStore_ = nullptr;
    bool loaded_ = false;
    bool minimizeWhenExposed_ = false;
    bool fitDocumentUntilInput_ = false;
    std::optional<bool> showingDocumentMenus_;
    editor::frmMain* document_ = nullptr;
    QMdiSubWindow* subWindow_ = nullptr;
};

} // namespace shell
