#include "ButtonRenderer.h"
#include "RenderOptions.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    // Text needs a font engine but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    using namespace anybutton::render;
    const ParseResult parsed = parseRenderOptions(app.arguments().mid(1));
    if (parsed.request == Request::Help) {
        std::printf("%s", qPrintable(usageText()));
        return 0;
    }
    if (!parsed.options) {
        std::fprintf(stderr, "anybutton-render: %s\n%s", qPrintable(parsed.error),
                     qPrintable(usageText()));
        return 2;
    }
    QString error;
    const auto out = renderButton(*parsed.options, error);
    if (!out) {
        std::fprintf(stderr, "anybutton-render: %s\n", qPrintable(error));
        return 1;
    }
    if (!out->image.save(parsed.options->output, "PNG")) {
        std::fprintf(stderr, "anybutton-render: cannot write %s\n",
                     qPrintable(parsed.options->output));
        return 1;
    }
    if (parsed.options->printLayout)
        for (const QString& line : out->layout)
            std::printf("%s\n", qPrintable(line));
    return 0;
}
