#pragma once

#include "editor/search/SearchPattern.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace editor {

// The find and replace field: a window of its own beside the document, so
// the document window's panels never move. It only gathers what the user
// asks; SearchCommands does the searching.
class FindDialog : public QDialog {
    Q_OBJECT
public:
    explicit FindDialog(QWidget* parent);

    // Shows the field for finding only, or with the replacement too, with
    // the search text selected and focused.
    void open(bool replacing, const QString& initial);

    QString searchText() const;
    QString replacementText() const;
    SearchOptions options() const;
    bool inSelection() const;
    // Says how the last command went ("Search wrapped", an error, a count).
    void setStatus(const QString& text);

signals:
    void findNext();
    void replace();
    void replaceAll();
    // The search text or an option changed: the pattern is checked again.
    void patternEdited();
    void closed();

protected:
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* txtFind_;
    QLineEdit* txtReplace_;
    QLabel* lblReplace_;
    QCheckBox* chkMatchCase_;
    QCheckBox* chkWholeWord_;
    QCheckBox* chkRegex_;
    QCheckBox* chkBackwards_;
    QCheckBox* chkInSelection_;
    QPushButton* cmdReplace_;
    QPushButton* cmdReplaceAll_;
    QLabel* lblStatus_;
};

} // namespace editor
