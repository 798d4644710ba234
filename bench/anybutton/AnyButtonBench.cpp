// Refresh cost per style and state at the two sizes the program's buttons use,
// bare and with a picture and caption.
#include "anybutton/control/AnyButtonControl.h"
#include "anybutton/properties/ButtonLook.h"
#include "anybutton/properties/SimpleContainer.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

using namespace anybutton;

namespace {

// Loads one button of the benchmark's style (range 0) and size (range 2) from
// bag, puts it in the benchmark's look (range 1) and times Refresh.
void timeRefresh(benchmark::State& st, PropertyBag& bag, const char* what) {
    const auto style = static_cast<std::int32_t>(st.range(0));
    const auto look = static_cast<ButtonLook>(st.range(1));
    const int width = static_cast<int>(st.range(2));
    SimpleContainer container;
    AnyButtonControl button(container);
    button.state().clientWidth = width;
    button.state().clientHeight = 25;
    bag.set(QStringLiteral("ButtonStyle"), PropertyValue::int32(style));
    button.ReadProperties(bag);
    applyLook(button.state(), look);
    for (auto _ : st) {
        button.Refresh();
        benchmark::DoNotOptimize(button.backImage().bitmap()->pixel(width / 2, 12));
    }
    st.SetLabel(std::string("style ") + std::to_string(style) + " " + lookName(look).toStdString() +
                " " + std::to_string(width) + "x25" + what);
}

void BM_Refresh(benchmark::State& st) {
    PropertyBag bag;
    timeRefresh(st, bag, "");
}

// Every style, the first `looks` looks and both widths.
void addCases(benchmark::internal::Benchmark* b, int looks) {
    for (int style = 0; style <= 4; ++style)
        for (int look = 0; look < looks; ++look)
            for (int width : {49, 145})
                b->Args({style, look, width});
}

void allCases(benchmark::internal::Benchmark* b) {
    addCases(b, 4);
}

// A 16 x 16 bitmap picture beside the caption "&Open", as the program's tool
// buttons have; disabled (state 4) draws both embossed.
void BM_RefreshPictureAndCaption(benchmark::State& st) {
    QImage img(16, 16, QImage::Format_RGB32);
    img.fill(Qt::black);
    for (int y = 2; y < 14; ++y)
        for (int x = 3; x < 13; ++x)
            img.setPixel(x, y, qRgb(40 + 10 * x, 200 - 8 * y, 90));
    PropertyBag bag;
    bag.set(QStringLiteral("Caption"), PropertyValue::string(QStringLiteral("&Open")));
    bag.set(QStringLiteral("Picture"), PropertyValue::picture(PictureRef::fromImage(img)));
    bag.set(QStringLiteral("OriginalPicSizeW"), PropertyValue::int32(16));
    bag.set(QStringLiteral("OriginalPicSizeH"), PropertyValue::int32(16));
    bag.set(QStringLiteral("PictureWidth"), PropertyValue::int32(16));
    bag.set(QStringLiteral("PictureHeight"), PropertyValue::int32(16));
    timeRefresh(st, bag, ", picture and caption");
}

// Disabled too: the picture and caption draw embossed.
void contentCases(benchmark::internal::Benchmark* b) {
    addCases(b, 5);
}

} // namespace

BENCHMARK(BM_Refresh)->Apply(allCases)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RefreshPictureAndCaption)->Apply(contentCases)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    // Captions need a font engine, never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
