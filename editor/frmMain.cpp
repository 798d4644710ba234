#include "editor/frmMain.h"

#include "core/AppIdentity.h"
#include "core/Twips.h"
#include "editor/DocumentCommands.h"
#include "editor/EditorAids.h"
#include "editor/PlacementMemory.h"
#include "editor/commands/CommandStateView.h"
#include "editor/commands/DocumentMenus.h"
#include "editor/document/DocumentFiles.h"
#include "editor/document/InterruptedSaves.h"
#include "editor/editing/EditingCommands.h"
#include "editor/editing/EditorView.h"
#include "editor/editing/SourceEditor.h"
#include "editor/editing/SyntaxColouring.h"
#include "editor/editing/TabControl.h"
#include "editor/elements/ElementButtons.h"
#include "editor/layout/CloseLabel.h"
#include "editor/layout/DocumentWindowDesign.h"
#include "editor/layout/KeyboardPath.h"
#include "editor/layout/WidgetLayoutTarget.h"
#include "editor/markup/MarkupCheck.h"
#include "platform/desktop/NormalSize.h"
#include "platform/files/LocalPath.h"
#include "platform/prompts/Prompts.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QTimer>

namespace editor {

using platform::PromptButtons;
using platform::PromptIcon;

frmMain::frmMain(platform::Prompts& prompts, PlacementMemory& placement, QWidget* parent)
    : QWidget(parent), prompts_(prompts), placement_(placement), menus_(buildDocumentMenus(this)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Ostra Document"));
    setAcceptDrops(true);
    buildControls();
    files_ = std::make_unique<DocumentFiles>(this, prompts_, *coding_, state_, [this] {
        refreshCommandState();
        emit currentFileChanged(state_.CurrentFile);
    });
    editing_ = std::make_unique<EditingCommands>(*coding_);
    aids_ = new EditorAids(*coding_, prompts_, *this, [this] { return DocumentType(); });
    connect(&aids_->view(), &EditorView::statusChanged, this, &frmMain::statusChanged);
    setPreviewServices({});
    connectDocumentMenus(*this);
    connectCommandStateInputs();
    // Back from another program (the frame is activated, not this window
    // inside it): the file may have changed meanwhile.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s == Qt::ApplicationActive)
            QTimer::singleShot(0, this, [this] { files_->checkDisk(); });
    });
}

frmMain::~frmMain() {
    // The editor outlives the window's own parts while the children go; the
    // keeper listens to it, so it goes first.
    disconnect(coding_, nullptr, this, nullptr);
    delete recovery_;
}

void frmMain::setPreviewServices(Preview::Services services) {
    preview_ = std::make_unique<Preview>(
        *WB_, *files_, *coding_, state_, [this] { return DocumentType(); }, std::move(services));
}

void frmMain::setRecovery(const RecoveryStore& store, RecoveryKeeper::Timing timing) {
    recovery_ = new RecoveryKeeper(
        *coding_,
        [this] {
            return RecoveryKeeper::Document{state_.CurrentFile,
                                            state_.encoding,
                                            state_.lineEnd,
                                            DocumentType(),
                                            state_.disk ? state_.disk->stamp() : FileStamp{},
                                            state_.disk ? state_.disk->digest : 0};
        },
        store, timing, this);
    for (QRadioButton* option : Option1_)
        connect(option, &QRadioButton::toggled, recovery_,
                [this] { recovery_->typeChanged(DocumentType()); });
    // Shown in the status bar for as long as it lasts.
    connect(recovery_, &RecoveryKeeper::protectionChanged, &aids_->view(), &EditorView::setWarning);
}

void frmMain::buildControls() {
    const DocumentWindowControls c = buildDocumentWindowControls(*this);
    XTab_ = c.XTab;
    coding_ = c.coding;
    WB_ = c.WB;
    Frame1_ = c.Frame1;
    picBottomBar_ = c.picBottomBar;
    Option1_ = c.Option1;
    filedisplay_ = c.filedisplay;
    Label1_ = c.Label1;
    coding_->setAccessibleName(windowTitle());
    elements_ = new ElementButtons(*Frame1_);
    connect(Label1_, &CloseLabel::clicked, this, &frmMain::Label1_Click);
    new KeyboardPath(*this,
                     {XTab_, coding_, Frame1_, elements_->reachable(), picBottomBar_, Option1_},
                     [this](bool forward) { focusNextPrevChild(forward); });

    layout_ = std::make_unique<WidgetLayoutTarget>(layoutBindings(c), *Frame1_, *picBottomBar_);
    new SyntaxColouring(*coding_, coding_->font(), Option1_, this);

    // The change notice: the first change after a load or save leaves the save
    // point (the editor reports no single modifications, see SourceEditor).
    connect(coding_, &QsciScintilla::modificationChanged, this, [this](bool modified) {
        if (modified)
            state_.IsSaved = false;
    });
    connect(coding_, &SourceEditor::rightButtonReleased, this, &frmMain::coding_MouseUp);
    connect(coding_, &SourceEditor::outOfMemory, this,
            [this] { memoryRanOut(MemoryFailure::EditRefused); });
    connect(coding_, &SourceEditor::filesDropped, this, &frmMain::coding_FilesDropped);
    connect(elements_, &ElementButtons::Command2_Click, this, &frmMain::Command2_Click);
    connect(elements_, &ElementButtons::Command1_Click, this, &frmMain::Command1_Click);
    connect(XTab_, &TabControl::currentChanged, this, &frmMain::XTab_Click);
}

