#pragma once

#include "anybutton/properties/FontDesc.h"

#include <functional>

namespace anybutton {

// The button's own font object (`g_Font`): every attribute that actually changes
// raises one change notification, so the owner can repaint per attribute.
class ButtonFont {
public:
    using ChangeHandler = std::function<void()>;

    const FontDesc& attributes() const { return attrs_; }
    void setChangeHandler(ChangeHandler handler) { onChanged_ = std::move(handler); }

    // Replaces every attribute at once without notifying: the object is swapped,
    // not edited (load and new-instance steps).
    void assign(const FontDesc& attrs) { attrs_ = attrs; }

    // Sets every attribute in turn, each notifying when it changes.
    void set(const FontDesc& v) {
        setName(v.name);
        setSize(v.size);
        setBold(v.bold);
        setItalic(v.italic);
        setUnderline(v.underline);
        setStrikethrough(v.strikethrough);
    }
    void setName(const QString& v) { change(attrs_.name, v); }
    void setSize(double v) { change(attrs_.size, v); }
    void setBold(bool v) { change(attrs_.bold, v); }
    void setItalic(bool v) { change(attrs_.italic, v); }
    void setUnderline(bool v) { change(attrs_.underline, v); }
    void setStrikethrough(bool v) { change(attrs_.strikethrough, v); }

private:
    template <typename T> void change(T& field, const T& value) {
        if (field == value)
            return;
        field = value;
        if (onChanged_)
            onChanged_();
    }

    FontDesc attrs_;
    ChangeHandler onChanged_;
};

} // namespace anybutton
