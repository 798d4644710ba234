// Refresh cost per style and state at the two sizes the program's buttons use.
#include "anybutton/AnyButtonControl.h"
#include "anybutton/SimpleContainer.h"

#include <benchmark/benchmark.h>

using namespace anybutton;

namespace {

const char* const kStateNames[] = {"normal", "hover", "pressed", "armed"};

void BM_Refresh(benchmark::State& st) {
    const auto style = static_cast<std::int32_t>(st.range(0));
    const int state = static_cast<int>(st.range(1));
    const int width = static_cast<int>(st.range(2));
    SimpleContainer container;
    AnyButtonControl button(container);
    button.state().clientWidth = width;
    button.state().clientHeight = 25;
    PropertyBag bag;
    bag.set(QStringLiteral("ButtonStyle"), PropertyValue::int32(style));
    button.ReadProperties(bag);
    ButtonState& s = button.state();
    s.g_IsOver = (state == 1 || state == 2) ? 1 : 0;
    s.g_IsPressed = (state == 2 || state == 3) ? 1 : 0;
    for (auto _ : st) {
        button.Refresh();
        benchmark::DoNotOptimize(button.backImage().bitmap()->pixel(width / 2, 12));
    }
    st.SetLabel(std::string("style ") + std::to_string(style) + " " + kStateNames[state] + " " +
                std::to_string(width) + "x25");
}

void allCases(benchmark::internal::Benchmark* b) {
    for (int style = 0; style <= 4; ++style)
        for (int state = 0; state < 4; ++state)
            for (int width : {49, 145})
                b->Args({style, state, width});
}

} // namespace

BENCHMARK(BM_Refresh)->Apply(allCases)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