void frmMain::connectCommandStateInputs() {
    // Every input of the command state, so its outputs follow at once and an
    // idle window runs no timer.
    connect(coding_, &QsciScintilla::selectionChanged, this, &frmMain::refreshCommandState);
    // Typing over a selection empties it without a selection signal, and
    // makes something to undo: the commands follow before the next key.
    connect(coding_, &SourceEditor::textEdited, this, &frmMain::refreshCommandState);
    connect(coding_, &QsciScintillaBase::SCN_UPDATEUI, this, &frmMain::refreshCommandState);
    // Toggled, not clicked: the load step and a recovery set the option too.
    for (QRadioButton* option : Option1_) {
        connect(option, &QRadioButton::toggled, this, &frmMain::refreshCommandState);
        connect(option, &QRadioButton::toggled, &aids_->check(), &MarkupCheck::schedule);
    }
    connect(this, &frmMain::currentFileChanged, this, &frmMain::refreshCommandState);
}

QWidget* frmMain::outerWindow() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        return sub;
    return this;
}

core::DocumentType frmMain::DocumentType() const {
    return selectedType(Option1_);
}

void frmMain::create(const QString& commandLine) {
    loadStep();
    // CurrentFile is a full path: the caption, the preview and the browser
    // all need one, so a name typed relative to the shell's folder is
    // completed against it.
    if (!commandLine.isEmpty())
        OpenFile(platform::absolutePath(QString(commandLine).remove(QLatin1Char('"'))));
    // Item 0 is the design-time placeholder; the element buttons add the rest.
    QList<QAction*> mnuElements{menus_->action(QStringLiteral("mnuElements_0"))};
    elements_->buildElementsMenu(*menus_->menu(QStringLiteral("mnuInsert")), mnuElements);
    // The menu item and the button with the same index are interchangeable.
    for (int i = 0; i < mnuElements.size(); ++i)
        connect(mnuElements[i], &QAction::triggered, this, [this, i] { Command2_Click(i); });
    platform::resizeNormal(*outerWindow(),
                           QSize(core::twipsToPixels(10000), core::twipsToPixels(7000)));
    runLayout();
    refreshCommandState();
    // Once the window is on the screen: saves a killed run left unfinished
    // (the file named on the command line may be one of them), then copies of
    // unsaved text.
    QTimer::singleShot(0, this, [this] {
        settleInterruptedSaves(files_->journalFolder(), prompts_, this);
        files_->checkDisk();
    });
    if (recovery_)
        QTimer::singleShot(0, this, &frmMain::offerRecovery);
}

void frmMain::loadStep() {
    if (QWidget* frame = window(); frame != this)
        frame->setWindowTitle(core::kAppTitle);
    state_.IsSaved = true;
    state_.CurrentFile.clear();
    setWindowTitle(QStringLiteral("Ostra Document"));
    refreshCommandState();
    placement_.RestorePlacement(*outerWindow(), *this);
    files_->loadDefaultPage();
    Option1_[0]->setChecked(true);
    // Keys typed as soon as the window appears go into the text.
    coding_->setFocus();
}

bool frmMain::OpenFile(const QString& path) {
    if (!files_->OpenFile(path))
        return false;
    coding_->setFocus();
    return true;
}

bool frmMain::SaveFile(const QString& path) {
    return files_->SaveFile(path);
}

SearchCommands& frmMain::search() const {
    return aids_->search();
}

EditorView& frmMain::view() const {
    return aids_->view();
}

void frmMain::runLayout() {
    const QWidget* outer = outerWindow();
    runPanelLayout(*layout_, core::pixelsToTwips(outer->width()),
                   core::pixelsToTwips(outer->height()));
}

void frmMain::refreshCommandState() {
    CommandInputs in;
    in.currentFile = state_.CurrentFile;
    in.barVisible = !picBottomBar_->isHidden();
    in.option = DocumentType();
    // Asked of the editor itself: its own selection flag follows only its repaints.
    in.selectionEmpty = coding_->SendScintilla(QsciScintilla::SCI_GETSELECTIONEMPTY) != 0;
    in.canUndo = coding_->isUndoAvailable();
    in.canRedo = coding_->isRedoAvailable();
    applyCommandState(computeCommandState(in), *menus_, *this, Option1_, elements_->Command1());
}

bool frmMain::event(QEvent* event) {
    // Back from another program: the file may have changed meanwhile. Once
    // the activation is done, so that a question comes on top.
    if (event->type() == QEvent::WindowActivate)
        QTimer::singleShot(0, this, [this] { files_->checkDisk(); });
    return QWidget::event(event);
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (!state_.IsSaved && !files_->settleUnsavedChanges()) {
        event->ignore();
        return;
    }
    placement_.SavePlacement(*outerWindow());
    if (recovery_)
        recovery_->discard();
    event->accept();
}

void frmMain::changeEvent(QEvent* event) {
    // Screen readers name the editor after its document, as the caption does.
    if (event->type() == QEvent::WindowTitleChange && coding_)
        coding_->setAccessibleName(windowTitle());
    if (event->type() == QEvent::PaletteChange && picBottomBar_)
        applyBarColours(*picBottomBar_, palette());
    QWidget::changeEvent(event);
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    runLayout();
}

// Taken as a copy: text dragged here from the editor stays in the editor.
void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void frmMain::dropEvent(QDropEvent* event) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
    prompts_.message(this, QStringLiteral("Done"), core::kAppTitle, PromptIcon::None,
                     PromptButtons::Ok);
}

} // namespace editor
