#pragma once

#include "anybutton/properties/ButtonState.h"
#include "anybutton/properties/PropertyValue.h"

#include <optional>
#include <variant>
#include <vector>

namespace anybutton {

// A member of the button's state that a persisted property is kept in; it
// names the property's row. Its type decides the bag kind the property is
// written as.
using StateField =
    std::variant<bool ButtonState::*, std::int16_t ButtonState::*, std::int32_t ButtonState::*,
                 QString ButtonState::*, FontDesc ButtonState::*, PictureRef ButtonState::*>;

// Values the container supplies rather than the table.
enum class FromContainer { DisplayName, Font };
using RowValue = std::variant<PropertyValue, FromContainer>;

struct AmbientValues {
    QString displayName;
    FontDesc font;
};

// What a setter does after storing the value and notifying with the key.
enum class AfterSet {
    Nothing,
    Repaint,
    OwnSteps, // the setter has steps of its own (AnyButtonControl says which)
};

// What loading a property does beyond storing its value.
enum class LoadRule {
    Store,
    Font,      // the surface font and the font object both take it
    MouseIcon, // goes through the setter: cursor, then notification
    Enabled,   // the surface is told the new state
    Cursor,    // the surface's cursor is applied again
};

// One persisted property: its bag key, which is also the name its setter
// notifies with, where it is kept, its defaults and what setting and loading
// it do. Adding a property is adding a row, and its field to the load order.
struct PropertyRow {
    const char* key;
    StateField field; // saved from and loaded into
    RowValue bagDefault;
    std::optional<RowValue> newValue; // set by the new-instance step; none leaves the field
    AfterSet afterSet = AfterSet::Nothing;
    LoadRule rule = LoadRule::Store;
    std::optional<StateField> alsoLoads = std::nullopt; // a second field that takes the value
    std::optional<StateField> newInto = std::nullopt;   // where newValue goes when not into field
    const char* description = nullptr;                  // shown by a property browser
};

// The persisted properties in save order.
const std::vector<PropertyRow>& propertyRows();
// The same rows in load order, which is not the save order.
const std::vector<const PropertyRow*>& propertyLoadOrder();
// The row of a key, compared without case; null when none has it.
const PropertyRow* findPropertyRow(const QString& key);
// The row kept in a field; every setter's field has one.
const PropertyRow& rowOf(const StateField& field);

PropertyValue::Kind kindOf(const StateField& field);
PropertyValue resolve(const RowValue& value, const AmbientValues& ambient);
PropertyValue fieldValue(const ButtonState& s, const StateField& field);
// Converts v to the field's type (PropertyError names key on failure) and stores it.
void storeField(ButtonState& s, const StateField& field, const PropertyValue& v,
                const QString& key);

// The text a property browser shows for a property; empty when it has none.
QString propertyDescriptionText(const QString& property);

} // namespace anybutton
