#include "editor/layout/KeyboardPath.h"

#include "editor/editing/TabControl.h"
#include "editor/layout/ArrowNeighbour.h"

#include <QApplication>
#include <QKeyEvent>
#include <QRadioButton>
#include <QShortcut>
#include <QTabBar>

#include <algorithm>

namespace editor {

namespace {

enum Pane { Tabs, Tools, Bar, kPanes };

std::optional<ArrowDirection> arrow(int key) {
    switch (key) {
    case Qt::Key_Left:
        return ArrowDirection::Left;
    case Qt::Key_Right:
        return ArrowDirection::Right;
    case Qt::Key_Up:
        return ArrowDirection::Up;
    case Qt::Key_Down:
        return ArrowDirection::Down;
    default:
        return std::nullopt;
    }
}

QShortcut* shortcut(QWidget& window, QList<QKeySequence> keys) {
    auto* s = new QShortcut(&window);
    s->setKeys(keys);
    // Wherever the focus is inside the window, and only there.
    s->setContext(Qt::WidgetWithChildrenShortcut);
    return s;
}

} // namespace

KeyboardPath::KeyboardPath(QWidget& window, Controls controls, std::function<void(bool)> step)
    : QObject(&window), window_(window), c_(std::move(controls)), step_(std::move(step)) {
    std::vector<QWidget*> order{c_.XTab->tabBar(), c_.coding};
    order.insert(order.end(), c_.tools.begin(), c_.tools.end());
    order.insert(order.end(), c_.Option1.begin(), c_.Option1.end());
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);

    // The editor takes no Ctrl+Tab of its own, so these reach the window.
    // Qt reports Shift+Tab as Backtab, with or without Shift among the modifiers.
    connect(shortcut(window, {QKeySequence(Qt::CTRL | Qt::Key_Tab)}), &QShortcut::activated, this,
            [this] { step_(true); });
    connect(shortcut(window, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                              QKeySequence(Qt::CTRL | Qt::Key_Backtab),
                              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)}),
            &QShortcut::activated, this, [this] { step_(false); });
    connect(shortcut(window, {QKeySequence(Qt::Key_F6)}), &QShortcut::activated, this,
            [this] { nextPane(true); });
    connect(shortcut(window, {QKeySequence(Qt::SHIFT | Qt::Key_F6)}), &QShortcut::activated, this,
            [this] { nextPane(false); });
    // The buttons pass on the keys they do not take.
    c_.Frame1->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (std::find(c_.tools.begin(), c_.tools.end(), now) != c_.tools.end())
            lastTool_ = now;
    });
}

int KeyboardPath::paneOf(const QWidget* widget) const {
    for (const auto& [pane, area] :
         {std::pair{Tabs, static_cast<QWidget*>(c_.XTab)}, std::pair{Tools, c_.Frame1},
          std::pair{Bar, c_.picBottomBar}}) {
        if (widget && (widget == area || area->isAncestorOf(widget)))
            return pane;
    }
    return -1;
}

QWidget* KeyboardPath::entryOf(int pane) const {
    switch (pane) {
    case Tabs: {
        // The page when it takes the keyboard (the editor), else the strip.
        QWidget* page = c_.XTab->currentPage();
        QWidget* inside = page ? page->focusWidget() : nullptr;
        if (page && page->focusPolicy() & Qt::TabFocus)
            return page;
        return inside && inside->isVisible() ? inside : c_.XTab->tabBar();
    }
    case Tools:
        if (c_.Frame1->isHidden() || c_.tools.empty())
            return nullptr;
        return lastTool_ ? lastTool_.data() : c_.tools.front();
    case Bar:
        if (c_.picBottomBar->isHidden())
            return nullptr;
        for (QRadioButton* option : c_.Option1) {
            if (option->isChecked())
                return option;
        }
        return c_.Option1.front();
    default:
        return nullptr;
    }
}

void KeyboardPath::nextPane(bool forward) {
    const int from = paneOf(QApplication::focusWidget());
    // From outside every pane, forward starts at the first, back at the last.
    int pane = from < 0 ? (forward ? kPanes - 1 : 0) : from;
    for (int i = 0; i < kPanes; ++i) {
        pane = (pane + (forward ? 1 : kPanes - 1)) % kPanes;
        if (QWidget* entry = entryOf(pane)) {
            // As Tab would: the control shows that it has the focus.
            entry->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

bool KeyboardPath::moveAmongTools(int key) {
    const auto direction = arrow(key);
    const auto at = std::find(c_.tools.begin(), c_.tools.end(), QApplication::focusWidget());
    if (!direction || at == c_.tools.end())
        return false;
    std::vector<QRect> places;
    for (const QWidget* tool : c_.tools)
        places.push_back(tool->geometry());
    const auto to =
        neighbourTowards(places, static_cast<std::size_t>(at - c_.tools.begin()), *direction);
    if (to) {
        const bool back = *direction == ArrowDirection::Left || *direction == ArrowDirection::Up;
        c_.tools[*to]->setFocus(back ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    }
    return true; // at the edge the focus stays
}

bool KeyboardPath::eventFilter(QObject* watched, QEvent* event) {
    if (watched == c_.Frame1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!(key->modifiers() & ~Qt::KeypadModifier) && moveAmongTools(key->key()))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace editor
