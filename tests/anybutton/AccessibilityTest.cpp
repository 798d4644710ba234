#include "anybutton/AnyButton.h"
#include "anybutton/properties/SimpleContainer.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

using namespace anybutton;

namespace {

QAccessibleInterface* accessibleOf(AnyButton* button) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(button);
    EXPECT_NE(a, nullptr);
    return a;
}

AnyButton* captioned(SimpleContainer& site, QWidget& window, const QString& caption) {
    PropertyBag bag;
    bag.set(QStringLiteral("Caption"), PropertyValue::string(caption));
    return AnyButton::load(site, bag, &window);
}

} // namespace

TEST(AnyButtonAccessibility, IsAPushButtonNamedByItsCaptionWithoutMarkers) {
    struct Case {
        const char* caption;
        const char* name;
        const char* accelerator;
    };
    const Case cases[] = {{"&Open", "Open", "Alt+O"},
                          {"R&&D", "R&D", ""},
                          {"A && &B", "A & B", "Alt+B"},
                          {"Plain", "Plain", ""}};
    SimpleContainer site;
    QWidget window;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        QAccessibleInterface* a = accessibleOf(captioned(site, window, c.caption));
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->role(), QAccessible::Button);
        EXPECT_EQ(a->text(QAccessible::Name), QString::fromLatin1(c.name));
        EXPECT_EQ(a->text(QAccessible::Accelerator), QString::fromLatin1(c.accelerator));
    }
    AnyButton* renamed = captioned(site, window, QStringLiteral("&Open"));
    renamed->setCaption(QStringLiteral("&Close"));
    EXPECT_EQ(accessibleOf(renamed)->text(QAccessible::Name), "Close");
}

TEST(AnyButtonAccessibility, PressActionClicksOnceWithAMouseClicksEventsInOrder) {
    SimpleContainer site;
    QWidget window;
    AnyButton* button = captioned(site, window, QStringLiteral("&Open"));
    QStringList log;
    QObject::connect(button, &AnyButton::MouseDown, [&](qint16 b, qint16 s, float x, float y) {
        log << QString("MouseDown %1 %2 %3 %4").arg(b).arg(s).arg(x).arg(y);
    });
    QObject::connect(button, &AnyButton::Click, [&] { log << "Click"; });
    QObject::connect(button, &AnyButton::MouseUp, [&](qint16 b, qint16 s, float x, float y) {
        log << QString("MouseUp %1 %2 %3 %4").arg(b).arg(s).arg(x).arg(y);
    });

    QAccessibleActionInterface* action = accessibleOf(button)->actionInterface();
    ASSERT_NE(action, nullptr);
    EXPECT_TRUE(action->actionNames().contains(QAccessibleActionInterface::pressAction()));
    EXPECT_EQ(action->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
              QStringList{"Alt+O"});
    action->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(log, (QStringList{"MouseDown 1 0 0 0", "Click", "MouseUp 1 0 0 0"}));
    EXPECT_EQ(button->control().state().g_IsPressed, 0);

    log.clear();
    button->setEnabled(false);
    action->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(log.isEmpty());
}

TEST(AnyButtonAccessibility, StatesFollowEnabledFocusAndPress) {
    SimpleContainer site;
    QWidget window;
    window.resize(200, 100);
    AnyButton* other = captioned(site, window, QStringLiteral("Other"));
    AnyButton* button = captioned(site, window, QStringLiteral("&Open"));
    button->setGeometry(10, 10, 100, 40);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::setActiveWindow(&window);
    other->setFocus();
    QAccessibleInterface* a = accessibleOf(button);

    QAccessible::State st = a->state();
    EXPECT_FALSE(st.disabled);
    EXPECT_TRUE(st.focusable);
    EXPECT_FALSE(st.focused);
    EXPECT_FALSE(st.pressed);

    button->setFocus();
    EXPECT_TRUE(a->state().focused);
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_TRUE(a->state().pressed);
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_FALSE(a->state().pressed);

    button->setEnabled(false);
    EXPECT_TRUE(a->state().disabled);
    button->setEnabled(true);
    EXPECT_FALSE(a->state().disabled);
}
