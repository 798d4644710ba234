#include "editor/editing/TabControl.h"

#include <QApplication>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

#include <algorithm>

namespace editor {

TabControl::TabControl(QWidget* parent) : QWidget(parent), bar_(new QTabBar(this)) {
    bar_->setDrawBase(false);
    bar_->setExpanding(false);
    connect(bar_, &QTabBar::currentChanged, this, [this](int index) {
        showCurrentPage();
        emit currentChanged(index);
    });
}

int TabControl::addTab(const QString& caption, QWidget* page) {
    page->setParent(this);
    pages_.append(page);
    const int index = bar_->addTab(caption);
    bar_->resize(bar_->sizeHint());
    showCurrentPage();
    return index;
}

int TabControl::currentIndex() const {
    return bar_->currentIndex();
}

void TabControl::setCurrentIndex(int index) {
    bar_->setCurrentIndex(index);
}

void TabControl::showCurrentPage() {
    // The focus goes with the page it was in. Left to the focus chain it
    // would land on the next control, a Tools button, which Space or Enter
    // would then press unseen.
    const QWidget* focus = QApplication::focusWidget();
    const bool pageHadFocus = focus && std::any_of(pages_.begin(), pages_.end(), [&](QWidget* p) {
                                  return p->isVisible() && (p == focus || p->isAncestorOf(focus));
                              });
    QWidget* shown = pages_.value(bar_->currentIndex());
    if (shown)
        shown->setVisible(true);
    if (pageHadFocus && shown) {
        QWidget* inside = shown->focusWidget();
        (inside && inside->isVisible() ? inside : shown)->setFocus(Qt::OtherFocusReason);
    }
    for (QWidget* page : pages_) {
        if (page != shown)
            page->setVisible(false);
    }
}

void TabControl::resizeEvent(QResizeEvent* event) {
    bar_->resize(std::min(bar_->sizeHint().width(), width()), bar_->sizeHint().height());
    QWidget::resizeEvent(event);
}

void TabControl::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = rect().adjusted(0, bar_->height() - 1, 0, 0);
    frame.tabBarSize = bar_->size();
    frame.shape = QTabBar::RoundedNorth;
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
}

} // namespace editor
