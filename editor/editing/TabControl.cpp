#include "editor/editing/TabControl.h"

#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

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
    for (int i = 0; i < pages_.size(); ++i)
        pages_[i]->setVisible(i == bar_->currentIndex());
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
