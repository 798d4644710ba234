#pragma once

#include <QKeyCombination>

#include <array>
#include <cstddef>

namespace editor {

enum class RowKind {
    Menu,      // a menu of the menu bar; the rows after it are its items
    Popup,     // the editor's context menu, never in the bar
    Item,      // a command
    Separator, // a line between items
    Twin,      // a context-menu item that runs and mirrors a main item
};

// When the command-state refresh enables an item. Always and Never: it
// leaves the item as its row made it.
enum class EnabledRule { Always, Never, WithSelection, WithPreview, WithUndo, WithRedo };

// Where an item's check mark comes from: its own toggle, or the bottom bar's
// real visibility.
enum class CheckRule { None, Toggle, BarShown };

// One menu, item or separator of the document window, declared once. The
// menu bar, the context menu's twins, the keys the editor gives up and the
// command state all follow from the rows.
struct MenuRow {
    RowKind kind = RowKind::Item;
    const char* name = "";
    const char* caption = "";
    std::array<QKeyCombination, 3> keys{};
    std::size_t keyCount = 0;
    EnabledRule enabled = EnabledRule::Always;
    CheckRule checked = CheckRule::None;
    bool checkedAtStart = true;
    bool hidden = false;
    const char* twinOf = nullptr; // for a Twin: the main item's name

    constexpr MenuRow enabledWhen(EnabledRule rule) const {
        MenuRow r = *this;
        r.enabled = rule;
        return r;
    }
    constexpr MenuRow checkedBy(CheckRule rule, bool atStart = true) const {
        MenuRow r = *this;
        r.checked = rule;
        r.checkedAtStart = atStart;
        return r;
    }
    constexpr MenuRow hide() const {
        MenuRow r = *this;
        r.hidden = true;
        return r;
    }
};

constexpr MenuRow menuRow(const char* name, const char* caption) {
    MenuRow r;
    r.kind = RowKind::Menu;
    r.name = name;
    r.caption = caption;
    return r;
}

constexpr MenuRow popupRow(const char* name, const char* caption) {
    MenuRow r = menuRow(name, caption);
    r.kind = RowKind::Popup;
    return r;
}

// An item with up to three keys, the first shown in the menu.
template <class... Keys>
constexpr MenuRow itemRow(const char* name, const char* caption, Keys... keys) {
    static_assert(sizeof...(Keys) <= 3, "at most three keys an item");
    MenuRow r;
    r.name = name;
    r.caption = caption;
    r.keys = {QKeyCombination(keys)...};
    r.keyCount = sizeof...(Keys);
    return r;
}

constexpr MenuRow separatorRow(const char* name) {
    MenuRow r;
    r.kind = RowKind::Separator;
    r.name = name;
    return r;
}

constexpr MenuRow twinRow(const char* name, const char* caption, const char* of) {
    MenuRow r;
    r.kind = RowKind::Twin;
    r.name = name;
    r.caption = caption;
    r.twinOf = of;
    return r;
}

// A row and what it runs in its window.
template <class Window> struct CommandRow {
    MenuRow menu;
    void (*run)(Window&) = nullptr;
};

} // namespace editor
