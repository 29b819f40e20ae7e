// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/alloytable.h"
#include "data/pipearray.h"
#include "data/pipeschedules.h"
#include "data/pipesizes.h"
#include "data/rebartable.h"
#include "data/shapenames.h"
#include "data/teetable.h"
#include "data/unitnames.h"
#include "forms.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

using namespace keldary;

namespace {

QString text(std::string_view view)
{
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

QStringList toList(const auto &table)
{
    QStringList list;
    for (const std::string_view entry : table)
        list << text(entry);
    return list;
}

// The outside diameter and the walls, in inches, of every pipe size as ASME B36.10M
// lists them (schedule 5: the 5S walls of ASME B36.19M), typed from the standards
// apart from PipeArray and in its rows and columns; 0 where the standard has no wall.
// Two figures are not the standards': schedule 5 of 1/8 to 3/8 in, which B36.19M does
// not list, has the walls it is sold with; and 4-1/2, 7, 9 and 11 in, which B36.10M no
// longer lists, have the outside diameters of its earlier editions and no walls.
struct StandardPipe {
    double outside;
    std::array<double, PipeScheduleCount> walls;
};
constexpr std::array<StandardPipe, PipeSizeCount> StandardPipes{{
    //          5      10     20     30     40     60     80    100    120    140    160
    { 0.405, {0.035, 0.049,     0, 0.057, 0.068,     0, 0.095,     0,     0,     0,     0}}, // 1/8
    { 0.540, {0.049, 0.065,     0, 0.073, 0.088,     0, 0.119,     0,     0,     0,     0}}, // 1/4
    { 0.675, {0.049, 0.065,     0, 0.073, 0.091,     0, 0.126,     0,     0,     0,     0}}, // 3/8
    { 0.840, {0.065, 0.083,     0, 0.095, 0.109,     0, 0.147,     0,     0,     0, 0.188}}, // 1/2
    { 1.050, {0.065, 0.083,     0, 0.095, 0.113,     0, 0.154,     0,     0,     0, 0.219}}, // 3/4
    { 1.315, {0.065, 0.109,     0, 0.114, 0.133,     0, 0.179,     0,     0,     0, 0.250}}, // 1
    { 1.660, {0.065, 0.109,     0, 0.117, 0.140,     0, 0.191,     0,     0,     0, 0.250}}, // 1-1/4
    { 1.900, {0.065, 0.109,     0, 0.125, 0.145,     0, 0.200,     0,     0,     0, 0.281}}, // 1-1/2
    { 2.375, {0.065, 0.109,     0, 0.125, 0.154,     0, 0.218,     0,     0,     0, 0.344}}, // 2
    { 2.875, {0.083, 0.120,     0, 0.188, 0.203,     0, 0.276,     0,     0,     0, 0.375}}, // 2-1/2
    { 3.500, {0.083, 0.120,     0, 0.188, 0.216,     0, 0.300,     0,     0,     0, 0.438}}, // 3
    { 4.000, {0.083, 0.120,     0, 0.188, 0.226,     0, 0.318,     0,     0,     0,     0}}, // 3-1/2
    { 4.500, {0.083, 0.120,     0, 0.188, 0.237,     0, 0.337,     0, 0.438,     0, 0.531}}, // 4
    { 5.000, {    0,     0,     0,     0,     0,     0,     0,     0,     0,     0,     0}}, // 4-1/2
    { 5.563, {0.109, 0.134,     0,     0, 0.258,     0, 0.375,     0, 0.500,     0, 0.625}}, // 5
    { 6.625, {0.109, 0.134,     0,     0, 0.280,     0, 0.432,     0, 0.562,     0, 0.719}}, // 6
    { 7.625, {    0,     0,     0,     0,     0,     0,     0,     0,     0,     0,     0}}, // 7
    { 8.625, {0.109, 0.148, 0.250, 0.277, 0.322, 0.406, 0.500, 0.594, 0.719, 0.812, 0.906}}, // 8
    { 9.625, {    0,     0,     0,     0,     0,     0,     0,     0,     0,     0,     0}}, // 9
    {10.750, {0.134, 0.165, 0.250, 0.307, 0.365, 0.500, 0.594, 0.719, 0.844, 1.000, 1.125}}, // 10
    {11.750, {    0,     0,     0,     0,     0,     0,     0,     0,     0,     0,     0}}, // 11
    {12.750, {0.156, 0.180, 0.250, 0.330, 0.406, 0.562, 0.688, 0.844, 1.000, 1.125, 1.312}}, // 12
    {14.000, {0.156, 0.250, 0.312, 0.375, 0.438, 0.594, 0.750, 0.938, 1.094, 1.250, 1.406}}, // 14
    {16.000, {0.165, 0.250, 0.312, 0.375, 0.500, 0.656, 0.844, 1.031, 1.219, 1.438, 1.594}}, // 16
    {18.000, {0.165, 0.250, 0.312, 0.438, 0.562, 0.750, 0.938, 1.156, 1.375, 1.562, 1.781}}, // 18
    {20.000, {0.188, 0.250, 0.375, 0.500, 0.594, 0.812, 1.031, 1.281, 1.500, 1.750, 1.969}}, // 20
    {24.000, {0.218, 0.250, 0.375, 0.562, 0.688, 0.969, 1.219, 1.531, 1.812, 2.062, 2.344}}, // 24
    {26.000, {    0, 0.312, 0.500,     0,     0,     0,     0,     0,     0,     0,     0}}, // 26
    {28.000, {    0, 0.312, 0.500, 0.625,     0,     0,     0,     0,     0,     0,     0}}, // 28
    {30.000, {0.250, 0.312, 0.500, 0.625,     0,     0,     0,     0,     0,     0,     0}}, // 30
    {32.000, {    0, 0.312, 0.500, 0.625, 0.688,     0,     0,     0,     0,     0,     0}}, // 32
    {34.000, {    0, 0.312, 0.500, 0.625, 0.688,     0,     0,     0,     0,     0,     0}}, // 34
    {36.000, {    0, 0.312, 0.500, 0.625, 0.750,     0,     0,     0,     0,     0,     0}}, // 36
}};

// Cells that follow an older pipe chart's wall where the current editions round it
// differently, and cells that give the standard's weight rounded to fewer figures.
struct ChartCell {
    std::string_view size;
    std::string_view schedule;
    double olderWall = 0;
};
constexpr std::array OlderChartWalls{ChartCell{"1/2 - 0.840 in", "160", 0.187}, ChartCell{"3/4 - 1.050 in", "160", 0.218},
                                     ChartCell{"12 - 12.75 in", "5", 0.165}};
constexpr std::array RoundedCells{ChartCell{"10 - 10.75 in", "10"}};

// B36.10M's plain-end weight per foot: 10.68 lb per square inch of wall section in the
// editions before 2018, 10.69 since.
constexpr std::array PlainEndFactors{10.68, 10.69};

double rebarWeight(std::string_view barNumber)
{
    const auto size = std::find(RebarSizes.begin(), RebarSizes.end(), barNumber);
    if (size == RebarSizes.end())
        return -1;
    return QLocale::c().toDouble(text(RebarWeights.at(static_cast<std::size_t>(size - RebarSizes.begin()))));
}

} // namespace

class TestTables : public QObject
{
    Q_OBJECT

private slots:
    void lists_data();
    void lists();
    void entries_data();
    void entries();
    void weightsFromTheStandards_data();
    void weightsFromTheStandards();
    void pipeCaptionsGiveTheOutsideDiameter();
    void alloyFactors_data();
    void alloyFactors();
    void shapeEnumMatchesNames();
};

// The lists the window shows, entry for entry as the user reads them.
void TestTables::lists_data()
{
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QStringList>("expected");

    QStringList alloys;
    for (const AlloyEntry &alloy : AlloyTable)
        alloys << text(alloy.name);
    QTest::newRow("shapes") << toList(ShapeNames) << forms::StockForms;
    QTest::newRow("alloys") << alloys << forms::Alloys;
    QTest::newRow("units") << toList(UnitNames) << forms::Units;
    QTest::newRow("schedules") << toList(PipeSchedules) << forms::Schedules;
    QTest::newRow("rebar sizes") << toList(RebarSizes) << forms::RebarSizes;
    QTest::newRow("tee sizes") << toList(TeeSizes) << forms::TeeSizes;
}

void TestTables::lists()
{
    QFETCH(QStringList, list);
    QFETCH(QStringList, expected);
    QCOMPARE(list, expected);
}

// Count, first and last entry of the other lists, and a few entries between.
void TestTables::entries_data()
{
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("expected");

    const QStringList sizes = toList(PipeSizes);
    QTest::newRow("pipe sizes first") << sizes << 33 << 0 << "1/8 - 0.405 in";
    QTest::newRow("pipe sizes 2 in") << sizes << 33 << 8 << "2 - 2.375 in";
    QTest::newRow("pipe sizes 20 then 24") << sizes << 33 << 26 << "24 - 24.00 in";
    QTest::newRow("pipe sizes last") << sizes << 33 << 32 << "36 - 36.00 in";
    // The weights are texts; they must read as the numbers the trade tables give.
    const QStringList rebarWeights = toList(RebarWeights);
    QTest::newRow("rebar weights first, leading point") << rebarWeights << 11 << 0 << ".376";
    QTest::newRow("rebar weights second") << rebarWeights << 11 << 1 << ".668";
    QTest::newRow("rebar weights trailing zero") << rebarWeights << 11 << 5 << "2.670";
    QTest::newRow("rebar weights last") << rebarWeights << 11 << 10 << "13.60";
    const QStringList teeWeights = toList(TeeWeights);
    QTest::newRow("tee weights first") << teeWeights << 5 << 0 << "1.90";
    QTest::newRow("tee weights second") << teeWeights << 5 << 1 << "2.43";
    QTest::newRow("tee weights third below second") << teeWeights << 5 << 2 << "2.16";
    QTest::newRow("tee weights last") << teeWeights << 5 << 4 << "4.60";
}

void TestTables::entries()
{
    QFETCH(QStringList, list);
    QFETCH(int, count);
    QFETCH(int, position);
    QFETCH(QString, expected);

    QCOMPARE(list.size(), count);
    QCOMPARE(list.at(position), expected);
    QVERIFY(!list.contains(QString()));
}

// Every pipe cell worked out again from the standard's outside diameter D and wall t
// (plain-end weight 10.68 or 10.69 × (D − t) × t, with an older chart's wall where the
// cell follows one), or 0 where the standard has no such pipe; every bar weight from
// the nominal weights of ASTM A615.
void TestTables::weightsFromTheStandards_data()
{
    QTest::addColumn<double>("table");
    QTest::addColumn<QList<double>>("standard"); // the weights the cell may give
    QTest::addColumn<bool>("rounded");           // the cell gives one of them rounded to its own figures

    for (std::size_t size = 0; size < PipeSizes.size(); ++size)
        for (std::size_t schedule = 0; schedule < PipeSchedules.size(); ++schedule) {
            const auto cell = [&](const ChartCell &c) {
                return c.size == PipeSizes.at(size) && c.schedule == PipeSchedules.at(schedule);
            };
            const double outside = StandardPipes.at(size).outside;
            std::vector walls{StandardPipes.at(size).walls.at(schedule)};
            if (const auto older = std::ranges::find_if(OlderChartWalls, cell); older != OlderChartWalls.end())
                walls.push_back(older->olderWall);
            QList<double> weights;
            for (const double factor : PlainEndFactors)
                for (const double wall : walls)
                    weights << factor * (outside - wall) * wall;
            QTest::addRow("pipe %s sched %s", std::string(PipeSizes.at(size)).c_str(),
                          std::string(PipeSchedules.at(schedule)).c_str())
                    << PipeArray.at(size).at(schedule) << weights << std::ranges::any_of(RoundedCells, cell);
        }

    struct Bar {
        const char *size;
        double nominal;
    };
    for (const Bar &bar : {Bar{"3", 0.376}, Bar{"4", 0.668}, Bar{"5", 1.043}, Bar{"6", 1.502}, Bar{"7", 2.044},
                           Bar{"8", 2.670}, Bar{"9", 3.400}, Bar{"10", 4.303}, Bar{"11", 5.313}, Bar{"14", 7.650},
                           Bar{"18", 13.600}})
        QTest::addRow("rebar #%s", bar.size) << rebarWeight(bar.size) << QList<double>{bar.nominal} << false;
}

void TestTables::weightsFromTheStandards()
{
    QFETCH(double, table);
    QFETCH(QList<double>, standard);
    QFETCH(bool, rounded);
    // The tables give four or five significant figures; 0.05 % allows for that
    // rounding and for nothing else; where the standard has no pipe, only 0 passes.
    // A rounded cell must be the standard's weight rounded to the decimals it shows.
    const QString shown = QLocale::c().toString(table, 'g', QLocale::FloatingPointShortest);
    const double scale = std::pow(10.0, shown.contains(u'.') ? shown.size() - shown.indexOf(u'.') - 1 : 0);
    const bool agrees = std::ranges::any_of(standard, [&](double weight) {
        return rounded ? std::round(weight * scale) / scale == table : std::abs(table - weight) <= 0.0005 * weight;
    });
    QStringList weights;
    for (const double weight : standard)
        weights << QString::number(weight, 'f', 4);
    QVERIFY2(agrees, qPrintable(QStringLiteral("table %1, standard %2").arg(table).arg(weights.join(u" or "))));
}

void TestTables::pipeCaptionsGiveTheOutsideDiameter()
{
    for (std::size_t size = 0; size < PipeSizes.size(); ++size) {
        const QString caption = text(PipeSizes.at(size));
        QVERIFY2(caption.endsWith(QStringLiteral(" in")), qPrintable(caption));
        const QString outside = caption.section(QStringLiteral(" - "), 1).chopped(3);
        QVERIFY2(QLocale::c().toDouble(outside) == StandardPipes.at(size).outside, qPrintable(caption));
    }
}

void TestTables::alloyFactors_data()
{
    QTest::addColumn<int>("alloy");
    QTest::addColumn<double>("factor");

    QTest::newRow("steel exactly 1") << 0 << 1.0;
    QTest::newRow("aluminum 1100") << 1 << 0.3462;
    QTest::newRow("aluminum 6061 shares 1100's factor") << 4 << 0.3462;
    QTest::newRow("beryllium") << 6 << 0.236;
    QTest::newRow("inconel 718 exactly 1") << 13 << 1.0;
    QTest::newRow("magnesium") << 16 << 0.229;
    QTest::newRow("tungsten exactly 2.403") << 24 << 2.403;
    QTest::newRow("zirconium") << 25 << 0.812;
}

void TestTables::alloyFactors()
{
    QFETCH(int, alloy);
    QFETCH(double, factor);
    // Exact: a factor read back must equal the table value.
    QVERIFY(AlloyTable.at(static_cast<std::size_t>(alloy)).factor == factor);
}

void TestTables::shapeEnumMatchesNames()
{
    QCOMPARE(text(ShapeNames.at(static_cast<std::size_t>(Shape::RoundBar))), QStringLiteral("Round Bar"));
    QCOMPARE(text(ShapeNames.at(static_cast<std::size_t>(Shape::SquareTube))), QStringLiteral("Square Tube"));
    QCOMPARE(static_cast<int>(Shape::Tees) + 1, ShapeCount);
    QCOMPARE(static_cast<int>(Unit::Metre) + 1, UnitCount);
}

QTEST_GUILESS_MAIN(TestTables)
#include "tst_tables.moc"
