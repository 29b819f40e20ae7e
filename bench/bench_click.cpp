// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/form1.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

// One press of Calculate through the real window, offscreen: reading the
// controls, the calculation, and writing the result box.

namespace {

void typeEntry(keldary::Form1 &form, int shape, const QStringList &params, const QList<int> &units)
{
    form.findChild<QComboBox *>("cmbShapes")->setCurrentIndex(shape);
    for (int i = 0; i < params.size(); ++i) {
        form.findChild<QLineEdit *>(QString("txtParam_%1").arg(i))->setText(params[i]);
        form.findChild<QComboBox *>(QString("cmbUnits_%1").arg(i))->setCurrentIndex(units[i]);
    }
}

void click(benchmark::State &state, int shape, const QStringList &params, const QList<int> &units)
{
    keldary::Form1 form;
    form.setMessageSink([](const keldary::Message &) {});
    form.show();
    typeEntry(form, shape, params, units);
    auto *calculate = form.findChild<QPushButton *>("cmdCalculate");
    auto *result = form.findChild<QLineEdit *>("txtResult");
    for (auto _ : state) {
        // A fresh result each time, so that the box is really written.
        result->clear();
        QTest::mouseClick(calculate, Qt::LeftButton);
        benchmark::DoNotOptimize(result->text());
    }
}

void BM_ClickRoundBar(benchmark::State &state)
{
    click(state, 10, {"2", "10"}, {0, 1});
}
void BM_ClickRectangularTube(benchmark::State &state)
{
    click(state, 9, {"76.2", "50.8", "3.175", "3.048"}, {3, 3, 3, 5});
}
void BM_ClickPipe(benchmark::State &state)
{
    click(state, 6, {"", "", "21"}, {0, 0, 1});
}
void BM_ClickIllegalInput(benchmark::State &state)
{
    click(state, 0, {"", "x", "", "y"}, {0, 0, 0, 0});
}

BENCHMARK(BM_ClickRoundBar);
BENCHMARK(BM_ClickRectangularTube);
BENCHMARK(BM_ClickPipe);
BENCHMARK(BM_ClickIllegalInput);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
