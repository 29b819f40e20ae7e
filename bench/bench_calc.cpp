// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/formulas.h"
#include "calc/weightcalculation.h"

#include "data/pipearray.h"
#include "data/shapenames.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <string>

using namespace keldary;

namespace {

struct Case {
    Shape shape;
    std::array<const char *, 4> params;
    std::array<int, 4> units;
    // The same stock through its formula alone, dimensions already numbers.
    std::function<double(const std::array<Length, 4> &)> formula;
};

constexpr int In = 0;
constexpr int Ft = 1;
constexpr int Mm = 3;
constexpr int M = 5;

// One typical entry per stock form, with a metric unit here and there so that
// the conversions are timed too.
const Case cases[] = {
    {Shape::Angles, {"3", "2", "0.25", "10"}, {In, In, In, Ft},
     [](const auto &d) { return angleWeight(d[0], d[1], d[2], d[3], 1, 1); }},
    {Shape::Beam, {"8", "10", "6.096"}, {In, In, M},
     [](const auto &d) { return typedPerFootWeight(d[1].value, d[2], 1, 2); }},
    {Shape::Channel, {"4", "5.4", "20"}, {In, In, Ft},
     [](const auto &d) { return typedPerFootWeight(d[1].value, d[2], 1, 1); }},
    {Shape::Coil, {"0.5", "12", "10"}, {In, In, Ft},
     [](const auto &d) { return flatStockWeight(3.4032, d[0], d[1], d[2], 1, 1); }},
    {Shape::FlatBar, {"0.25", "2", "3000"}, {In, In, Mm},
     [](const auto &d) { return flatStockWeight(3.4032, d[0], d[1], d[2], 1, 1); }},
    {Shape::HexagonBar, {"25.4", "1"}, {Mm, Ft},
     [](const auto &d) { return solidBarWeight(2.9473, d[0], d[1], 1, 1); }},
    {Shape::Pipe, {"", "", "21"}, {In, In, Ft},
     [](const auto &d) { return pipeWeight(PipeArray[8][4], d[2], 1, 1); }},
    {Shape::Plate, {"0.5", "12", "10"}, {In, In, Ft},
     [](const auto &d) { return flatStockWeight(3.4032, d[0], d[1], d[2], 1, 1); }},
    {Shape::Rebar, {"", "20"}, {In, Ft},
     [](const auto &d) { return sizeTableWeight(0.668, d[1], 1, 1); }},
    {Shape::RectangularTube, {"3", "2", "0.125", "10"}, {In, In, In, Ft},
     [](const auto &d) {
         return rectangularTubeWallFits(d[0], d[1], d[2]) ? rectangularTubeWeight(d[0], d[1], d[2], d[3], 1, 1) : 0;
     }},
    {Shape::RoundBar, {"2", "10"}, {In, Ft},
     [](const auto &d) { return solidBarWeight(2.6729, d[0], d[1], 1, 4); }},
    {Shape::RoundTube, {"2", "0.25", "10"}, {In, In, Ft},
     [](const auto &d) { return roundTubeWallFits(d[0], d[1]) ? roundTubeWeight(d[0], d[1], d[2], 1, 1) : 0; }},
    {Shape::Sheet, {"2.54", "1", "1"}, {Mm, Ft, M},
     [](const auto &d) { return flatStockWeight(3.4032, d[0], d[1], d[2], 1, 1); }},
    {Shape::SquareBar, {"1", "1"}, {In, Ft},
     [](const auto &d) { return solidBarWeight(3.4032, d[0], d[1], 1, 1); }},
    {Shape::SquareTube, {"2", "0.125", "10"}, {In, In, Ft},
     [](const auto &d) { return squareTubeWallFits(d[0], d[1]) ? squareTubeWeight(d[0], d[1], d[2], 1, 1) : 0; }},
    {Shape::Strip, {"0.1", "10", "100"}, {In, In, Ft},
     [](const auto &d) { return flatStockWeight(3.4032, d[0], d[1], d[2], 1, 1); }},
    {Shape::Tees, {"", "10"}, {In, Ft},
     [](const auto &d) { return sizeTableWeight(1.90, d[1], 1, 1); }},
};

CalcInput inputOf(const Case &c)
{
    CalcInput in;
    in.numPieces = QStringLiteral("1");
    in.shape = static_cast<int>(c.shape);
    in.pipeSize = 8;     // 2 - 2.375 in
    in.pipeSchedule = 4; // 40
    in.rebarSize = 1;
    for (std::size_t i = 0; i < c.params.size(); ++i) {
        in.params[i] = QString::fromLatin1(c.params[i] ? c.params[i] : "");
        in.units[i] = c.units[i];
    }
    in.result = QStringLiteral("12.5");
    return in;
}

void throughCalculateWeight(benchmark::State &state, const Case &c)
{
    const CalcInput in = inputOf(c);
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    for (auto _ : state) {
        CalcOutcome out = CalculateWeight(in, locale);
        benchmark::DoNotOptimize(out);
    }
}

void throughFormula(benchmark::State &state, const Case &c)
{
    std::array<Length, 4> dims;
    for (std::size_t i = 0; i < dims.size(); ++i)
        dims[i] = {c.params[i] ? QString::fromLatin1(c.params[i]).toDouble() : 0, c.units[i]};
    for (auto _ : state) {
        benchmark::DoNotOptimize(dims);
        double weight = c.formula(dims);
        benchmark::DoNotOptimize(weight);
    }
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    for (const Case &c : cases) {
        const std::string name(ShapeNames[static_cast<std::size_t>(c.shape)]);
        benchmark::RegisterBenchmark(("CalculateWeight/" + name).c_str(), throughCalculateWeight, c);
        benchmark::RegisterBenchmark(("Formula/" + name).c_str(), throughFormula, c);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
