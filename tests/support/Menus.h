#pragma once

#include <QAction>
#include <QObject>

#include <gtest/gtest.h>

// A menu item of a window found by its name, as a user (or an accessibility
// tool) reaches it; triggering it runs the wiring as a click would.
inline QAction* menuItem(const QObject& window, const char* name) {
    auto* action = window.findChild<QAction*>(QLatin1String(name));
    EXPECT_NE(action, nullptr) << name;
    return action;
}

inline void trigger(const QObject& window, const char* name) {
    if (QAction* action = menuItem(window, name))
        action->trigger();
}
