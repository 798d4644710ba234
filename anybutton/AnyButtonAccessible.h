#pragma once

#include <QAccessibleWidget>
#include <QString>

namespace anybutton {

class AnyButton;

// What assistive technology sees of a button: a push button named by its
// caption, with a press action that clicks it as the mouse does, and its
// enabled, focus and pressed states.
class AnyButtonAccessible : public QAccessibleWidget {
public:
    explicit AnyButtonAccessible(AnyButton* button);

    // Adds the factory that gives every AnyButton this interface. Qt keeps one
    // entry per factory, so calling it again changes nothing.
    static void install();

    // The caption as read aloud: "&" markers dropped, "&&" read as one "&".
    static QString plainCaption(const QString& caption);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    AnyButton* button() const;
};

} // namespace anybutton
