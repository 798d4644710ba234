#pragma once

#include <QLabel>

namespace shell {

// A status bar field whose text changes with every key (where the caret is).
// Its size is fixed, so a new text that fits asks nothing of the bar's
// layout; it grows at once and shrinks only when much narrower, so the bar
// does not jiggle as digits come and go.
class StatusField : public QLabel {
    Q_OBJECT
public:
    explicit StatusField(QWidget* parent = nullptr);
    void showText(const QString& text);

protected:
    void changeEvent(QEvent* event) override;

private:
    void fit();
};

} // namespace shell
