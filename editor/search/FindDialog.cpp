#include "editor/search/FindDialog.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace editor {

namespace {

template <typename W> W* named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

FindDialog::FindDialog(QWidget* parent)
    : QDialog(parent), txtFind_(named(new QLineEdit(this), "txtFind")),
      txtReplace_(named(new QLineEdit(this), "txtReplace")),
      lblReplace_(new QLabel(QStringLiteral("Replace &with:"), this)),
      chkMatchCase_(named(new QCheckBox(QStringLiteral("Match &case"), this), "chkMatchCase")),
      chkWholeWord_(named(new QCheckBox(QStringLiteral("Whole wor&d"), this), "chkWholeWord")),
      chkRegex_(named(new QCheckBox(QStringLiteral("Regular e&xpression"), this), "chkRegex")),
      chkBackwards_(
          named(new QCheckBox(QStringLiteral("Search &backwards"), this), "chkBackwards")),
      chkInSelection_(
          named(new QCheckBox(QStringLiteral("In se&lection only"), this), "chkInSelection")),
      cmdReplace_(named(new QPushButton(QStringLiteral("&Replace"), this), "cmdReplace")),
      cmdReplaceAll_(named(new QPushButton(QStringLiteral("Replace &All"), this), "cmdReplaceAll")),
      lblStatus_(named(new QLabel(this), "lblStatus")) {
    setObjectName(QStringLiteral("frmFind"));
    setModal(false);
    auto* findLabel = new QLabel(QStringLiteral("Fi&nd:"), this);
    findLabel->setBuddy(txtFind_);
    lblReplace_->setBuddy(txtReplace_);
    auto* cmdFindNext = named(new QPushButton(QStringLiteral("&Find Next"), this), "cmdFindNext");
    cmdFindNext->setDefault(true);
    auto* cmdClose = named(new QPushButton(QStringLiteral("Close"), this), "cmdClose");
    lblStatus_->setTextFormat(Qt::PlainText);

    auto* grid = new QGridLayout(this);
    grid->addWidget(findLabel, 0, 0);
    grid->addWidget(txtFind_, 0, 1, 1, 2);
    grid->addWidget(cmdFindNext, 0, 3);
    grid->addWidget(lblReplace_, 1, 0);
    grid->addWidget(txtReplace_, 1, 1, 1, 2);
    grid->addWidget(cmdReplace_, 1, 3);
    grid->addWidget(chkMatchCase_, 2, 1);
    grid->addWidget(chkWholeWord_, 2, 2);
    grid->addWidget(cmdReplaceAll_, 2, 3);
    grid->addWidget(chkRegex_, 3, 1);
    grid->addWidget(chkBackwards_, 3, 2);
    grid->addWidget(cmdClose, 3, 3);
    grid->addWidget(chkInSelection_, 4, 1);
    grid->addWidget(lblStatus_, 5, 0, 1, 4);
    setTabOrder(txtFind_, txtReplace_);

    connect(cmdFindNext, &QPushButton::clicked, this, &FindDialog::findNext);
    connect(cmdReplace_, &QPushButton::clicked, this, &FindDialog::replace);
    connect(cmdReplaceAll_, &QPushButton::clicked, this, &FindDialog::replaceAll);
    connect(cmdClose, &QPushButton::clicked, this, &FindDialog::reject);
    connect(txtFind_, &QLineEdit::textChanged, this, &FindDialog::patternEdited);
    for (QCheckBox* option : {chkMatchCase_, chkWholeWord_, chkRegex_})
        connect(option, &QCheckBox::toggled, this, &FindDialog::patternEdited);
    for (QCheckBox* option :
         {chkMatchCase_, chkWholeWord_, chkRegex_, chkBackwards_, chkInSelection_})
        option->installEventFilter(this);
}

bool FindDialog::eventFilter(QObject* watched, QEvent* event) {
    // An option's access key toggles it and leaves the typing where it was:
    // the user goes on with the search text, as in the peers' find bars.
    if (event->type() == QEvent::Shortcut) {
        QWidget* typing = focusWidget();
        QTimer::singleShot(0, this, [typing] {
            if (typing)
                typing->setFocus(Qt::ShortcutFocusReason);
        });
    }
    return QDialog::eventFilter(watched, event);
}

void FindDialog::open(bool replacing, const QString& initial) {
    setWindowTitle(replacing ? QStringLiteral("Replace") : QStringLiteral("Find"));
    for (QWidget* w : std::initializer_list<QWidget*>{lblReplace_, txtReplace_, cmdReplace_,
                                                      cmdReplaceAll_, chkInSelection_})
        w->setVisible(replacing);
    if (!initial.isEmpty())
        txtFind_->setText(initial);
    lblStatus_->clear();
    adjustSize();
    show();
    raise();
    activateWindow();
    txtFind_->setFocus();
    txtFind_->selectAll();
}

QString FindDialog::searchText() const {
    return txtFind_->text();
}

QString FindDialog::replacementText() const {
    return txtReplace_->text();
}

SearchOptions FindDialog::options() const {
    return {chkMatchCase_->isChecked(), chkWholeWord_->isChecked(), chkRegex_->isChecked(),
            chkBackwards_->isChecked()};
}

bool FindDialog::inSelection() const {
    return chkInSelection_->isVisible() && chkInSelection_->isChecked();
}

void FindDialog::setStatus(const QString& text) {
    lblStatus_->setText(text);
}

void FindDialog::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    emit closed();
}

} // namespace editor
