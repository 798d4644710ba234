#pragma once

#include <QWidget>

class QTabBar;

namespace editor {

// A tab control whose pages are plain children placed by their owner, at
// positions relative to the whole control (tab strip included). Only the
// current tab's pages are visible.
class TabControl : public QWidget {
    Q_OBJECT
public:
    explicit TabControl(QWidget* parent = nullptr);

    int addTab(const QString& caption, QWidget* page);
    int currentIndex() const;
    // The current tab's page; null before the first tab.
    QWidget* currentPage() const { return pages_.value(currentIndex()); }
    void setCurrentIndex(int index);
    QTabBar* tabBar() const { return bar_; }

signals:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showCurrentPage();

    QTabBar* bar_;
    QList<QWidget*> pages_;
};

} // namespace editor
