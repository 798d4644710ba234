#pragma once

#include <QList>
#include <QObject>

#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace anybutton {
class AnyButton;
}

namespace editor {

// The Tools panel's buttons, built from the document window's saved design:
// the element buttons Command2 (0 to 23) and the preview button Command1.
class ElementButtons : public QObject {
    Q_OBJECT
public:
    static constexpr int kCount = 24;

    // Loads every button into the Tools panel. A button whose design cannot be
    // loaded is left out (null) and the others still load.
    explicit ElementButtons(QWidget& toolsPanel);

    // Indexed like the array; an entry is null when its button failed to load.
    const std::vector<anybutton::AnyButton*>& Command2() const { return command2_; }
    anybutton::AnyButton* Command1() const { return command1_; }
    // The buttons the keyboard reaches, in tab order: the element buttons
    // inside the panel by index, then the preview button.
    std::vector<QWidget*> reachable() const;

    // Mirrors the buttons in the Insert menu: item i (item 0 exists already)
    // takes the caption of button i and is visible when that button is
    // enabled. A step that fails is skipped and the next one runs.
    void buildElementsMenu(QMenu& mnuInsert, QList<QAction*>& mnuElements) const;

signals:
    void Command2_Click(int index);
    void Command1_Click();

private:
    std::vector<anybutton::AnyButton*> command2_;
    anybutton::AnyButton* command1_ = nullptr;
};

} // namespace editor
