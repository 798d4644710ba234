#pragma once

#include <QApplication>

#include <functional>

namespace platform {

// The program's application object. An allocation that fails while an event
// is handled ends that event, not the program: the handler is told once the
// event loop comes round again, when the memory the event held is free.
class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

    void setOutOfMemoryHandler(std::function<void()> handler) { handler_ = std::move(handler); }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    std::function<void()> handler_;
};

} // namespace platform
