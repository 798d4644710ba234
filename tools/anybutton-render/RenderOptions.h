#pragma once

#include "anybutton/properties/ButtonLook.h"
#include "anybutton/properties/PropertyBag.h"

#include <QString>
#include <QStringList>

#include <map>
#include <optional>

namespace anybutton::render {

enum class Focus { Off, On };

struct RGBValue {
    int r = 0, g = 0, b = 0;
};

// The command line of anybutton-render, parsed.
struct RenderOptions {
    int width = 100;
    int height = 40;
    PropertyBag bag; // --set values, typed by their key
    ButtonLook state = ButtonLook::Normal;
    Focus focus = Focus::Off;
    bool disabled = false;
    bool isDefault = false;
    bool design = false;
    bool dark = false; // the system colours of a dark desktop
    std::map<int, RGBValue> sysColors;
    QString picture;
    QString hoverPicture;
    QString containerPicture;
    int left = 0;
    int top = 0;
    bool printLayout = false;
    QString output;
};

enum class Request { Render, Help };

struct ParseResult {
    std::optional<RenderOptions> options;
    QString error; // set when options is empty and help was not asked for
    Request request = Request::Render;
};

// args excludes the program name. --help anywhere asks for the usage text only.
ParseResult parseRenderOptions(const QStringList& args);

// A --set value converted to the kind its key is saved as; nullopt with an
// error message for an unknown key or a value of the wrong form.
std::optional<PropertyValue> parseSetValue(const QString& key, const QString& text, QString& error);

QString usageText();

} // namespace anybutton::render
