#include "editor/frmMain.h"

#include "core/AppIdentity.h"
#include "core/Twips.h"
#include "editor/PlacementMemory.h"
#include "editor/commands/CommandState.h"
#include "editor/document/DocumentReader.h"
#include "editor/document/DocumentWriter.h"
#include "editor/editing/DocumentMenus.h"
#include "editor/editing/SourceEditor.h"
#include "editor/editing/TabControl.h"
#include "platform/desktop/NormalSize.h"
#include "platform/prompts/Prompts.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QRadioButton>

namespace editor {

using platform::PromptAnswer;
using platform::PromptButtons;
using platform::PromptIcon;

namespace {

constexpr std::string_view kDefaultPage = "<!-- Feldt Ostra 1.1-->\r\n"
                                          "<html>\r\n"
                                          "<head>\r\n"
                                          "<title>Untitled</title>\r\n"
                                          "</head>\r\n"
                                          "<body>\r\n"
                                          "\r\n"
                                          "</body>\r\n"
                                          "</html>";

const QString kFileFilter =
    QStringLiteral("supported web documents (*.html *.xml *.htm *.asp *.css)");

// Design geometry in twips: left, top, width, height.
QRect twipsRect(int left, int top, int width, int height) {
    return {core::twipsToPixels(left), core::twipsToPixels(top), core::twipsToPixels(width),
            core::twipsToPixels(height)};
}

QFont verdana(qreal points, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

frmMain::frmMain(platform::Prompts& prompts, PlacementMemory& placement, QWidget* parent)
    : QWidget(parent), prompts_(prompts), placement_(placement),
      menus_(std::make_unique<DocumentMenus>(this)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Ostra Document"));
    setAcceptDrops(true);
    buildControls();
    connectMenus();
}

frmMain::~frmMain() = default;

void frmMain::buildControls() {
    XTab_ = new TabControl(this);
    XTab_->setObjectName(QStringLiteral("XTab"));
    XTab_->setGeometry(twipsRect(120, 120, 8295, 4815));

    coding_ = new SourceEditor(XTab_);
    coding_->setObjectName(QStringLiteral("coding"));
    coding_->setGeometry(twipsRect(120, 480, 8055, 4215));
    XTab_->addTab(QStringLiteral("Editing"), coding_);

    WB_ = new QWidget(XTab_);
    WB_->setObjectName(QStringLiteral("WB"));
    WB_->setGeometry(twipsRect(120, 480, 8055, 4215));
    XTab_->addTab(QStringLiteral("Preview"), WB_);

    Frame1_ = new QGroupBox(QStringLiteral("Tools"), this);
    Frame1_->setObjectName(QStringLiteral("Frame1"));
    Frame1_->setFont(verdana(8.25, true));
    Frame1_->setGeometry(twipsRect(8520, 120, 2535, 3735));

    picBottomBar_ = new QWidget(this);
    picBottomBar_->setObjectName(QStringLiteral("picBottomBar"));
    picBottomBar_->setGeometry(twipsRect(120, 5040, 8295, 495));
    picBottomBar_->setAutoFillBackground(true);
    QPalette barPalette = picBottomBar_->palette();
    barPalette.setColor(QPalette::Window, QColor(224, 224, 224));
    picBottomBar_->setPalette(barPalette);

    const std::array<const char*, 4> captions = {"HTML", "XML", "ASP", "CSS"};
    const std::array<int, 4> lefts = {120, 960, 1680, 2400};
    const std::array<int, 4> widths = {855, 735, 735, 735};
    for (size_t i = 0; i < Option1_.size(); ++i) {
        auto* option = new QRadioButton(QLatin1String(captions[i]), picBottomBar_);
        option->setObjectName(QStringLiteral("Option1_%1").arg(i));
        option->setFont(verdana(8.25, false));
        option->setGeometry(twipsRect(lefts[i], 120, widths[i], 255));
        Option1_[i] = option;
    }
    Option1_[0]->setChecked(true);

    filedisplay_ = new QLabel(picBottomBar_);
    filedisplay_->setObjectName(QStringLiteral("filedisplay"));
    filedisplay_->setGeometry(twipsRect(2640, 120, 45, 195));

    Label1_ = new QLabel(QStringLiteral("-"), picBottomBar_);
    Label1_->setObjectName(QStringLiteral("Label1_1"));
    Label1_->setGeometry(twipsRect(0, 0, 135, 135));

    Label1_->installEventFilter(this);

    connect(coding_, &QsciScintilla::textChanged, this, [this] { isSaved_ = false; });
    connect(coding_, &QsciScintilla::selectionChanged, this, &frmMain::refreshCommandState);
    connect(coding_, &SourceEditor::rightButtonReleased, this, &frmMain::coding_MouseUp);
    connect(coding_, &SourceEditor::filesDropped, this, &frmMain::coding_FilesDropped);
    for (QRadioButton* option : Option1_)
        connect(option, &QRadioButton::clicked, this, &frmMain::refreshCommandState);
}

void frmMain::connectMenus() {
    const DocumentMenus& m = *menus_;
    // Registered on the window as well, so the shortcuts work wherever the menus are shown.
    addActions(m.shortcutActions());
    QList<QKeySequence> keys;
    for (const QAction* action : m.shortcutActions())
        keys.append(action->shortcuts());
    coding_->releaseKeys(keys);

    connect(m.mnuNew, &QAction::triggered, this, &frmMain::mnuNew_Click);
    connect(m.mnuOpen, &QAction::triggered, this, &frmMain::mnuOpen_Click);
    connect(m.mnuSave, &QAction::triggered, this, &frmMain::mnuSave_Click);
    connect(m.mnuSaveAs, &QAction::triggered, this, &frmMain::mnuSaveAs_Click);
    connect(m.mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
    connect(m.mnuAbout, &QAction::triggered, this, &frmMain::aboutRequested);

    connect(m.mnuCut, &QAction::triggered, this, &frmMain::mnuCut_Click);
    connect(m.mnuCopy, &QAction::triggered, this, &frmMain::mnuCopy_Click);
    connect(m.mnuPaste, &QAction::triggered, this, &frmMain::mnuPaste_Click);
    connect(m.mnuSelectAll, &QAction::triggered, this, &frmMain::mnuSelectAll_Click);
    // A checkable item has already flipped its mark when `triggered` arrives.
    connect(m.mnuTools, &QAction::triggered, this, [this](bool checked) { toggleTools(!checked); });
    connect(m.mnuBottomBar, &QAction::triggered, this,
            [this](bool checked) { toggleBottomBar(!checked); });

    // The context menu's items only forward to their main-menu twins.
    connect(m.mnu_cut, &QAction::triggered, this, &frmMain::mnuCut_Click);
    connect(m.mnu_Copy, &QAction::triggered, this, &frmMain::mnuCopy_Click);
    connect(m.mnu_Paste, &QAction::triggered, this, &frmMain::mnuPaste_Click);
    connect(m.mnu_Tools, &QAction::triggered, this,
            [this] { toggleTools(menus_->mnuTools->isChecked()); });
    connect(m.mnu_BottomBar, &QAction::triggered, this,
            [this] { toggleBottomBar(menus_->mnuBottomBar->isChecked()); });
}

QWidget* frmMain::outerWindow() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        return sub;
    return this;
}

core::DocumentType frmMain::DocumentType() const {
    for (size_t i = 0; i < Option1_.size(); ++i) {
        if (Option1_[i]->isChecked())
            return static_cast<core::DocumentType>(i);
    }
    return core::DocumentType::HTML;
}

void frmMain::create(const QString& commandLine) {
    loadStep();
    if (!commandLine.isEmpty())
        OpenFile(QString(commandLine).remove(QLatin1Char('"')));
    platform::resizeNormal(*outerWindow(),
                           QSize(core::twipsToPixels(10000), core::twipsToPixels(7000)));
    runLayout();
    refreshCommandState();
}

void frmMain::loadStep() {
    if (QWidget* frame = window(); frame != this)
        frame->setWindowTitle(core::kAppTitle);
    isSaved_ = true;
    currentFile_.clear();
    setWindowTitle(QStringLiteral("Ostra Document"));
    refreshCommandState();
    placement_.RestorePlacement(*outerWindow(), *this);

    encoding_ = TextEncoding::Utf8;
    lineEnd_ = LineEnd::CrLf;
    coding_->setLineEnd(lineEnd_);
    coding_->replaceText(kDefaultPage);
    coding_->SendScintilla(QsciScintilla::SCI_EMPTYUNDOBUFFER);
    // The default page is unsaved but untouched: Open may replace it without asking.
    coding_->setModified(false);
    Option1_[0]->setChecked(true);
    // Keys typed as soon as the window appears go into the text.
    coding_->setFocus();
}

bool frmMain::OpenFile(const QString& path) {
    DocumentReader reader(path);
    if (!reader.probe()) {
        showError(reader.errorMessage());
        return false;
    }
    if (reader.info().hasNul) {
        const PromptAnswer answer = prompts_.message(
            this,
            tr("\u201c%1\u201d holds NUL bytes and may not be a text file. Open it anyway? "
               "Saving it unchanged writes the same bytes back.")
                .arg(path),
            core::kAppTitle, PromptIcon::Warning, PromptButtons::YesNo);
        if (answer != PromptAnswer::Yes)
            return false;
    }
    if (!coding_->loadFrom(reader)) {
        showError(reader.errorMessage());
        return false;
    }
    currentFile_ = path;
    isSaved_ = true;
    refreshCommandState();
    encoding_ = reader.info().encoding;
    lineEnd_ = reader.info().lineEnd;
    coding_->setLineEnd(lineEnd_);
    coding_->moveCaretToStart();
    coding_->setModified(false);
    coding_->setFocus();
    return true;
}

bool frmMain::SaveFile(const QString& path) {
    const WriteResult result = writeDocument(path, coding_->textBytes(), encoding_);
    if (!result.ok) {
        showError(result.errorMessage);
        return false;
    }
    encoding_ = result.encoding;
    currentFile_ = path;
    isSaved_ = true;
    refreshCommandState();
    coding_->moveCaretToStart();
    coding_->setModified(false);
    return true;
}

void frmMain::mnuNew_Click() {
    prompts_.message(this, QStringLiteral("Close this windows before continuing"),
                     QStringLiteral("Feldt Ostra"), PromptIcon::Critical, PromptButtons::Ok);
}

void frmMain::mnuOpen_Click() {
    if (coding_->isModified() && !settleUnsavedChanges())
        return;
    const QString path = ShowFileDialog(1);
    if (!path.isEmpty())
        OpenFile(path);
}

void frmMain::mnuSave_Click() {
    save();
}

bool frmMain::save() {
    if (!currentFile_.isEmpty())
        return SaveFile(currentFile_);
    return saveAs();
}

void frmMain::mnuSaveAs_Click() {
    saveAs();
}

bool frmMain::saveAs() {
    const QString path = ShowFileDialog(2);
    return !path.isEmpty() && SaveFile(path);
}

void frmMain::mnuExit_Click() {
    placement_.SavePlacement(*outerWindow());
    outerWindow()->close();
}

bool frmMain::settleUnsavedChanges() {
    const PromptAnswer answer = prompts_.message(
        this, QStringLiteral("You did not save your file. Do you want to save the page?"),
        QStringLiteral("New Document"), PromptIcon::None, PromptButtons::YesNoCancel);
    switch (answer) {
    case PromptAnswer::Yes:
        // A save that did not happen keeps the document: nothing is thrown away.
        return save();
    case PromptAnswer::No:
        return true;
    default:
        return false;
    }
}

QString frmMain::ShowFileDialog(int mode) {
    const QString path = mode == 1 ? prompts_.openFileName(this, lastDialogPath_, kFileFilter)
                                   : prompts_.saveFileName(this, lastDialogPath_, kFileFilter);
    if (!path.isEmpty())
        lastDialogPath_ = path;
    return path;
}

void frmMain::showError(const QString& message) {
    prompts_.message(this, message, core::kAppTitle, PromptIcon::Critical, PromptButtons::Ok);
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (!isSaved_ && !settleUnsavedChanges()) {
        event->ignore();
        return;
    }
    placement_.SavePlacement(*outerWindow());
    event->accept();
}

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    prompts_.message(this, QStringLiteral("Done"), core::kAppTitle, PromptIcon::None,
                     PromptButtons::Ok);
}

} // namespace editor

namespace editor {

void frmMain::mnuCut_Click() {
    const std::string_view selection = coding_->selectedBytes();
    QApplication::clipboard()->setText(
        QString::fromUtf8(selection.data(), static_cast<qsizetype>(selection.size())));
    coding_->replaceSelection({});
}

void frmMain::mnuCopy_Click() {
    const std::string_view selection = coding_->selectedBytes();
    QApplication::clipboard()->setText(
        QString::fromUtf8(selection.data(), static_cast<qsizetype>(selection.size())));
}

void frmMain::mnuPaste_Click() {
    const QByteArray text = QApplication::clipboard()->text().toUtf8();
    coding_->replaceSelection(std::string_view(text.constData(), static_cast<size_t>(text.size())));
}

void frmMain::mnuSelectAll_Click() {
    coding_->setFocus();
    coding_->setSelection(0, coding_->textLength());
}

void frmMain::toggleTools(bool wasChecked) {
    Frame1_->setVisible(!wasChecked);
    menus_->mnuTools->setChecked(!wasChecked);
    runLayout();
    refreshCommandState();
}

void frmMain::toggleBottomBar(bool wasChecked) {
    picBottomBar_->setVisible(!wasChecked);
    menus_->mnuBottomBar->setChecked(!wasChecked);
    runLayout();
    refreshCommandState();
}

void frmMain::Label1_Click() {
    // Hides the bar but leaves the layout alone until the next resize or toggle.
    picBottomBar_->hide();
    refreshCommandState();
}

void frmMain::coding_MouseUp(const QPoint& globalPos) {
    menus_->mnupopup->popup(globalPos);
}

void frmMain::coding_FilesDropped(const QStringList& paths) {
    if (paths.size() > 1) {
        prompts_.message(this,
                         QStringLiteral("You do have more than 1 files. dropped. Feldt Ostra "
                                        "will use the last file in the list"),
                         core::kAppTitle, PromptIcon::None, PromptButtons::Ok);
    }
    if (coding_->isModified() && !settleUnsavedChanges())
        return;
    OpenFile(paths.last());
}

void frmMain::runLayout() {
    const QWidget* outer = outerWindow();
    runPanelLayout(*this, outer->width() * core::kTwipsPerPixel,
                   outer->height() * core::kTwipsPerPixel);
}

void frmMain::refreshCommandState() {
    const DocumentMenus& m = *menus_;
    CommandInputs in;
    in.currentFile = currentFile_;
    in.barVisible = !picBottomBar_->isHidden();
    in.option = DocumentType();
    in.selectionEmpty = !coding_->hasSelectedText();
    in.toolsChecked = m.mnuTools->isChecked();
    in.pasteEnabled = m.mnuPaste->isEnabled();
    in.toolsEnabled = m.mnuTools->isEnabled();
    in.barEnabled = m.mnuBottomBar->isEnabled();
    const CommandState s = computeCommandState(in);

    m.mnuBottomBar->setChecked(s.barChecked);
    if (s.caption)
        setWindowTitle(*s.caption);
    if (s.option)
        Option1_[static_cast<size_t>(*s.option)]->setChecked(true);
    m.mnuViewPage->setEnabled(s.previewEnabled);
    m.mnuCut->setEnabled(s.cutEnabled);
    m.mnuCopy->setEnabled(s.copyEnabled);
    m.mnu_cut->setEnabled(s.cutEnabled);
    m.mnu_Copy->setEnabled(s.copyEnabled);
    m.mnu_Paste->setEnabled(s.pasteTwinEnabled);
    m.mnu_Tools->setEnabled(s.toolsTwinEnabled);
    m.mnu_BottomBar->setEnabled(s.barTwinEnabled);
    m.mnu_Tools->setChecked(s.toolsTwinChecked);
    m.mnu_BottomBar->setChecked(s.barTwinChecked);
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    runLayout();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label1_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
        Label1_->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
        Label1_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool frmMain::toolsShown() const {
    return !Frame1_->isHidden();
}

bool frmMain::barShown() const {
    return !picBottomBar_->isHidden();
}

int frmMain::get(LayoutProperty property) const {
    switch (property) {
    case LayoutProperty::TabWidth:
        return XTab_->width() * core::kTwipsPerPixel;
    case LayoutProperty::TabHeight:
        return XTab_->height() * core::kTwipsPerPixel;
    case LayoutProperty::FrameLeft:
        return Frame1_->x() * core::kTwipsPerPixel;
    case LayoutProperty::CodingWidth:
        return coding_->width() * core::kTwipsPerPixel;
    case LayoutProperty::CodingHeight:
        return coding_->height() * core::kTwipsPerPixel;
    case LayoutProperty::BrowserWidth:
        return WB_->width() * core::kTwipsPerPixel;
    case LayoutProperty::BrowserHeight:
        return WB_->height() * core::kTwipsPerPixel;
    case LayoutProperty::BarTop:
        return picBottomBar_->y() * core::kTwipsPerPixel;
    case LayoutProperty::BarWidth:
        return picBottomBar_->width() * core::kTwipsPerPixel;
    }
    return 0;
}

bool frmMain::set(LayoutProperty property, int twips) {
    const int px = twips / core::kTwipsPerPixel;
    auto size = [px](QWidget* w, bool width) {
        // A control refuses a negative size, as while the window is minimised.
        if (px < 0)
            return false;
        w->resize(width ? px : w->width(), width ? w->height() : px);
        return true;
    };
    switch (property) {
    case LayoutProperty::TabWidth:
        return size(XTab_, true);
    case LayoutProperty::TabHeight:
        return size(XTab_, false);
    case LayoutProperty::FrameLeft:
        Frame1_->move(px, Frame1_->y());
        return true;
    case LayoutProperty::CodingWidth:
        return size(coding_, true);
    case LayoutProperty::CodingHeight:
        return size(coding_, false);
    case LayoutProperty::BrowserWidth:
        return size(WB_, true);
    case LayoutProperty::BrowserHeight:
        return size(WB_, false);
    case LayoutProperty::BarTop:
        picBottomBar_->move(picBottomBar_->x(), px);
        return true;
    case LayoutProperty::BarWidth:
        return size(picBottomBar_, true);
    }
    return false;
}

} // namespace editor
