#pragma once

#include <QObject>
#include <QPointer>

#include <array>
#include <functional>
#include <vector>

class QRadioButton;
class QWidget;

namespace editor {

class TabControl;

// The document window's way for the keyboard, as Qt and KDE users know it:
// - the tab order: the tab strip, the editor, the Tools panel's buttons by
//   index, its preview button, the document type;
// - Ctrl+Tab and Ctrl+Shift+Tab go on along it from anywhere, the editor
//   included (where Tab types a tab);
// - F6 and Shift+F6 go round the shown panes: the tab control's page, the
//   Tools panel, the bottom bar, each at the control that had the focus
//   there last;
// - the arrow keys go from button to button of the Tools panel as they lie
//   (the document types do so by themselves).
class KeyboardPath : public QObject {
    Q_OBJECT
public:
    struct Controls {
        TabControl* XTab;
        QWidget* coding;
        QWidget* Frame1;
        std::vector<QWidget*> tools; // the panel's reachable buttons, in tab order
        QWidget* picBottomBar;
        std::array<QRadioButton*, 4> Option1;
    };
    // `step` moves the focus along the tab order, as Tab does.
    KeyboardPath(QWidget& window, Controls controls, std::function<void(bool forward)> step);

    // F6 (forward) and Shift+F6.
    void nextPane(bool forward);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The control a pane's focus goes to; null for a hidden pane.
    QWidget* entryOf(int pane) const;
    int paneOf(const QWidget* widget) const;
    bool moveAmongTools(int key);

    QWidget& window_;
    Controls c_;
    std::function<void(bool)> step_;
    QPointer<QWidget> lastTool_;
};

} // namespace editor
