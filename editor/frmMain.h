#pragma once

#include "core/DocumentType.h"
#include "editor/document/TextEncoding.h"
#include "editor/layout/PanelLayout.h"

#include <QWidget>

#include <array>
#include <memory>

class QGroupBox;
class QLabel;
class QMenu;
class QRadioButton;

namespace platform {
class Prompts;
} // namespace platform

namespace editor {

class DocumentMenus;
class PlacementMemory;
class SourceEditor;
class TabControl;

// The document window: one document, its source editor, panels and menus.
// It lives inside the frame's MDI area; its outer window is the sub-window.
class frmMain : public QWidget, private LayoutTarget {
    Q_OBJECT
public:
    frmMain(platform::Prompts& prompts, PlacementMemory& placement, QWidget* parent = nullptr);
    ~frmMain() override;

    // Runs the creation steps once the window sits in its frame.
    void create(const QString& commandLine);
    // Runs when the window is created and every time it is reopened.
    void loadStep();

    const QString& CurrentFile() const { return currentFile_; }
    bool IsSaved() const { return isSaved_; }
    core::DocumentType DocumentType() const;
    TextEncoding encoding() const { return encoding_; }

    bool OpenFile(const QString& path);
    bool SaveFile(const QString& path);

    SourceEditor* coding() const { return coding_; }
    const DocumentMenus& menus() const { return *menus_; }
    // The sub-window around this widget inside the frame, or this widget alone.
    QWidget* outerWindow();

    // Menu commands.
    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuSaveAs_Click();
    void mnuExit_Click();
    void mnuCut_Click();
    void mnuCopy_Click();
    void mnuPaste_Click();
    void mnuSelectAll_Click();
    // Panel toggles; `wasChecked` is the menu item's check mark before the click.
    void toggleTools(bool wasChecked);
    void toggleBottomBar(bool wasChecked);
    void Label1_Click();

    // Lays out the tab control, editor, browser and panels for the current size.
    void runLayout();
    // Brings captions, document type, enabled states and check marks up to date.
    void refreshCommandState();

signals:
    void aboutRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildControls();
    void connectMenus();
    // Asks the save question; false when the user cancelled or the save did not happen.
    bool settleUnsavedChanges();
    bool save();
    bool saveAs();
    QString ShowFileDialog(int mode);
    void showError(const QString& message);
    void coding_MouseUp(const QPoint& globalPos);
    void coding_FilesDropped(const QStringList& paths);

    // LayoutTarget
    bool toolsShown() const override;
    bool barShown() const override;
    int get(LayoutProperty property) const override;
    bool set(LayoutProperty property, int twips) override;

    platform::Prompts& prompts_;
    PlacementMemory& placement_;
    std::unique_ptr<DocumentMenus> menus_;

    TabControl* XTab_ = nullptr;
    SourceEditor* coding_ = nullptr;
    QWidget* WB_ = nullptr;
    QGroupBox* Frame1_ = nullptr;
    QWidget* picBottomBar_ = nullptr;
    std::array<QRadioButton*, 4> Option1_{};
    QLabel* filedisplay_ = nullptr;
    QLabel* Label1_ = nullptr;

    QString currentFile_;
    bool isSaved_ = true;
    TextEncoding encoding_ = TextEncoding::Utf8;
    LineEnd lineEnd_ = LineEnd::CrLf;
    QString lastDialogPath_;
};

} // namespace editor
