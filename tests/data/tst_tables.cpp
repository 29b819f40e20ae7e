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

#include <QTest>

#include <algorithm>
#include <cmath>

using namespace keldary;

namespace {

QString text(std::string_view view)
{
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

// The table's weight per foot of a nominal pipe size ("3-1/2") in a schedule
// ("10"), or -1 when the lists hold no such size or schedule.
double pipeCell(std::string_view nominal, std::string_view schedule)
{
    const auto size = std::find_if(PipeSizes.begin(), PipeSizes.end(), [nominal](std::string_view caption) {
        return caption.substr(0, caption.find(" - ")) == nominal;
    });
    const auto column = std::find(PipeSchedules.begin(), PipeSchedules.end(), schedule);
    if (size == PipeSizes.end() || column == PipeSchedules.end())
        return -1;
    return PipeArray.at(static_cast<std::size_t>(size - PipeSizes.begin()))
            .at(static_cast<std::size_t>(column - PipeSchedules.begin()));
}

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
    void pipeCells_data();
    void pipeCells();
    void pipeRowsWithoutData_data();
    void pipeRowsWithoutData();
    void largestPipeCell();
    void weightsFromTheStandards_data();
    void weightsFromTheStandards();
    void sizeWeights_data();
    void sizeWeights();
    void alloyFactors_data();
    void alloyFactors();
    void shapeEnumMatchesNames();
};

// Count, first and last entry of every list, and a few entries between.
void TestTables::lists_data()
{
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("expected");

    const auto toList = [](const auto &table) {
        QStringList list;
        for (const std::string_view entry : table)
            list << text(entry);
        return list;
    };
    QStringList alloys;
    for (const AlloyEntry &alloy : AlloyTable)
        alloys << text(alloy.name);

    const QStringList shapes = toList(ShapeNames);
    QTest::newRow("shapes first") << shapes << 17 << 0 << "Angles";
    QTest::newRow("shapes pipe") << shapes << 17 << 6 << "Pipe";
    QTest::newRow("shapes rectangular tube") << shapes << 17 << 9 << "Rectangular Tube";
    QTest::newRow("shapes last") << shapes << 17 << 16 << "Tees";
    QTest::newRow("alloys first") << alloys << 26 << 0 << "Steel (Default)";
    QTest::newRow("alloys aluminum 6061") << alloys << 26 << 4 << "Aluminum 6061";
    QTest::newRow("alloys inconel 718") << alloys << 26 << 13 << "Inconel 718";
    QTest::newRow("alloys tungsten") << alloys << 26 << 24 << "Tungsten";
    QTest::newRow("alloys last") << alloys << 26 << 25 << "Zirconium";
    const QStringList units = toList(UnitNames);
    QTest::newRow("units first") << units << 6 << 0 << "in";
    QTest::newRow("units mm") << units << 6 << 3 << "mm";
    QTest::newRow("units last") << units << 6 << 5 << "m";
    const QStringList sizes = toList(PipeSizes);
    QTest::newRow("pipe sizes first") << sizes << 33 << 0 << "1/8 - 0.405 in";
    QTest::newRow("pipe sizes 2 in") << sizes << 33 << 8 << "2 - 2.375 in";
    QTest::newRow("pipe sizes 20 then 24") << sizes << 33 << 26 << "24 - 24.00 in";
    QTest::newRow("pipe sizes last") << sizes << 33 << 32 << "36 - 36.00 in";
    const QStringList schedules = toList(PipeSchedules);
    QTest::newRow("schedules first") << schedules << 11 << 0 << "5";
    QTest::newRow("schedules 40") << schedules << 11 << 4 << "40";
    QTest::newRow("schedules last") << schedules << 11 << 10 << "160";
    const QStringList rebarSizes = toList(RebarSizes);
    QTest::newRow("rebar sizes first") << rebarSizes << 11 << 0 << "3";
    QTest::newRow("rebar sizes 14 after 11") << rebarSizes << 11 << 9 << "14";
    QTest::newRow("rebar sizes last") << rebarSizes << 11 << 10 << "18";
    const QStringList rebarWeights = toList(RebarWeights);
    QTest::newRow("rebar weights first, leading point") << rebarWeights << 11 << 0 << ".376";
    QTest::newRow("rebar weights second") << rebarWeights << 11 << 1 << ".668";
    QTest::newRow("rebar weights trailing zero") << rebarWeights << 11 << 5 << "2.670";
    QTest::newRow("rebar weights last") << rebarWeights << 11 << 10 << "13.60";
    const QStringList teeSizes = toList(TeeSizes);
    QTest::newRow("tee sizes first") << teeSizes << 5 << 0 << "1 1/2 x 1 1/2 x .188";
    QTest::newRow("tee sizes third as always listed") << teeSizes << 5 << 2 << "1 3/3 x 1 3/3 x .25";
    QTest::newRow("tee sizes last") << teeSizes << 5 << 4 << "2 1/2 x 2 1/2 x .25";
    const QStringList teeWeights = toList(TeeWeights);
    QTest::newRow("tee weights first") << teeWeights << 5 << 0 << "1.90";
    QTest::newRow("tee weights third below second") << teeWeights << 5 << 2 << "2.16";
    QTest::newRow("tee weights last") << teeWeights << 5 << 4 << "4.60";
}

void TestTables::lists()
{
    QFETCH(QStringList, list);
    QFETCH(int, count);
    QFETCH(int, position);
    QFETCH(QString, expected);

    QCOMPARE(list.size(), count);
    QCOMPARE(list.at(position), expected);
    QVERIFY(!list.contains(QString()));
}

void TestTables::pipeCells_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("schedule");
    QTest::addColumn<double>("weight");

