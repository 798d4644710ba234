#include "anybutton/AnyButton.h"

#include "anybutton/AnyButtonAccessible.h"
#include "anybutton/MousePointers.h"
#include "anybutton/interaction/InputCodes.h"
#include "core/text/AnsiText.h"
#include "platform/desktop/QtSoundPlayer.h"
#include "platform/gdi/objects/QtConversion.h"

#include <QAccessible>
#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QResizeEvent>
#include <QShortcut>

namespace anybutton {

using platform::QtSoundPlayer;

class AnyButton::SignalEvents : public ButtonEvents {
public:
    explicit SignalEvents(AnyButton& b) : b_(b) {}
    void Click() override { emit b_.Click(); }
    void KeyDown(std::int16_t k, std::int16_t s) override { emit b_.KeyDown(k, s); }
    void KeyPress(std::int16_t c) override { emit b_.KeyPress(c); }
    void KeyUp(std::int16_t k, std::int16_t s) override { emit b_.KeyUp(k, s); }
    void MouseDown(std::int16_t b, std::int16_t s, float x, float y) override {
        emit b_.MouseDown(b, s, x, y);
    }
    void MouseMove(std::int16_t b, std::int16_t s, float x, float y) override {
        emit b_.MouseMove(b, s, x, y);
    }
    void MouseUp(std::int16_t b, std::int16_t s, float x, float y) override {
        emit b_.MouseUp(b, s, x, y);
    }
    void MouseIn(std::int16_t s) override { emit b_.MouseIn(s); }
    void MouseOut(std::int16_t s) override { emit b_.MouseOut(s); }

private:
    AnyButton& b_;
};

namespace {

// The buttons the control knows: left, right and middle. Any other (Back,
// Forward) neither presses nor clicks the button; the event goes on to the window.
bool knownButton(const QMouseEvent* event) {
    return buttonBits(event->button()) != 0;
}

// Puts the accessibility factory in place before the base widget exists, so no
// query for this button, however early, finds a plain widget's interface.
QWidget* withAccessibility(QWidget* parent) {
    AnyButtonAccessible::install();
    return parent;
}

} // namespace

AnyButton::AnyButton(ContainerServices& container, QWidget* parent)
    : QWidget(withAccessibility(parent)),
      control_(container, this, gdi::SystemColors::fromPalette(palette())),
      events_(std::make_unique<SignalEvents>(*this)), interaction_(control_, *events_, *this),
      accessKey_(new QShortcut(this)) {
    setObjectName(container.ambientDisplayName());
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // Created inside a disabled window: disabled in effect from the start.
    control_.state().surfaceEnabled = isEnabled();
    overTimer_.setObjectName(QStringLiteral("OverTimer"));
    overTimer_.setInterval(kOverTimerInterval);
    connect(&overTimer_, &QTimer::timeout, this, [this] { interaction_.OverTimerTick(); });
    releaseTimer_.setSingleShot(true);
    releaseTimer_.setInterval(kReleaseDeferral);
    connect(&releaseTimer_, &QTimer::timeout, this, [this] { handleHeldRelease(); });
    accessKey_->setContext(Qt::WindowShortcut);
    connect(accessKey_, &QShortcut::activated, this, [this] { interaction_.AccessKeyPress(); });
    connect(accessKey_, &QShortcut::activatedAmbiguously, this, [this] { clickSharedAccessKey(); });
}

AnyButton::~AnyButton() = default;

AnyButton* AnyButton::load(ContainerServices& site, const PropertyBag& design, QWidget* parent) {
    auto button = std::make_unique<AnyButton>(site, parent);
    button->control_.ReadProperties(design);
    return button.release();
}

void AnyButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, shown_);
}

void AnyButton::resizeEvent(QResizeEvent* event) {
    control_.setClientSize(event->size().width(), event->size().height());
}

void AnyButton::changeEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::EnabledChange:
        if (syncingEnabled_)
            break;
        // Only the widget's own flag is the Enabled property: QWidget::setEnabled
        // through a base pointer still goes through it. A disabled ancestor
        // only disables the surface in effect, and its re-enabling restores it.
        if (const bool own = !testAttribute(Qt::WA_ForceDisabled); own != control_.Enabled())
            control_.setEnabled(own);
        else
            control_.setSurfaceEnabled(isEnabled());
        break;
    // The window's palette, font and style stand for the container's ambient values.
    case QEvent::PaletteChange:
        control_.setSystemColors(gdi::SystemColors::fromPalette(palette()));
        interaction_.AmbientChanged();
        break;
    case QEvent::FontChange:
    case QEvent::StyleChange:
        interaction_.AmbientChanged();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void AnyButton::mouseMoveEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    interaction_.MouseMove(buttonBits(event->buttons()), shiftState(event->modifiers()),
                           static_cast<float>(p.x()), static_cast<float>(p.y()));
}

void AnyButton::mousePressEvent(QMouseEvent* event) {
    if (!knownButton(event)) {
        event->ignore();
        return;
    }
    handleHeldRelease();
    const QPointF p = event->position();
    interaction_.MouseDown(buttonBits(event->button()), shiftState(event->modifiers()),
                           static_cast<float>(p.x()), static_cast<float>(p.y()));
}

void AnyButton::mouseReleaseEvent(QMouseEvent* event) {
    if (!knownButton(event)) {
        event->ignore();
        return;
    }
    handleHeldRelease();
    endCapture();
    const QPointF p = event->position();
    interaction_.MouseUp(buttonBits(event->button()), shiftState(event->modifiers()),
                         static_cast<float>(p.x()), static_cast<float>(p.y()));
}

