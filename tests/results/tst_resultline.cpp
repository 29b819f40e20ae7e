// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/resultline.h"

#include <QTest>

using namespace Qt::StringLiterals;
using keldary::CalcInput;

Q_DECLARE_METATYPE(CalcInput)

namespace {

// Shape indexes and list positions as the window's lists hold them.
constexpr int Steel = 0;
constexpr int Aluminum6061 = 4;
constexpr int Brass = 7;
constexpr int Beam = 1;
constexpr int Pipe = 6;
constexpr int Rebar = 8;
constexpr int RectangularTube = 9;
constexpr int RoundBar = 10;
constexpr int Tees = 16;
constexpr int Inch = 0;
constexpr int Foot = 1;
constexpr int Millimetre = 3;
constexpr int Metre = 5;

// One parameter row: its caption, its text and its unit.
struct Field {
    QString caption;
    QString text;
    int unit = Inch;
};

CalcInput snapshot(int alloy, int shape, std::initializer_list<Field> fields,
                   const QString &pieces, const QString &result)
{
    CalcInput s;
    s.alloy = alloy;
    s.shape = shape;
    int i = 0;
    for (const Field &field : fields) {
        s.captions[i] = field.caption;
        s.params[i] = field.text;
        s.units[i] = field.unit;
        ++i;
    }
    s.numPieces = pieces;
    s.result = result;
    return s;
}

CalcInput roundBar(const QString &diameter, const QString &length,
                   const QString &pieces = u"4"_s, const QString &result = u"12.345"_s)
{
    return snapshot(Aluminum6061, RoundBar, {{u"Diameter:"_s, diameter, Inch},
                                             {u"Length:"_s, length, Foot}},
                    pieces, result);
}

CalcInput beam(const QString &weightPerFoot)
{
    return snapshot(Steel, Beam, {{u"Size:"_s, u"8"_s, Inch},
                                  {u"Weight/ft.:"_s, weightPerFoot, Inch},
                                  {u"Length:"_s, u"20"_s, Foot}},
                    u"1"_s, u"200.000"_s);
}

// The size-list shapes: the text boxes the lists cover still hold whatever
// was typed for an earlier shape, and must not leak into the line.
CalcInput pipe(const QString &length, int schedule, int size)
{
    CalcInput s = snapshot(Steel, Pipe, {{u"Size - Outer Diameter:"_s, u"99"_s},
                                         {u"Schedule:"_s, u"98"_s},
                                         {u"Length:"_s, length, Foot}},
                           u"1"_s, u"73.000"_s);
    s.pipeSchedule = schedule;
    s.pipeSize = size;
    return s;
}

CalcInput sizeListShape(int alloy, int shape, const QString &length, const QString &pieces,
                        const QString &result)
{
    return snapshot(alloy, shape, {{u"Size:"_s, u"97"_s}, {u"Length:"_s, length, Foot}}, pieces, result);
}

} // namespace

class TestResultLine : public QObject
{
    Q_OBJECT

private slots:
    void buildResultLine_data();
    void buildResultLine();
    void hasStorableResult_data();
    void hasStorableResult();
};

