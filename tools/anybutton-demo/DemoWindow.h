#pragma once

#include "anybutton/properties/PropertyBag.h"
#include "anybutton/properties/SimpleContainer.h"

#include <QImage>
#include <QWidget>

#include <memory>
#include <vector>

class QLabel;

namespace anybutton {
class AnyButton;
}

namespace demo {

// A window of buttons in every style with pictures on every side, one
// disabled column and transparent rows over the window's background
// picture; the last events show at the bottom.
class DemoWindow : public QWidget {
    Q_OBJECT
public:
    explicit DemoWindow(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    anybutton::AnyButton* addButton(const QString& name, const QRect& geometry,
                                    anybutton::PropertyBag bag);
    void logEvent(const QString& text);

    QImage background_;
    // One site per button: the button's place and the window's picture.
    std::vector<std::unique_ptr<anybutton::SimpleContainer>> sites_;
    QLabel* status_;
    QStringList events_;
};

} // namespace demo
