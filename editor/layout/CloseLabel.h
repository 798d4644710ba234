#pragma once

#include <QLabel>
#include <QMouseEvent>

namespace editor {

// The bottom bar's "-" label: a left-button release over it is a click.
class CloseLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            emit clicked();
        QLabel::mouseReleaseEvent(event);
    }
};

} // namespace editor
