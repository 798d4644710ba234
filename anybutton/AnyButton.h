#pragma once

#include "anybutton/AnyButtonControl.h"
#include "anybutton/ButtonSurface.h"

#include <QImage>
#include <QWidget>

namespace anybutton {

// The owner-drawn button as a widget: shows the control's back image and
// applies the rounded style's region as its mask. All state and painting live
// in AnyButtonControl (control()); this class only connects it to Qt.
//
//   auto* b = AnyButton::load(site, bag, parent); // site: this button's ContainerServices
//   b->control().setCaption(QStringLiteral("B"));
//   b->setEnabled(false);                           // the Enabled property
class AnyButton : public QWidget, private ButtonSurface {
    Q_OBJECT
public:
    explicit AnyButton(ContainerServices& container, QWidget* parent = nullptr);
    ~AnyButton() override;

    // Creates a button from its saved design through the load step, as every
    // button at run time is. The parent owns it. Throws PropertyError when a
    // stored value cannot be converted; no button is left behind then.
    static AnyButton* load(ContainerServices& site, const PropertyBag& design, QWidget* parent);

    AnyButtonControl& control() { return control_; }
    const AnyButtonControl& control() const { return control_; }

    // Shorthands for the properties windows use most.
    QString Caption() const { return control_.Caption(); }
    void setCaption(const QString& caption) { control_.setCaption(caption); }
    // The Enabled property (it notifies and repaints), hiding QWidget::setEnabled.
    void setEnabled(bool enabled) { control_.setEnabled(enabled); }

    QSize sizeHint() const override { return {100, 40}; }

signals:
    // Raised by the interaction layer.
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    double clientWidth() const override { return width(); }
    double clientHeight() const override { return height(); }
    void resizeSurface(int width, int height) override;
    void enabledChanged(bool enabled) override;
    void cursorChanged(std::int16_t pointer, const PictureRef& icon) override;
    void regionChanged(const std::optional<gdi::Region>& region) override;
    void imageChanged() override;
    void accessKeyChanged(QChar key) override;
    std::int32_t windowHandle() const override;

    AnyButtonControl control_;
    QImage shown_;
    bool syncingEnabled_ = false;
};

} // namespace anybutton
