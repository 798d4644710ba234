#pragma once

#include "core/DocumentType.h"
#include "editor/document/DocumentState.h"
#include "editor/preview/Preview.h"
#include "editor/recovery/RecoveryKeeper.h"

#include <QWidget>

#include <array>
#include <memory>

class QGroupBox;
class QLabel;
class QRadioButton;

namespace platform {
class Prompts;
} // namespace platform

namespace editor {

class CloseLabel;
class DocumentFiles;
class DocumentMenus;
class EditingCommands;
class EditorAids;
class EditorView;
class ElementButtons;
class PlacementMemory;
class SearchCommands;
class SourceEditor;
class TabControl;
class WidgetLayoutTarget;

// The document window: one document, its source editor, panels and menus.
// It lives inside the frame's MDI area; its outer window is the sub-window.
// It builds and wires its parts; the work is done in its rooms (document/,
// editing/, layout/, commands/, elements/).
class frmMain : public QWidget {
    Q_OBJECT
public:
    frmMain(platform::Prompts& prompts, PlacementMemory& placement, QWidget* parent = nullptr);
    ~frmMain() override;

    // An edit was refused, or an event failed, for want of memory: says so
    // and brings the text's recovery copy up to date.
    enum class MemoryFailure { EditRefused, EventFailed };
    void memoryRanOut(MemoryFailure failure);

    // Runs the creation steps once the window sits in its frame.
    void create(const QString& commandLine);
    // Runs when the window is created and every time it is reopened.
    void loadStep();

    const QString& CurrentFile() const { return state_.CurrentFile; }
    bool IsSaved() const { return state_.IsSaved; }
    core::DocumentType DocumentType() const;
    TextEncoding encoding() const { return state_.encoding; }

    bool OpenFile(const QString& path);
    bool SaveFile(const QString& path);

    // Replaces the browsers the previews use (the program gives the web engine view).
    void setPreviewServices(Preview::Services services);
    Preview& preview() { return *preview_; }
    // Keeps recovery copies in `store` from now on, and offers one left by a
    // run that did not end normally once the window is created.
    void setRecovery(const RecoveryStore& store, RecoveryKeeper::Timing timing = {});
    RecoveryKeeper* recovery() const { return recovery_; }

    SourceEditor* coding() const { return coding_; }
    DocumentFiles& files() const { return *files_; }
    EditingCommands& editing() const { return *editing_; }
    const EditorAids& aids() const { return *aids_; }
    SearchCommands& search() const;
    EditorView& view() const;
    // Flips a toggle item's check mark (its command's to set) and returns it.
    bool flipCheck(const char* name);
    TabControl* XTab() const { return XTab_; }
    const DocumentMenus& menus() const { return *menus_; }
    const ElementButtons& elements() const { return *elements_; }
    // The sub-window around this widget inside the frame, or this widget alone.
    QWidget* outerWindow();

    // Commands with more to them than one call of a room (the menu rows run
    // the rest, see DocumentCommands).
    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuExit_Click();
    void mnuPaste_Click();
    void Command2_Click(int index);
    // Command1 and View Page: the page in the user's browser.
    void Command1_Click();
    void XTab_Click(int previousTab);
    // Panel toggles: each flips its panel and its menu item's check mark.
    void toggleTools();
    void toggleBottomBar();
    void Label1_Click();

    // Lays out the tab control, editor, browser and panels for the current size.
    void runLayout();
    // Brings captions, document type, enabled states and check marks up to date.
    void refreshCommandState();

signals:
    void aboutRequested();
    // The status bar's text for this document (see EditorView).
    void statusChanged(const QString& text);
    void currentFileChanged(const QString& path);

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildControls();
    void connectCommandStateInputs();
    void coding_MouseUp(const QPoint& globalPos);
    void coding_FilesDropped(const QStringList& paths);
    void offerRecovery();

    platform::Prompts& prompts_;
    PlacementMemory& placement_;
    std::unique_ptr<DocumentMenus> menus_;
    DocumentState state_;

    TabControl* XTab_ = nullptr;
    SourceEditor* coding_ = nullptr;
    QWidget* WB_ = nullptr;
    QGroupBox* Frame1_ = nullptr;
    QWidget* picBottomBar_ = nullptr;
    std::array<QRadioButton*, 4> Option1_{};
    QLabel* filedisplay_ = nullptr;
    CloseLabel* Label1_ = nullptr;
    ElementButtons* elements_ = nullptr;

    std::unique_ptr<DocumentFiles> files_;
    std::unique_ptr<EditingCommands> editing_;
    std::unique_ptr<WidgetLayoutTarget> layout_;
    std::unique_ptr<Preview> preview_;
    RecoveryKeeper* recovery_ = nullptr;
    EditorAids* aids_ = nullptr;
};

} // namespace editor
