#pragma once

#include <QDialog>

class QLabel;

namespace anybutton {
class AnyButton;
}

namespace shell {

// The about box: the program's name, version and purpose, and one button.
// Each showing builds the window afresh from its design.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout();

    anybutton::AnyButton* cmdOK() const { return cmdOK_; }

    // Shows a new about box modally, with no owner window, and returns once
    // it has been closed by "&OK", its access key or the close box.
    static void showModal();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    anybutton::AnyButton* cmdOK_ = nullptr;
};

} // namespace shell
