#include "shell/StatusField.h"

#include <QEvent>

namespace shell {

StatusField::StatusField(QWidget* parent) : QLabel(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setContentsMargins(4, 0, 4, 0);
    setTextFormat(Qt::PlainText);
    setFixedSize(sizeHint());
}

void StatusField::showText(const QString& text) {
    if (text == this->text())
        return;
    setText(text);
    fit();
}

void StatusField::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    // Another font or style: the size is measured afresh.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        setFixedSize(sizeHint());
}

void StatusField::fit() {
    const QSize hint = sizeHint();
    const int slack = fontMetrics().horizontalAdvance(QStringLiteral("0000"));
    if (hint.width() > width() || hint.width() < width() - slack || hint.height() != height())
        setFixedSize(hint);
}

} // namespace shell