void TestResultLine::buildResultLine_data()
{
    QTest::addColumn<CalcInput>("snapshot");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");

    const QLocale c = QLocale::c();

    QTest::newRow("round bar, both fields numeric")
        << roundBar(u"2"_s, u"10"_s) << c
        << u"Aluminum 6061  Round Bar   Diameter: 2 in Length: 10 ft  Pieces: 4  Total Weight: 12.345 lbs."_s;
    QTest::newRow("round bar, empty length written as 0.0")
        << roundBar(u"2"_s, QString()) << c
        << u"Aluminum 6061  Round Bar   Diameter: 2 in  Length: 0.0 ft  Pieces: 4  Total Weight: 12.345 lbs."_s;
    QTest::newRow("round bar, letters written as 0.0, not as typed")
        << roundBar(u"two"_s, u"10"_s) << c
        << u"Aluminum 6061  Round Bar    Diameter: 0.0 in Length: 10 ft  Pieces: 4  Total Weight: 12.345 lbs."_s;
    QTest::newRow("beam, weight per foot has no unit")
        << beam(u"10"_s) << c
        << u"Steel (Default)  Beam   Size: 8 in Weight/ft.: 10  Length: 20 ft  Pieces: 1  Total Weight: 200.000 lbs."_s;
    QTest::newRow("beam, weight per foot not numeric and no unit")
        << beam(u"x"_s) << c
        << u"Steel (Default)  Beam   Size: 8 in  Weight/ft.: 0.0  Length: 20 ft  Pieces: 1  Total Weight: 200.000 lbs."_s;
    QTest::newRow("pipe, schedule before size")
        << pipe(u"20"_s, 4, 8) << c
        << u"Steel (Default)  Pipe    Schedule: 40 Size: 2 - 2.375 in Length: 20 ft  Pieces: 1  Total Weight: 73.000 lbs."_s;
    QTest::newRow("pipe, last schedule and size, length not numeric")
        << pipe(u"?"_s, 10, 32) << c
        << u"Steel (Default)  Pipe    Schedule: 160 Size: 36 - 36.00 in  Length: 0.0 ft  Pieces: 1  Total Weight: 73.000 lbs."_s;
    QTest::newRow("rebar, size number then length")
        << [] {
               CalcInput s = sizeListShape(Brass, Rebar, u"20"_s, u"10"_s, u"133.600"_s);
               s.rebarSize = 1;
               return s;
           }()
        << c << u"Brass  Rebar   Size: 4 Length: 20 ft  Pieces: 10  Total Weight: 133.600 lbs."_s;
    QTest::newRow("tees, length not a number")
        << [] {
               CalcInput s = sizeListShape(Steel, Tees, u"abc"_s, u"2"_s, u"5.000"_s);
               s.teeSize = 3;
               return s;
           }()
        << c
        << u"Steel (Default)  Tees   Size: 2 x 2 x .250  Length: 0.0 ft  Pieces: 2  Total Weight: 5.000 lbs."_s;
    QTest::newRow("tees, size caption kept as listed")
        << [] {
               CalcInput s = sizeListShape(Steel, Tees, u"3"_s, u"1"_s, u"6.480"_s);
               s.teeSize = 2;
               return s;
           }()
        << c
        << u"Steel (Default)  Tees   Size: 1 3/3 x 1 3/3 x .25 Length: 3 ft  Pieces: 1  Total Weight: 6.480 lbs."_s;
    QTest::newRow("weight with a space each side copied with its spaces")
        << roundBar(u"2"_s, u"10"_s, u"4"_s, u" 12.345 "_s) << c
        << u"Aluminum 6061  Round Bar   Diameter: 2 in Length: 10 ft  Pieces: 4  Total Weight:  12.345  lbs."_s;
    QTest::newRow("parameter with a leading space written with it")
        << roundBar(u" 2"_s, u"10 "_s) << c
        << u"Aluminum 6061  Round Bar   Diameter:  2 in Length: 10  ft  Pieces: 4  Total Weight: 12.345 lbs."_s;
    QTest::newRow("pieces not a number stored as typed")
        << roundBar(u"2"_s, u"10"_s, u"four"_s) << c
        << u"Aluminum 6061  Round Bar   Diameter: 2 in Length: 10 ft  Pieces: four  Total Weight: 12.345 lbs."_s;
    QTest::newRow("pieces empty stored as empty")
        << roundBar(u"2"_s, u"10"_s, QString()) << c
        << u"Aluminum 6061  Round Bar   Diameter: 2 in Length: 10 ft  Pieces:   Total Weight: 12.345 lbs."_s;
    QTest::newRow("unit names read at the unit index itself")
        << snapshot(Steel, RoundBar, {{u"Diameter:"_s, u"50"_s, Millimetre},
                                      {u"Length:"_s, u"3"_s, Metre}},
                    u"1"_s, u"1.000"_s)
        << c << u"Steel (Default)  Round Bar   Diameter: 50 mm Length: 3 m  Pieces: 1  Total Weight: 1.000 lbs."_s;
    QTest::newRow("hidden fields keep their text out of the line")
        << snapshot(Steel, RoundBar, {{u"Diameter:"_s, u"2"_s},
                                      {u"Length:"_s, u"10"_s, Foot},
                                      {u"Wall Thickness:"_s, u"0.25"_s},
                                      {u"Length:"_s, u"7"_s, Foot}},
                    u"1"_s, u"1.000"_s)
        << c << u"Steel (Default)  Round Bar   Diameter: 2 in Length: 10 ft  Pieces: 1  Total Weight: 1.000 lbs."_s;
    QTest::newRow("four fields of rectangular tube in order")
        << snapshot(Steel, RectangularTube, {{u"Width:"_s, u"2"_s}, {u"Height:"_s, u"3"_s},
                                             {u"Wall Thickness:"_s, u".25"_s},
                                             {u"Length:"_s, u"10"_s, Foot}},
                    u"1"_s, u"9.000"_s)
        << c
        << u"Steel (Default)  Rectangular Tube   Width: 2 in Height: 3 in Wall Thickness: .25 in Length: 10 ft  Pieces: 1  Total Weight: 9.000 lbs."_s;
    QTest::newRow("decimal comma numeric in a German locale")
        << roundBar(u"2,5"_s, u"10"_s) << QLocale(QLocale::German, QLocale::Germany)
        << u"Aluminum 6061  Round Bar   Diameter: 2,5 in Length: 10 ft  Pieces: 4  Total Weight: 12.345 lbs."_s;
    QTest::newRow("no selection gives empty names and no rows")
        << snapshot(-1, -1, {{u"Diameter:"_s, u"2"_s}}, u"1"_s, u"1.000"_s)
        << c << u"      Pieces: 1  Total Weight: 1.000 lbs."_s;
    QTest::newRow("pipe without selected schedule and size")
        << pipe(u"20"_s, -1, -1) << c
        << u"Steel (Default)  Pipe    Schedule:  Size:  Length: 20 ft  Pieces: 1  Total Weight: 73.000 lbs."_s;
    QTest::newRow("rebar and tee lists without selection")
        << [] {
               CalcInput s = sizeListShape(Steel, Rebar, u"1"_s, u"1"_s, u"1.000"_s);
               s.rebarSize = -1;
               s.teeSize = -1;
               return s;
           }()
        << c << u"Steel (Default)  Rebar   Size:  Length: 1 ft  Pieces: 1  Total Weight: 1.000 lbs."_s;
}

void TestResultLine::buildResultLine()
{
    QFETCH(CalcInput, snapshot);
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);

    QCOMPARE(keldary::buildResultLine(snapshot, locale), expected);
}

void TestResultLine::hasStorableResult_data()
{
    QTest::addColumn<QString>("result");
    QTest::addColumn<bool>("storable");

    QTest::newRow("calculated weight") << u"427.664"_s << true;
    QTest::newRow("weight typed with spaces around") << u" 12.345 "_s << true;
    QTest::newRow("empty after Clear Fields") << QString() << false;
    QTest::newRow("spaces only") << u"  "_s << false;
    QTest::newRow("letters") << u"heavy"_s << false;
    QTest::newRow("number with a unit") << u"12 lb"_s << false;
}

void TestResultLine::hasStorableResult()
{
    QFETCH(QString, result);
    QFETCH(bool, storable);

    CalcInput s = roundBar(u"2"_s, u"10"_s, u"4"_s, result);
    QCOMPARE(keldary::hasStorableResult(s, QLocale::c()), storable);
}

QTEST_GUILESS_MAIN(TestResultLine)
#include "tst_resultline.moc"
