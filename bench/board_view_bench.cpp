// The board view: rendering the circles' looks against the main window's first paint, a hover
// repaint against a plain block copy, and the time from mouse-enter to a shown popup.
#include "app/main_form.h"
#include "bench_report.h"
#include "platform/application.h"
#include "platform/canvas.h"
#include "platform/screen.h"
#include "setupctrls/board/board_highlight.h"
#include "setupctrls/board/popup_form.h"
#include "setupctrls/settings/dip_switch.h"
#include "setupctrls/support/setup_supporter.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QWidget>
#include <chrono>
#include <memory>

namespace {
using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

std::vector<TBoardHighlight*> CirclesOf(TMainForm& form) {
    return {form.PCI104Highlight, form.PC104Highlight, form.header1highlight, form.header2highlight,
            form.dipSwitchHighlight};
}

// A new main window, shown, its circles hidden, painted for the first time (the photograph is
// decoded on that first paint).
void MainWindowFirstPaintWithoutCircles(benchmark::State& state) {
    for (auto _ : state) {
        auto form = std::make_unique<TMainForm>(nullptr);
        for (TBoardHighlight* c : CirclesOf(*form)) c->SetVisible(false);
        form->SetVisible(true);
        auto start = Clock::now();
        QPixmap picture = form->Widget()->grab();
        state.SetIterationTime(Seconds(start));
        benchmark::DoNotOptimize(picture.width());
    }
}
BENCHMARK(MainWindowFirstPaintWithoutCircles)->UseManualTime()->Iterations(30)->Unit(benchmark::kMillisecond);

// The three looks of all five circles, as their first paints render them.
void RenderLooksOfAllCircles(benchmark::State& state) {
    auto form = std::make_unique<TMainForm>(nullptr);
    form->SetVisible(true);
    form->Widget()->grab();
    auto circles = CirclesOf(*form);
    for (auto _ : state) {
        for (TBoardHighlight* c : circles) c->RenderLooks();
        benchmark::DoNotOptimize(circles[0]->NormalBitmap().Width());
    }
}
BENCHMARK(RenderLooksOfAllCircles)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// A circle's paint once its looks exist, onto a surface of its size, and a plain copy of one look.
struct THoverSurface {
    TBoardHighlight* Circle;
    QImage Target;
    QPainter Painter;
};

void HoverRepaint(benchmark::State& state) {
    auto form = std::make_unique<TMainForm>(nullptr);
    TBoardHighlight* circle = form->header1highlight;
    circle->Paint(); // the first paint renders the looks
    QImage target(circle->Width(), circle->Height(), QImage::Format_RGB32);
    QPainter painter(&target);
    auto& canvas = static_cast<TControlCanvas&>(circle->Canvas());
    canvas.SetPainter(&painter);
    for (auto _ : state) circle->Paint();
    canvas.SetPainter(nullptr);
}
BENCHMARK(HoverRepaint)->Unit(benchmark::kMicrosecond)->MinTime(0.5);

void PlainBlockCopy(benchmark::State& state) {
    auto form = std::make_unique<TMainForm>(nullptr);
    TBoardHighlight* circle = form->header1highlight;
    circle->Paint();
    QImage target(circle->Width(), circle->Height(), QImage::Format_RGB32);
    QPainter painter(&target);
    TControlCanvas canvas;
    canvas.SetPainter(&painter);
    for (auto _ : state) canvas.BlockCopy(0, 0, circle->BrightBitmap());
    canvas.SetPainter(nullptr);
}
BENCHMARK(PlainBlockCopy)->Unit(benchmark::kMicrosecond)->MinTime(0.5);

// From the mouse-enter notice to the popup on the screen: built the first time, shown again later.
void MouseEnterToPopupFirstBuild(benchmark::State& state) {
    for (auto _ : state) {
        auto form = std::make_unique<TMainForm>(nullptr);
        form->dipSwitchHighlight->Paint();
        auto start = Clock::now();
        form->dipSwitchHighlight->Perform(CM_MOUSEENTER, 0, 0);
        state.SetIterationTime(Seconds(start));
    }
}
BENCHMARK(MouseEnterToPopupFirstBuild)->UseManualTime()->Iterations(30)->Unit(benchmark::kMillisecond);

void MouseEnterToPopupShownAgain(benchmark::State& state) {
    auto form = std::make_unique<TMainForm>(nullptr);
    TBoardHighlight* circle = form->dipSwitchHighlight;
    circle->Paint();
    for (auto _ : state) {
        Screen->SetCursorPos({1279, 1023});
        circle->Perform(CM_MOUSELEAVE, 0, 0); // closes it
        auto start = Clock::now();
        circle->Perform(CM_MOUSEENTER, 0, 0);
        state.SetIterationTime(Seconds(start));
    }
}
BENCHMARK(MouseEnterToPopupShownAgain)->UseManualTime()->Iterations(200)->Unit(benchmark::kMillisecond);

// One paint of the board's DIP switch: drawn upright, turned, copied; its two bitmaps are reused.
void DipSwitchPaint(benchmark::State& state) {
    auto form = std::make_unique<TMainForm>(nullptr);
    TDipSwitch* dip = form->DipSwitch1;
    QImage target(dip->Width(), dip->Height(), QImage::Format_RGB32);
    QPainter painter(&target);
    auto& canvas = static_cast<TControlCanvas&>(dip->Canvas());
    canvas.SetPainter(&painter);
    std::uint32_t value = 0;
    for (auto _ : state) {
        dip->SetValue(value++ & 3);
        dip->Paint();
    }
    canvas.SetPainter(nullptr);
}
BENCHMARK(DipSwitchPaint)->Unit(benchmark::kMicrosecond)->MinTime(0.5);

// The set-up of the first idle moment: the title line, the help window with its rich text, and
// the support window.
void DeferredSetup(benchmark::State& state) {
    for (auto _ : state) {
        auto form = std::make_unique<TMainForm>(nullptr);
        auto start = Clock::now();
        form->SetSup->DeferredSetup();
        state.SetIterationTime(Seconds(start));
    }
}
BENCHMARK(DeferredSetup)->UseManualTime()->Iterations(30)->Unit(benchmark::kMillisecond);

void Quiet(QtMsgType, const QMessageLogContext&, const QString&) {}
} // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(Quiet);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int one = 1;
    TApplication app(one, argv);
    RegisterSetupProgram();
    return RunBenchmarksWithRatios(argc, argv,
                                   {{"RenderLooksOfAllCircles", "MainWindowFirstPaintWithoutCircles", 0.30},
                                    {"HoverRepaint", "PlainBlockCopy", 1.50},
                                    {"DeferredSetup", "MainWindowFirstPaintWithoutCircles", 0.50}});
}
