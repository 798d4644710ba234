#pragma once

#include <QString>

#include <stdexcept>

namespace anybutton {

// A run-time error of the control: a value that cannot be converted, a number
// that does not fit its field, an object that is required but missing. The
// control does not handle these itself; they reach whoever called it.
class PropertyError : public std::runtime_error {
public:
    enum class Code { TypeMismatch = 13, Overflow = 6, ObjectRequired = 424 };

    PropertyError(Code code, const QString& key)
        : std::runtime_error(describe(code, key).toStdString()), code_(code), key_(key) {}

    Code code() const { return code_; }
    const QString& key() const { return key_; }

private:
    static QString describe(Code code, const QString& key) {
        const char* what = code == Code::TypeMismatch ? "Type mismatch"
                           : code == Code::Overflow   ? "Overflow"
                                                      : "Object required";
        return key.isEmpty() ? QString::fromLatin1(what)
                             : QStringLiteral("%1 (%2)").arg(QString::fromLatin1(what), key);
    }

    Code code_;
    QString key_;
};

} // namespace anybutton
