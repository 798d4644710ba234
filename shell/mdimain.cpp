#include "shell/mdimain.h"

#include "core/AppIdentity.h"
#include "core/Twips.h"
#include "editor/commands/DocumentMenus.h"
#include "editor/editing/EditorView.h"
#include "editor/editing/SourceEditor.h"
#include "editor/frmMain.h"
#include "platform/desktop/KeyStates.h"
#include "platform/desktop/NormalSize.h"
#include "platform/system/MinuteClock.h"
#include "shell/ProgramIcon.h"
#include "shell/StatusField.h"
#include "shell/frmAbout.h"
#include "shell/placement/WindowPlacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QWindow>

namespace shell {

namespace {

enum Panel { Text, Num, Caps, Ins, Scrl, Date, Time };

void showKeyState(QLabel* panel, std::optional<bool> on) {
    // Lit when on; greyed when off or when the platform cannot tell.
    panel->setEnabled(on.value_or(false));
}

} // namespace

mdimain::mdimain(platform::Prompts& prompts, platform::SettingsStore& settings, QString commandLine,
                 QWidget* parent)
    : QMainWindow(parent), prompts_(prompts), settings_(settings),
      commandLine_(std::move(commandLine)),
      placement_(std::make_unique<WindowPlacement>(settings, QStringLiteral("mdiSettings"))),
      documentPlacement_(std::make_unique<WindowPlacement>(settings, QStringLiteral("Settings"))),
      area_(new QMdiArea(this)), mnuFile_(new QMenu(QStringLiteral("&File"), this)),
      mnuHelp_(new QMenu(QStringLiteral("&Help"), this)), clock_(new platform::MinuteClock(this)) {
    setObjectName(QStringLiteral("mdimain"));
    setWindowIcon(programIcon());
    area_->setObjectName(QStringLiteral("mdiArea"));
    // QMdiArea's own background is the palette's workspace (Dark) colour.
    setCentralWidget(area_);
    // On a small screen the document window can be larger than the frame's
    // client area; scroll bars keep all of it reachable.
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    mnuFile_->setObjectName(QStringLiteral("mnuFile"));
    mnuHelp_->setObjectName(QStringLiteral("mnuHelp"));
    QAction* mnuNew = mnuFile_->addAction(QStringLiteral("&New"));
    mnuNew->setObjectName(QStringLiteral("mnuNew"));
    QAction* mnuAbout = mnuHelp_->addAction(QStringLiteral("&About Ostra..."));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
    connect(mnuNew, &QAction::triggered, this, &mdimain::mnuNew_Click);
    connect(mnuAbout, &QAction::triggered, this, &mdimain::aboutRequested);
    // Both Help menus, the frame's and the document window's, open the same box.
    connect(this, &mdimain::aboutRequested, this, &frmAbout::showModal);
    showFrameMenus();
    // F10 opens the menu bar at its first menu, as on the desktops around us.
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, [this] {
        for (QAction* menu : menuBar()->actions()) {
            if (menu->isVisible() && menu->isEnabled())
                return menuBar()->setActiveAction(menu);
        }
    });

    buildStatusBar();

    // Set-up: placement, the design size, then placement again when loaded.
    const QWidget& inner = *this;
    placement_->RestorePlacement(*this, inner);
    platform::resizeNormal(*this, QSize(core::twipsToPixels(11000), core::twipsToPixels(9000)));
}

mdimain::~mdimain() {
    placement_->SavePlacement(*this);
    qApp->removeEventFilter(this);
}

bool mdimain::isDocumentOpen() const {
    return subWindow_ && !subWindow_->isHidden();
}

void mdimain::showDocumentWindow() {
    if (!loaded_) {
        loaded_ = true;
        placement_->RestorePlacement(*this, *this);
        const bool startMinimized = isMinimized();
        show();
        // A window manager takes a minimise request only for a window it has
        // mapped; one sent with the first showing is lost (the frame would
        // start normal). So minimise once the frame is on the screen.
        if (startMinimized && windowHandle()) {
            minimizeWhenExposed_ = true;
            windowHandle()->installEventFilter(this);
        }
    }
    if (!document_) {
        document_ = new editor::frmMain(prompts_, *documentPlacement_);
        document_->setPreviewServices(previewServices_);
        if (recoveryStore_)
            document_->setRecovery(*recoveryStore_);
        subWindow_ = area_->addSubWindow(document_);
        subWindow_->setAttribute(Qt::WA_DeleteOnClose, false);
        subWindow_->setObjectName(QStringLiteral("frmMainWindow"));
        subWindow_->setWindowIcon(windowIcon());
        connect(document_, &editor::frmMain::aboutRequested, this, &mdimain::aboutRequested);
        connect(document_, &editor::frmMain::statusChanged, position_, &StatusField::showText);
        position_->showText(document_->view().statusText());
        subWindow_->installEventFilter(this);
        area_->viewport()->installEventFilter(this);
        document_->create(commandLine_);
    } else if (!isDocumentOpen()) {
        document_->loadStep();
        document_->show();
    }
    subWindow_->show();
    subWindow_->raise();
    area_->setActiveSubWindow(subWindow_);
    // The window manager frames the frame a moment later, and the client area
    // shrinks by its title bar: until the user's first input, the document
    // window is kept inside whatever area the frame settles on.
    fitDocumentUntilInput_ = true;
    fitDocumentWindow();
    updateMenus();
    // Insert is the document's own state.
    refreshStatusBar();
}

