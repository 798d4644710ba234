#include "platform/desktop/GuardedApplication.h"

#include <QMetaObject>

#include <new>

namespace platform {

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::bad_alloc&) {
        if (handler_)
            QMetaObject::invokeMethod(this, handler_, Qt::QueuedConnection);
        return true;
    }
}

} // namespace platform
