// Repaint-sized workloads of the raster layer on a 100 x 40 button image.
#include "platform/gdi/Gdi.h"
#include "support/MaskedCopy.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

using namespace gdi;

namespace {

constexpr int kW = 100, kH = 40;

// A colour that stands for the system colour index.
constexpr COLORREF sysRef(int index) {
    return 0x80000000u | static_cast<COLORREF>(index);
}

DeviceContext backImage() {
    DeviceContext dc(SystemColors::pinned());
    dc.selectBitmap(std::make_shared<Bitmap>(kW, kH));
    return dc;
}

DeviceContext sprite() {
    DeviceContext dc(SystemColors::pinned());
    auto b = std::make_shared<Bitmap>(32, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            b->setPixel(x, y,
                        (x - 16) * (x - 16) + (y - 16) * (y - 16) < 200 ? RGB(x * 8, y * 8, 90)
                                                                        : kBlack);
    dc.selectBitmap(std::move(b));
    return dc;
}

void faceAndFrames(DeviceContext& dc) {
    FillRect(dc, {0, 0, kW, kH}, CreateSolidBrush(sysRef(COLOR_BTNFACE)));
    FrameRect(dc, {0, 0, kW, kH}, CreateSolidBrush(sysRef(COLOR_BTNSHADOW)));
    FrameRect(dc, {0, 0, kW + 1, kH + 1}, CreateSolidBrush(sysRef(COLOR_BTNHIGHLIGHT)));
    FrameRect(dc, {0, 0, kW - 1, kH - 1}, CreateSolidBrush(sysRef(COLOR_BTNSHADOW)));
}

void gradient(DeviceContext& dc) {
    for (int y = 1; y <= 25; ++y) {
        SelectObject(dc, CreatePen(PS_SOLID, 1, RGB(236 - y, 233 - y, 216 - y)));
        MoveToEx(dc, 0, y);
        LineTo(dc, kW, y);
    }
}

void BM_FillRect(benchmark::State& state) {
    DeviceContext dc = backImage();
    for (auto _ : state) {
        FillRect(dc, {0, 0, kW, kH}, CreateSolidBrush(sysRef(COLOR_BTNFACE)));
        benchmark::DoNotOptimize(dc.bitmap()->row(0));
    }
}
BENCHMARK(BM_FillRect);

void BM_GradientLines(benchmark::State& state) {
    DeviceContext dc = backImage();
    for (auto _ : state) {
        gradient(dc);
        benchmark::DoNotOptimize(dc.bitmap()->row(0));
    }
}
BENCHMARK(BM_GradientLines);

void BM_MaskedBlit32(benchmark::State& state) {
    DeviceContext dc = backImage();
    DeviceContext s = sprite();
    for (auto _ : state) {
        maskedCopy(dc, s, s.width(), s.height(), 34, 4, kBlack);
        benchmark::DoNotOptimize(dc.bitmap()->row(0));
    }
}
BENCHMARK(BM_MaskedBlit32);

void BM_StretchBlt(benchmark::State& state) {
    DeviceContext dc = backImage();
    DeviceContext s = sprite();
    const int size = static_cast<int>(state.range(0));
    for (auto _ : state) {
        StretchBlt(dc, 0, 0, size, size, s, 0, 0, 32, 32, SRCCOPY);
        benchmark::DoNotOptimize(dc.bitmap()->row(0));
    }
}
BENCHMARK(BM_StretchBlt)->Arg(16)->Arg(32)->Arg(40);

void BM_DrawStateDisabled(benchmark::State& state) {
    DeviceContext dc = backImage();
    const DeviceContext s = sprite();
    for (auto _ : state) {
        DrawStateA(dc, std::nullopt, *s.bitmap(), 34, 4, DST_BITMAP | DSS_DISABLED);
        benchmark::DoNotOptimize(dc.bitmap()->row(0));
    }
}
BENCHMARK(BM_DrawStateDisabled);

// Fill, frames, 25 gradient lines, a 32 x 32 masked blit and the focus rectangle.
void BM_RepaintWithoutText(benchmark::State& state) {
    DeviceContext dc = backImage();
    DeviceContext s = sprite();
    for (auto _ : state) {
        faceAndFrames(dc);
        gradient(dc);
        maskedCopy(dc, s, s.width(), s.height(), 34, 4, kBlack);
        DrawFocusRect(dc, {4, 4, kW - 4, kH - 4});
        benchmark::DoNotOptimize(dc.bitmap()->row(0));
    }
}
BENCHMARK(BM_RepaintWithoutText);

void BM_CaptionMeasureAndDraw(benchmark::State& state) {
    DeviceContext dc = backImage();
    dc.setTextRendering(state.range(0) ? TextRendering::Antialiased : TextRendering::Aliased);
    DrawTextParams params{20, 1, 1, 1, 0};
    for (auto _ : state) {
        Rect r{4, 4, kW - 4, kH - 4};
        DrawTextExA(dc, "&Save file", r, DT_CALCRECT | DT_CENTER | DT_VCENTER | DT_WORDBREAK,
                    &params);
        DrawTextExA(dc, "&Save file", r, DT_CENTER | DT_VCENTER | DT_WORDBREAK, &params);
        benchmark::DoNotOptimize(dc.bitmap()->row(0));
    }
}
BENCHMARK(BM_CaptionMeasureAndDraw)->Arg(0)->Arg(1);

void BM_CaptionMeasure(benchmark::State& state) {
    DeviceContext dc = backImage();
    DrawTextParams params{20, 1, 1, 1, 0};
    for (auto _ : state) {
        Rect r{4, 4, kW - 4, kH - 4};
        benchmark::DoNotOptimize(DrawTextExA(
            dc, "&Save file", r, DT_CALCRECT | DT_CENTER | DT_VCENTER | DT_WORDBREAK, &params));
    }
}
BENCHMARK(BM_CaptionMeasure);

void BM_FullRepaint(benchmark::State& state) {
    DeviceContext dc = backImage();
    DeviceContext s = sprite();
    DrawTextParams params{20, 1, 1, 1, 0};
    for (auto _ : state) {
        faceAndFrames(dc);
        gradient(dc);
        maskedCopy(dc, s, s.width(), s.height(), 4, 4, kBlack);
        DrawFocusRect(dc, {4, 4, kW - 4, kH - 4});
        Rect r{40, 4, kW - 4, kH - 4};
        DrawTextExA(dc, "&Save", r, DT_CALCRECT | DT_CENTER | DT_VCENTER | DT_WORDBREAK, &params);
        DrawTextExA(dc, "&Save", r, DT_CENTER | DT_VCENTER | DT_WORDBREAK, &params);
        benchmark::DoNotOptimize(dc.bitmap()->row(0));
    }
}
BENCHMARK(BM_FullRepaint);

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv); // glyphs need it
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
