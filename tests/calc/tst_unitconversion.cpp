// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/calcerror.h"
#include "calc/unitconversion.h"
#include "data/unitnames.h"

#include <QTest>

#include <limits>

using namespace keldary;

namespace {

using enum keldary::Unit;

// QCOMPARE on doubles is fuzzy; a conversion must give the very same double.
void compareExactly(double actual, double expected)
{
    QVERIFY2(actual == expected, qPrintable(QStringLiteral("got %1, expected %2")
                                                    .arg(actual, 0, 'g', 17)
                                                    .arg(expected, 0, 'g', 17)));
}

} // namespace

class TestUnitConversion : public QObject
{
    Q_OBJECT

private slots:
    void convert_data();
    void convert();
    void overflow_data();
    void overflow();
};

void TestUnitConversion::convert_data()
{
    QTest::addColumn<bool>("toFeet");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("unit");
    QTest::addColumn<double>("expected");

    QTest::newRow("inches: inches unchanged") << false << 2.5 << int(Inch) << 2.5;
    QTest::newRow("inches: 1 ft is 12 in") << false << 1.0 << int(Foot) << 12.0;
    QTest::newRow("inches: 1 yd is 36 in") << false << 1.0 << int(Yard) << 36.0;
    QTest::newRow("inches: 25.4 mm is exactly 1 in") << false << 25.4 << int(Millimetre) << 1.0;
    QTest::newRow("inches: 2.54 cm is exactly 1 in") << false << 2.54 << int(Centimetre) << 1.0;
    QTest::newRow("inches: 1 m is 39.37007874015748 in") << false << 1.0 << int(Metre) << 39.37007874015748;
    // These two differ in the last bit from 3 / 25.4 and 100 × (100 / 2.54).
    QTest::newRow("inches: 3 mm through cm, not by 25.4") << false << 3.0 << int(Millimetre) << 0.11811023622047244;
    QTest::newRow("inches: 100 m multiplied before dividing") << false << 100.0 << int(Metre) << 3937.007874015748;
    QTest::newRow("inches: -1 ft is -12 in") << false << -1.0 << int(Foot) << -12.0;
    QTest::newRow("inches: zero mm") << false << 0.0 << int(Millimetre) << 0.0;
    QTest::newRow("inches: no unit selected") << false << 7.0 << -1 << 7.0;
    QTest::newRow("inches: unit index 6") << false << 7.0 << 6 << 7.0;

    QTest::newRow("feet: 12 in is 1 ft") << true << 12.0 << int(Inch) << 1.0;
    QTest::newRow("feet: feet unchanged") << true << 2.5 << int(Foot) << 2.5;
    QTest::newRow("feet: 1 yd is 3 ft") << true << 1.0 << int(Yard) << 3.0;
    QTest::newRow("feet: 25.4 mm is 1/12 ft") << true << 25.4 << int(Millimetre) << 1.0 / 12;
    QTest::newRow("feet: 304.8 mm is 1 ft") << true << 304.8 << int(Millimetre) << 1.0;
    QTest::newRow("feet: 30.48 cm is exactly 1 ft") << true << 30.48 << int(Centimetre) << 1.0;
    QTest::newRow("feet: 0.3048 m is 1 ft") << true << 0.3048 << int(Metre) << 1.0;
    QTest::newRow("feet: 1 m is 3.2808398950131235 ft") << true << 1.0 << int(Metre) << 3.2808398950131235;
    QTest::newRow("feet: 6.096 m is 20 ft") << true << 6.096 << int(Metre) << 20.0;
    // Differs in the last bit from 7 / 304.8.
    QTest::newRow("feet: 7 mm through inches, not by 304.8") << true << 7.0 << int(Millimetre) << 0.02296587926509186;
    QTest::newRow("feet: -1 yd is -3 ft") << true << -1.0 << int(Yard) << -3.0;
    QTest::newRow("feet: no unit selected") << true << 7.0 << -1 << 7.0;
    QTest::newRow("feet: unit index 6") << true << 7.0 << 6 << 7.0;
}

void TestUnitConversion::convert()
{
    QFETCH(bool, toFeet);
    QFETCH(double, value);
    QFETCH(int, unit);
    QFETCH(double, expected);
    compareExactly(toFeet ? UnitConvertFeet(value, unit) : UnitConvertInches(value, unit), expected);
}

void TestUnitConversion::overflow_data()
{
    QTest::addColumn<bool>("toFeet");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("unit");
    QTest::addColumn<bool>("throws");

    const double max = std::numeric_limits<double>::max();
    QTest::newRow("1e307 m in inches") << false << 1e307 << int(Metre) << true;
    QTest::newRow("1e307 yd in inches") << false << 1e307 << int(Yard) << true;
    QTest::newRow("-1e308 ft in inches") << false << -1e308 << int(Foot) << true;
    QTest::newRow("1e307 m in feet") << true << 1e307 << int(Metre) << true;
    QTest::newRow("max yd in feet") << true << max << int(Yard) << true;
    QTest::newRow("max mm in inches shrinks") << false << max << int(Millimetre) << false;
    QTest::newRow("max in feet shrinks") << true << max << int(Inch) << false;
    QTest::newRow("max unchanged in inches") << false << max << int(Inch) << false;
    QTest::newRow("1e306 m in inches fits") << false << 1e306 << int(Metre) << false;
}

void TestUnitConversion::overflow()
{
    QFETCH(bool, toFeet);
    QFETCH(double, value);
    QFETCH(int, unit);
    QFETCH(bool, throws);

    bool thrown = false;
    try {
        const double converted = toFeet ? UnitConvertFeet(value, unit) : UnitConvertInches(value, unit);
        QVERIFY(std::isfinite(converted));
    } catch (const OverflowError &) {
        thrown = true;
    }
    QCOMPARE(thrown, throws);
}

QTEST_GUILESS_MAIN(TestUnitConversion)
#include "tst_unitconversion.moc"
