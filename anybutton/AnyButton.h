#pragma once

#include "anybutton/control/AnyButtonControl.h"
#include "anybutton/control/ButtonSurface.h"
#include "anybutton/interaction/ButtonEvents.h"
#include "anybutton/interaction/ButtonInteraction.h"
#include "anybutton/interaction/HeldKeyRelease.h"
#include "anybutton/interaction/InteractionHost.h"
#include "platform/desktop/DesktopUrlOpener.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <memory>

class QShortcut;

namespace anybutton {

using platform::DesktopUrlOpener;
using platform::SoundPlayer;
using platform::UrlOpener;

// The owner-drawn button as a widget: shows the control's back image, applies
// the rounded style's region as its mask, and feeds its input to the
// interaction logic, whose events come out as the signals below. All state
// and painting live in AnyButtonControl (control()).
//
//   auto* b = AnyButton::load(site, bag, parent); // site: this button's ContainerServices
//   connect(b, &AnyButton::Click, window, &Window::save);
//   b->setEnabled(false);                          // the Enabled property
class AnyButton : public QWidget, private ButtonSurface, private InteractionHost {
    Q_OBJECT
public:
    // The hover timer's interval in milliseconds.
    static constexpr int kOverTimerInterval = 10;
    // How long a release of Space waits, in milliseconds, for the press that
    // would make it half of an auto-repeat pair (HeldKeyRelease).
    static constexpr int kReleaseDeferral = 50;

    explicit AnyButton(ContainerServices& container, QWidget* parent = nullptr);
    ~AnyButton() override;

    // Creates a button from its saved design through the load step, as every
    // button at run time is. The parent owns it. Throws PropertyError when a
    // stored value cannot be converted; no button is left behind then.
    static AnyButton* load(ContainerServices& site, const PropertyBag& design, QWidget* parent);

    AnyButtonControl& control() { return control_; }
    const AnyButtonControl& control() const { return control_; }
    ButtonInteraction& interaction() { return interaction_; }

    // Shorthands for the properties windows use most.
    QString Caption() const { return control_.Caption(); }
    void setCaption(const QString& caption) { control_.setCaption(caption); }
    // The Enabled property (it notifies and repaints), hiding QWidget::setEnabled.
    // isEnabled() stays the effective state: false too while an ancestor is
    // disabled, which leaves the property alone.
    void setEnabled(bool enabled) { control_.setEnabled(enabled); }
    void GoToURL() { interaction_.GoToURL(); }

    // Replaces the sound and address services (not owned; null restores the
    // defaults: one Qt Multimedia player per window, the desktop's handlers).
    void setSoundPlayer(SoundPlayer* player) { soundOverride_ = player; }
    void setUrlOpener(UrlOpener* opener) { urlOverride_ = opener; }

    // OverTimer; tests call tickOverTimer instead of waiting for it.
    const QTimer& overTimer() const { return overTimer_; }
    void tickOverTimer() { interaction_.OverTimerTick(); }
    // The deferral of a Space release; tests call endReleaseDeferral instead
    // of waiting for it.
    const QTimer& releaseTimer() const { return releaseTimer_; }
    void endReleaseDeferral() { handleHeldRelease(); }

    QSize sizeHint() const override { return {100, 40}; }

signals:
    void Click();
    void KeyDown(qint16 KeyCode, qint16 Shift);
    void KeyPress(qint16 KeyAscii);
    void KeyUp(qint16 KeyCode, qint16 Shift);
    void MouseDown(qint16 Button, qint16 Shift, float X, float Y);
    void MouseMove(qint16 Button, qint16 Shift, float X, float Y);
    void MouseUp(qint16 Button, qint16 Shift, float X, float Y);
    void MouseIn(qint16 Shift);
    void MouseOut(qint16 Shift);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // ButtonSurface
    double clientWidth() const override { return width(); }
    double clientHeight() const override { return height(); }
    void resizeSurface(int width, int height) override;
    void enabledChanged(bool enabled) override;
    void cursorChanged(std::int16_t pointer, const PictureRef& icon) override;
    void regionChanged(const std::optional<gdi::Region>& region) override;
    void imageChanged() override;
    void accessKeyChanged(QChar key) override;
    std::int32_t windowHandle() const override;

    // InteractionHost
    void startOverTimer() override { overTimer_.start(); }
    void stopOverTimer() override { overTimer_.stop(); }
    bool pointerOverOwnWindow() const override;
    void processPendingMessages() override;
    void capturePointer() override;
    SoundPlayer& sounds() override;
    UrlOpener& urls() override;

    void endCapture();
    // Handles a held Space release as the real one, before any later input.
    void handleHeldRelease();
    // The press of an access key that other shortcuts of the window share too.
    void clickSharedAccessKey();

    // Raises each event as the signal of the same name.
    class SignalEvents;

    AnyButtonControl control_;
    std::unique_ptr<SignalEvents> events_;
    ButtonInteraction interaction_;
    QTimer overTimer_;
    HeldKeyRelease heldRelease_;
    QTimer releaseTimer_;
    QShortcut* accessKey_;
    DesktopUrlOpener desktopUrls_;
    SoundPlayer* soundOverride_ = nullptr;
    UrlOpener* urlOverride_ = nullptr;
    QImage shown_;
    bool syncingEnabled_ = false;
    bool captured_ = false;
};

} // namespace anybutton
