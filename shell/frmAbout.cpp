#include "shell/frmAbout.h"

#include "anybutton/AnyButton.h"
#include "anybutton/SavedDesign.h"
#include "core/AppIdentity.h"
#include "core/Twips.h"
#include "platform/desktop/DesignFont.h"
#include "shell/ProgramIcon.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>

namespace shell {

namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text, bool bold, QPoint twips,
              int widthTwips = 0) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setFont(platform::verdana(8.25, bold));
    l->adjustSize();
    const int width = widthTwips ? core::twipsToPixels(widthTwips) : l->width();
    l->setGeometry(core::twipsToPixels(twips.x()), core::twipsToPixels(twips.y()), width,
                   l->height());
    return l;
}

} // namespace

frmAbout::frmAbout()
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Feldt Ostra"));
    setWindowIcon(programIcon());
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(core::twipsToPixels(5385), core::twipsToPixels(1845));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(core::twipsRect(120, 120, 855, 855));
    image->setPixmap(programIcon().pixmap(image->size()));

    label(this, "lblTitle", QStringLiteral("Feldt Ostra"), true, {1080, 120}, 3885);
    label(this, "lblVersion", QStringLiteral("Version ") + core::kAppVersion, true, {1080, 480});
    label(this, "lblDescription", QStringLiteral("A simple HTML, XML, ASP and CSS Editor."), false,
          {1080, 840});

    // A damaged design leaves the box without its button; the close box still works.
    initShellResources();
    for (const anybutton::DesignedButton& d :
         anybutton::readSavedDesignFile(QStringLiteral(":/shell/frmAbout.design"))) {
        try {
            if (d.name == QLatin1String("cmdOK"))
                cmdOK_ = anybutton::loadDesignedButton(d, this);
        } catch (const std::exception&) {
        }
    }
    if (cmdOK_)
        connect(cmdOK_, &anybutton::AnyButton::Click, this, &QDialog::accept);
}

void frmAbout::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // The etched separator: a white line two pixels thick under a grey one.
    QPainter p(this);
    const int y = core::twipsToPixels(1200);
    p.fillRect(QRect(QPoint(core::twipsToPixels(105), y), QPoint(core::twipsToPixels(5280), y + 1)),
               Qt::white);
    p.fillRect(QRect(QPoint(core::twipsToPixels(90), y), QPoint(core::twipsToPixels(5280), y)),
               QColor(128, 128, 128));
}

void frmAbout::showModal() {
    frmAbout box;
    box.exec();
}

} // namespace shell
