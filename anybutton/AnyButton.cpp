#include "anybutton/AnyButton.h"

#include "platform/gdi/QtConversion.h"

#include <QCursor>
#include <QEvent>
#include <QPainter>
#include <QPixmap>
#include <QResizeEvent>

#include <memory>

namespace anybutton {

AnyButton::AnyButton(ContainerServices& container, QWidget* parent)
    : QWidget(parent), control_(container, this, gdi::SystemColors::fromPalette(palette())) {
    setObjectName(container.ambientDisplayName());
    setAttribute(Qt::WA_OpaquePaintEvent);
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
    // QWidget::setEnabled called through a base pointer still goes through the
    // Enabled property, so the control's flag and the widget's agree.
    if (event->type() == QEvent::EnabledChange && !syncingEnabled_ &&
        isEnabled() != control_.Enabled())
        control_.setEnabled(isEnabled());
    if (event->type() == QEvent::PaletteChange)
        control_.setSystemColors(gdi::SystemColors::fromPalette(palette()));
    QWidget::changeEvent(event);
}

void AnyButton::resizeSurface(int width, int height) {
    resize(width, height);
}

void AnyButton::enabledChanged(bool enabled) {
    syncingEnabled_ = true;
    QWidget::setEnabled(enabled);
    syncingEnabled_ = false;
}

void AnyButton::cursorChanged(std::int16_t pointer, const PictureRef& icon) {
    if (pointer == 99 && icon.isHandCursor())
        setCursor(Qt::PointingHandCursor);
    else if (pointer == 99 && !icon.image().isNull())
        setCursor(QCursor(QPixmap::fromImage(icon.image())));
    else
        unsetCursor();
}

void AnyButton::regionChanged(const std::optional<gdi::Region>& region) {
    if (region)
        setMask(gdi::toQRegion(*region));
    else
        clearMask();
}

void AnyButton::imageChanged() {
    shown_ = gdi::toQImage(control_.backImage());
    update();
}

void AnyButton::accessKeyChanged(QChar) {
    // Access-key routing arrives with the interaction layer.
}

std::int32_t AnyButton::windowHandle() const {
    return static_cast<std::int32_t>(effectiveWinId());
}

} // namespace anybutton