void mdimain::fitDocumentWindow() {
    if (isDocumentOpen())
        documentPlacement_->keepInside(*subWindow_);
}

void mdimain::mnuNew_Click() {
    showDocumentWindow();
}

void mdimain::closeEvent(QCloseEvent* event) {
    placement_->SavePlacement(*this);
    if (isDocumentOpen() && !subWindow_->close()) {
        event->ignore();
        return;
    }
    placement_->SavePlacement(*this);
    event->accept();
}

bool mdimain::eventFilter(QObject* watched, QEvent* event) {
    if (minimizeWhenExposed_ && watched == windowHandle() && event->type() == QEvent::Expose &&
        windowHandle()->isExposed()) {
        minimizeWhenExposed_ = false;
        QTimer::singleShot(0, this,
                           [this] { setWindowState(windowState() | Qt::WindowMinimized); });
    }
    // Only a close hides the sub-window for good; minimising, maximising and
    // the frame's own minimise hide it for a moment, and the menus must stay.
    if (watched == subWindow_ && (event->type() == QEvent::Hide || event->type() == QEvent::Show))
        updateMenus();
    if (watched == area_->viewport() && event->type() == QEvent::Resize && fitDocumentUntilInput_)
        fitDocumentWindow();
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress)
        fitDocumentUntilInput_ = false;
    if (event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_NumLock || key == Qt::Key_CapsLock || key == Qt::Key_ScrollLock ||
            key == Qt::Key_Insert)
            refreshStatusBar();
    }
    return QMainWindow::eventFilter(watched, event);
}

void mdimain::updateMenus() {
    if (isDocumentOpen())
        showDocumentMenus();
    else
        showFrameMenus();
}

void mdimain::showFrameMenus() {
    if (showingDocumentMenus_ == std::optional<bool>(false))
        return;
    showingDocumentMenus_ = false;
    menuBar()->clear();
    menuBar()->addMenu(mnuFile_);
    menuBar()->addMenu(mnuHelp_);
}

void mdimain::showDocumentMenus() {
    if (showingDocumentMenus_ == std::optional<bool>(true))
        return;
    showingDocumentMenus_ = true;
    menuBar()->clear();
    // A hidden menu stays out of the bar: its access key would otherwise
    // clash with a shown one's ("&Projects" and "&Page").
    for (QMenu* menu : document_->menus().barMenus()) {
        if (menu->menuAction()->isVisible())
            menuBar()->addAction(menu->menuAction());
    }
}

void mdimain::buildStatusBar() {
    statusBar()->setObjectName(QStringLiteral("sbStatusBar"));
    const std::array<const char*, 7> texts = {"Ostra Ready", "NUM", "CAPS", "INS", "SCRL", "", ""};
    for (size_t i = 0; i < panels_.size(); ++i) {
        auto* panel = new QLabel(QLatin1String(texts[i]), statusBar());
        panel->setObjectName(QStringLiteral("sbStatusBar_%1").arg(i + 1));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setContentsMargins(4, 0, 4, 0);
        if (i == Text)
            statusBar()->addWidget(panel, 1);
        else
            statusBar()->addPermanentWidget(panel);
        panels_[i] = panel;
    }
    // After the frame's own seven: where the caret is in the document.
    position_ = new StatusField(statusBar());
    position_->setObjectName(QStringLiteral("sbStatusBar_8"));
    statusBar()->addPermanentWidget(position_);
    qApp->installEventFilter(this);
    // Hours and minutes in the user's own order and separators.
    timeFormat_ = QLocale::system().timeFormat(QLocale::ShortFormat);
    timeFormat_.remove(QRegularExpression(QStringLiteral("[:.]?s+")));
    // The clock shows minutes, so it wakes when the minute turns; the lock
    // keys change with key events here, or while another program has the
    // keys, so they are read again when the program is active again.
    connect(clock_, &platform::MinuteClock::turned, this, &mdimain::refreshStatusBar);
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive)
                    refreshStatusBar();
            });
    refreshStatusBar();
}

void mdimain::refreshStatusBar() {
    const QLocale locale = QLocale::system();
    const QDateTime now = QDateTime::currentDateTime();
    panels_[Date]->setText(locale.toString(now.date(), QLocale::ShortFormat));
    panels_[Time]->setText(locale.toString(now.time(), timeFormat_));
    // Insert is the editor's own toggle: lit unless the editor is in overtype.
    showKeyState(panels_[Ins], document_
                                   ? std::optional<bool>(!document_->coding()->overwriteMode())
                                   : std::nullopt);
    showKeyState(panels_[Num], platform::lockKeyState(platform::LockKey::NumLock));
    showKeyState(panels_[Caps], platform::lockKeyState(platform::LockKey::CapsLock));
    showKeyState(panels_[Scrl], platform::lockKeyState(platform::LockKey::ScrollLock));
}

} // namespace shell