    QTest::newRow("1/8 in, sched 5: first cell") << 0 << 0 << 0.1383;
    QTest::newRow("1/8 in, sched 20: not made") << 0 << 2 << 0.0;
    QTest::newRow("1/8 in, sched 80") << 0 << 6 << 0.3145;
    QTest::newRow("1/2 in, sched 160") << 3 << 10 << 1.304;
    QTest::newRow("2 in, sched 40") << 8 << 4 << 3.653;
    QTest::newRow("3-1/2 in, sched 160: not made") << 11 << 10 << 0.0;
    QTest::newRow("4 in, sched 120") << 12 << 8 << 19.0;
    QTest::newRow("8 in, sched 30") << 17 << 3 << 24.7;
    QTest::newRow("10 in, sched 140") << 19 << 9 << 104.1;
    QTest::newRow("14 in, sched 5: not made") << 22 << 0 << 0.0;
    QTest::newRow("18 in, sched 100") << 24 << 7 << 208.0;
    QTest::newRow("26 in, sched 20") << 27 << 2 << 136.17;
    QTest::newRow("32 in, sched 40") << 30 << 4 << 230.08;
    QTest::newRow("36 in, sched 20") << 32 << 2 << 189.57;
    QTest::newRow("36 in, sched 40: last filled cell") << 32 << 4 << 282.35;
    QTest::newRow("36 in, sched 160: last cell") << 32 << 10 << 0.0;
}

void TestTables::pipeCells()
{
    QFETCH(int, size);
    QFETCH(int, schedule);
    QFETCH(double, weight);
    QCOMPARE(PipeArray.at(static_cast<std::size_t>(size)).at(static_cast<std::size_t>(schedule)), weight);
}

void TestTables::pipeRowsWithoutData_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("empty");

    for (int size = 0; size < PipeSizeCount; ++size) {
        const std::string_view name = PipeSizes.at(static_cast<std::size_t>(size));
        const bool empty = name == "4-1/2 - 5.000 in" || name == "7 - 7.625 in" || name == "9 - 9.625 in"
                || name == "11 - 11.75 in";
        QTest::addRow("%s", std::string(name).c_str()) << size << empty;
    }
}

// Exactly four sizes have no data; every other size is made in some schedule.
void TestTables::pipeRowsWithoutData()
{
    QFETCH(int, size);
    QFETCH(bool, empty);
    const auto &row = PipeArray.at(static_cast<std::size_t>(size));
    const bool allZero = std::all_of(row.begin(), row.end(), [](double cell) { return cell == 0; });
    QCOMPARE(allZero, empty);
}

