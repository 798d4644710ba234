#include "anybutton/AnyButtonAccessible.h"

#include "anybutton/AnyButton.h"

#include <QKeySequence>

namespace anybutton {

namespace {

QAccessibleInterface* anyButtonFactory(const QString&, QObject* object) {
    auto* button = qobject_cast<AnyButton*>(object);
    // Qt's accessibility cache owns the interface and deletes it with the widget.
    return button ? new AnyButtonAccessible(button) : nullptr;
}

} // namespace

AnyButtonAccessible::AnyButtonAccessible(AnyButton* button)
    : QAccessibleWidget(button, QAccessible::Button) {}

void AnyButtonAccessible::install() {
    QAccessible::installFactory(anyButtonFactory);
}

QString AnyButtonAccessible::plainCaption(const QString& caption) {
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != u'&') {
            plain += caption[i];
        } else if (i + 1 < caption.size() && caption[i + 1] == u'&') {
            plain += u'&';
            ++i;
        }
    }
    return plain;
}

AnyButton* AnyButtonAccessible::button() const {
    return static_cast<AnyButton*>(widget());
}

QString AnyButtonAccessible::text(QAccessible::Text t) const {
    switch (t) {
    case QAccessible::Name:
        return plainCaption(button()->Caption());
    case QAccessible::Accelerator: {
        const QChar key = button()->control().state().surfaceAccessKey;
        return key.isNull() ? QString()
                            : QKeySequence(QKeyCombination(Qt::AltModifier,
                                                           Qt::Key(key.toUpper().unicode())))
                                  .toString(QKeySequence::NativeText);
    }
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State AnyButtonAccessible::state() const {
    // The base already reports disabled (from the widget's effective state),
    // focusable and focused.
    QAccessible::State st = QAccessibleWidget::state();
    st.pressed = button()->control().state().g_IsPressed == 1;
    // A button its container clips away entirely shows nothing, though it
    // is not hidden (the Tools panel's buttons below its edge).
    if (!st.invisible && button()->visibleRegion().isEmpty())
        st.offscreen = true;
    return st;
}

QStringList AnyButtonAccessible::actionNames() const {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void AnyButtonAccessible::doAction(const QString& actionName) {
    if (actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    // A disabled button takes no input of any kind, this included.
    if (button()->isEnabled())
        button()->interaction().PressAndRelease();
}

QStringList AnyButtonAccessible::keyBindingsForAction(const QString& actionName) const {
    if (actionName != pressAction())
        return QAccessibleWidget::keyBindingsForAction(actionName);
    const QString accelerator = text(QAccessible::Accelerator);
    return accelerator.isEmpty() ? QStringList{} : QStringList{accelerator};
}

} // namespace anybutton
