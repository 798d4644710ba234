// A window of AnyButtons in every style, for trying them out and for screenshots.
//   anybutton-demo [--focus NAME]   NAME: a button's name, e.g. StandardSave
#include "DemoWindow.h"

#include "anybutton/AnyButton.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    demo::DemoWindow window;
    window.show();
    const QStringList args = app.arguments();
    const int focus = args.indexOf(QStringLiteral("--focus"));
    if (focus > 0 && focus + 1 < args.size())
        if (auto* b = window.findChild<anybutton::AnyButton*>(args[focus + 1]))
            b->setFocus();
    return app.exec();
}