void TestTables::largestPipeCell()
{
    double largest = 0;
    for (const auto &row : PipeArray)
        for (const double cell : row) {
            QVERIFY(cell >= 0);
            largest = std::max(largest, cell);
        }
    QCOMPARE(largest, 542.1);
    QCOMPARE(PipeArray.at(26).at(10), 542.1);
}

// Weights per foot worked out from the published standards' own figures, not
// copied from the tables: steel pipe from its outside diameter D and standard
// wall t in inches (ASME B36.10M plain-end weight, 10.68 × (D − t) × t), and
// reinforcing bar from the nominal weight of ASTM A615. The cells once mistyped
// (3-1/2 in sched 10, 6 in 160, 8 in 100, 10 in 30 and 120, 12 in 140, 24 in 20,
// 36 in 20, bar #9) stand among neighbours that were right all along.
void TestTables::weightsFromTheStandards_data()
{
    QTest::addColumn<double>("table");
    QTest::addColumn<double>("standard");

    struct PipeWall {
        const char *size;
        const char *schedule;
        double outside;
        double wall;
    };
    const PipeWall pipes[] = {
        {"2", "40", 2.375, 0.154},
        {"3-1/2", "5", 4.000, 0.083},  {"3-1/2", "10", 4.000, 0.120},  {"3-1/2", "40", 4.000, 0.226},
        {"6", "120", 6.625, 0.562},    {"6", "160", 6.625, 0.719},
        {"8", "80", 8.625, 0.500},     {"8", "100", 8.625, 0.594},     {"8", "120", 8.625, 0.719},
        {"10", "20", 10.75, 0.250},    {"10", "30", 10.75, 0.307},     {"10", "40", 10.75, 0.365},
        {"10", "100", 10.75, 0.719},   {"10", "120", 10.75, 0.844},    {"10", "140", 10.75, 1.000},
        {"12", "120", 12.75, 1.000},   {"12", "140", 12.75, 1.125},    {"12", "160", 12.75, 1.312},
        {"24", "10", 24.00, 0.250},    {"24", "20", 24.00, 0.375},     {"24", "30", 24.00, 0.562},
        {"34", "20", 34.00, 0.500},
        {"36", "10", 36.00, 0.312},    {"36", "20", 36.00, 0.500},     {"36", "30", 36.00, 0.625},
    };
    for (const PipeWall &p : pipes)
        QTest::addRow("pipe %s in sched %s, %.3f in wall", p.size, p.schedule, p.wall)
                << pipeCell(p.size, p.schedule) << 10.68 * (p.outside - p.wall) * p.wall;

    struct Bar {
        const char *size;
        double nominal;
    };
    for (const Bar &bar : {Bar{"8", 2.670}, Bar{"9", 3.400}, Bar{"10", 4.303}})
        QTest::addRow("rebar #%s", bar.size) << rebarWeight(bar.size) << bar.nominal;
}

void TestTables::weightsFromTheStandards()
{
    QFETCH(double, table);
    QFETCH(double, standard);
    // The tables give four or five significant figures; 0.05 % allows for that
    // rounding and for nothing else.
    QVERIFY2(std::abs(table - standard) <= 0.0005 * standard,
             qPrintable(QStringLiteral("table %1, standard %2").arg(table).arg(standard, 0, 'f', 4)));
}

void TestTables::sizeWeights_data()
{
    QTest::addColumn<QString>("weight");
    QTest::addColumn<double>("value");

    QTest::newRow("rebar 3") << text(RebarWeights.front()) << 0.376;
    QTest::newRow("rebar 18") << text(RebarWeights.back()) << 13.6;
    QTest::newRow("tee first") << text(TeeWeights.front()) << 1.9;
    QTest::newRow("tee second") << text(TeeWeights.at(1)) << 2.43;
    QTest::newRow("tee third") << text(TeeWeights.at(2)) << 2.16;
}

// The weights are texts; they must read as the numbers the trade tables give.
void TestTables::sizeWeights()
{
    QFETCH(QString, weight);
    QFETCH(double, value);
    bool ok = false;
    QCOMPARE(QLocale::c().toDouble(weight, &ok), value);
    QVERIFY(ok);
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