void AnyButton::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!knownButton(event)) {
        event->ignore();
        return;
    }
    handleHeldRelease();
    interaction_.DblClick();
}

void AnyButton::keyPressEvent(QKeyEvent* event) {
    const std::int16_t key = virtualKeyCode(event->key());
    if (heldRelease_.continuesHold(key, event->timestamp(), event->isAutoRepeat()))
        releaseTimer_.stop(); // the key is still held: this press is a repeat
    else
        handleHeldRelease();
    interaction_.KeyDown(key, shiftState(event->modifiers()));
    if (!event->text().isEmpty())
        interaction_.KeyPress(core::toAnsiByte(event->text().at(0)));
    // Other keys go on to the window too (a dialog's Enter and Escape).
    if (key != ButtonInteraction::kSpace)
        event->ignore();
}

void AnyButton::keyReleaseEvent(QKeyEvent* event) {
    // Held keys repeat their press only; a repeated release is not a release.
    if (event->isAutoRepeat())
        return;
    handleHeldRelease();
    const std::int16_t key = virtualKeyCode(event->key());
    const std::int16_t shift = shiftState(event->modifiers());
    if (key == ButtonInteraction::kSpace) {
        // It may yet prove to be half of an auto-repeat pair.
        heldRelease_.hold({key, shift, event->timestamp()});
        releaseTimer_.start();
        return;
    }
    interaction_.KeyUp(key, shift);
    event->ignore();
}

void AnyButton::handleHeldRelease() {
    releaseTimer_.stop();
    if (const auto release = heldRelease_.take())
        interaction_.KeyUp(release->keyCode, release->shift);
}

void AnyButton::focusInEvent(QFocusEvent* event) {
    interaction_.EnterFocus();
    QWidget::focusInEvent(event);
}

void AnyButton::focusOutEvent(QFocusEvent* event) {
    handleHeldRelease();
    endCapture();
    interaction_.ExitFocus();
    QWidget::focusOutEvent(event);
}

void AnyButton::resizeSurface(int width, int height) {
    resize(width, height);
}

void AnyButton::enabledChanged(bool enabled) {
    syncingEnabled_ = true;
    QWidget::setEnabled(enabled);
    syncingEnabled_ = false;
    // An enabled button inside a disabled window still paints disabled.
    control_.setSurfaceEnabled(isEnabled());
}

void AnyButton::cursorChanged(std::int16_t pointer, const PictureRef& icon) {
    if (pointer == MousePointerCustom && icon.isHandCursor())
        setCursor(Qt::PointingHandCursor);
    else if (pointer == MousePointerCustom && !icon.image().isNull())
        setCursor(QCursor(QPixmap::fromImage(icon.image())));
    else if (const auto shape = stockPointer(pointer))
        setCursor(*shape);
    else
        unsetCursor();
}

void AnyButton::regionChanged(const std::optional<gdi::Region>& region) {
    // We choose: no region clears the mask. A button leaving the rounded style
    // is square again, rather than keeping the old region and its clipped corners.
    if (region)
        setMask(gdi::toQRegion(*region));
    else
        clearMask();
}

void AnyButton::imageChanged() {
    shown_ = gdi::toQImage(control_.backImage());
    update();
}

void AnyButton::accessKeyChanged(QChar key) {
    // Called on every caption change: the accessible name follows the caption.
    QAccessibleEvent nameChanged(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameChanged);
    // Alt with the key anywhere in the holding window.
    accessKey_->setKey(key.isNull() ? QKeySequence()
                                    : QKeySequence(QKeyCombination(
                                          Qt::AltModifier, Qt::Key(key.toUpper().unicode()))));
}

void AnyButton::clickSharedAccessKey() {
    // We choose: a key that several buttons of one window share clicks the
    // first of them in tab order that is visible and enabled, the same one on
    // every press, as a key that only one button holds would. Whichever of the
    // sharers Qt reports the press to, the choice is the same.
    const QChar key = control_.state().surfaceAccessKey;
    QWidget* top = window();
    for (QWidget* w = top->nextInFocusChain(); w != top; w = w->nextInFocusChain()) {
        auto* b = qobject_cast<AnyButton*>(w);
        if (b && b->window() == top && b->isVisible() && b->isEnabled() &&
            b->control_.state().surfaceAccessKey == key) {
            b->interaction_.AccessKeyPress();
            return;
        }
    }
}

std::int32_t AnyButton::windowHandle() const {
    return static_cast<std::int32_t>(effectiveWinId());
}

bool AnyButton::pointerOverOwnWindow() const {
    if (!isVisible() || !isEnabled())
        return false;
    return QApplication::widgetAt(QCursor::pos()) == this;
}

void AnyButton::processPendingMessages() {
    QCoreApplication::processEvents();
}

void AnyButton::capturePointer() {
    if (QWidget::mouseGrabber() == nullptr) {
        grabMouse();
        captured_ = true;
    }
}

void AnyButton::endCapture() {
    if (captured_) {
        captured_ = false;
        releaseMouse();
    }
}

SoundPlayer& AnyButton::sounds() {
    if (soundOverride_)
        return *soundOverride_;
    // One player per window: a new sound there cuts off the one playing.
    QWidget* top = window();
    auto* shared = top->findChild<QtSoundPlayer*>(QString(), Qt::FindDirectChildrenOnly);
    if (!shared)
        shared = new QtSoundPlayer(top);
    return *shared;
}

UrlOpener& AnyButton::urls() {
    return urlOverride_ ? *urlOverride_ : desktopUrls_;
}

} // namespace anybutton
