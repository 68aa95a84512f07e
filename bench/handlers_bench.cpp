// The time each handler of the window takes, on the headless window model with typical inputs.
#include "compare/compare.h"
#include "line/line.h"
#include "numeric/numtext.h"
#include "point/point.h"
#include "tuner/tuner.h"
#include "ui/form.h"
#include "wiring/wiring.h"

#include <benchmark/benchmark.h>

#include <initializer_list>
#include <memory>
#include <utility>

namespace {

using Fields = std::initializer_list<std::pair<const char*, const char*>>;

// A started window with the given field texts (message boxes are counted, not shown).
std::unique_ptr<ui::Form> window(Fields fields) {
    auto f = std::make_unique<ui::Form>();
    wiring::start(*f);
    for (const auto& [name, text] : fields)
        f->setText(name, text);
    return f;
}

// Runs a handler over and over on one window. Every run writes the same result text, so after the
// first one no Change is raised: what is measured is the calculation and the formatting of its result.
void runHandler(benchmark::State& state, void (*handler)(ui::Form&), Fields fields) {
    auto f = window(fields);
    for (auto _ : state) {
        handler(*f);
        benchmark::ClobberMemory();
    }
}

void BM_Command1(benchmark::State& s) {
    runHandler(s, point::command1Click, {{"Text7", "50"}, {"Text8", "25"}, {"Text9", "100"}});
}
void BM_Command2(benchmark::State& s) {
    runHandler(s, point::command2Click, {{"Text7", "50"}, {"Text8", "25"}, {"Text10", "100"}});
}
void BM_Command5(benchmark::State& s) {
    runHandler(s, point::command5Click, {{"Text7", "50"}, {"Text8", "25"}, {"Text18", "2"}});
}
void BM_Command4(benchmark::State& s) {
    runHandler(s, point::command4Click, {{"Text7", "50"}, {"Text8", "50"}});
}
void BM_Command3(benchmark::State& s) {
    runHandler(s, compare::command3Click,
               {{"Text15", "50"},
                {"Text1", "0"},
                {"Text16", "50"},
                {"Text17", "0"},
                {"Text13", "100"},
                {"Text14", "90"}});
}
void BM_Command6(benchmark::State& s) {
    runHandler(s, compare::command6Click,
               {{"Text15", "50"},
                {"Text1", "0"},
                {"Text16", "50"},
                {"Text17", "0"},
                {"Text20", "2"},
                {"Text21", "1.8"}});
}
void BM_Command8(benchmark::State& s) {
    runHandler(s, tuner::command8Click,
               {{"Text30", "0.3"},
                {"Text34", "-0.4"},
                {"Text36", "0.1"},
                {"Text37", "-0.2"},
                {"Text33", "0.8"},
                {"Text32", "0.1"},
                {"Text31", "0.05"},
                {"Text35", "0.02"},
                {"Text38", "0.8"},
                {"Text39", "0.1"}});
}

// A line window: RG-58 at 14 MHz, the measured point, the direction and the slider position.
std::unique_ptr<ui::Form> lineWindow(const char* r, const char* x, bool towardsAntenna, int slider) {
    auto f = window({{"Text23", r}, {"Text24", x}, {"Text28", "14"}, {"Text29", "100"}, {"Text26", "50"}});
    f->setText("Combo2", "RG-58 (generic)");
    if (towardsAntenna)
        f->select("Option9");
    f->setValue("HScroll1", slider);
    return f;
}

void BM_LineComputeTowardsTransceiver(benchmark::State& s) {
    auto f = lineWindow("100", "50", false, 360);
    for (auto _ : s)
        line::LineCompute(*f);
}
void BM_LineComputeTowardsAntenna(benchmark::State& s) {
    auto f = lineWindow("100", "50", true, 200);
    for (auto _ : s)
        line::LineCompute(*f);
}
// No antenna gives the measured SWR of 100 through the line's loss: the whole search runs and fails.
void BM_LineComputeWorstCase(benchmark::State& s) {
    auto f = lineWindow("5000", "0", true, 400);
    for (auto _ : s)
        line::LineCompute(*f);
}
void BM_Command9(benchmark::State& s) {
    auto f = lineWindow("100", "50", false, 360);
    for (auto _ : s) {
        s.PauseTiming();
        f->setText("Text29", "100");
        s.ResumeTiming();
        line::PowerExchange(*f);
    }
}
void BM_ApplyCable(benchmark::State& s) {
    auto f = window({});
    f->setText("Combo2", "Belden 9913 (RG-8/U)");
    for (auto _ : s)
        line::ApplyCable(*f);
}

void BM_Val(benchmark::State& s) {
    for (auto _ : s)
        benchmark::DoNotOptimize(num::Val("123.456"));
}
void BM_Format(benchmark::State& s) {
    double v = 123.4567;
    for (auto _ : s)
        benchmark::DoNotOptimize(num::Format(v, "0.000", '.'));
}

BENCHMARK(BM_Command1);
BENCHMARK(BM_Command2);
BENCHMARK(BM_Command5);
BENCHMARK(BM_Command4);
BENCHMARK(BM_Command3);
BENCHMARK(BM_Command6);
BENCHMARK(BM_Command8);
BENCHMARK(BM_LineComputeTowardsTransceiver);
BENCHMARK(BM_LineComputeTowardsAntenna);
BENCHMARK(BM_LineComputeWorstCase);
BENCHMARK(BM_Command9);
BENCHMARK(BM_ApplyCable);
BENCHMARK(BM_Val);
BENCHMARK(BM_Format);

} // namespace

BENCHMARK_MAIN();
