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
    void inches_data();
    void inches();
    void feet_data();
    void feet();
    void overflow_data();
    void overflow();
};

void TestUnitConversion::inches_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("unit");
    QTest::addColumn<double>("expected");

    QTest::newRow("inches unchanged") << 2.5 << int(Inch) << 2.5;
    QTest::newRow("1 ft is 12 in") << 1.0 << int(Foot) << 12.0;
    QTest::newRow("1 yd is 36 in") << 1.0 << int(Yard) << 36.0;
    QTest::newRow("25.4 mm is exactly 1 in") << 25.4 << int(Millimetre) << 1.0;
    QTest::newRow("2.54 cm is exactly 1 in") << 2.54 << int(Centimetre) << 1.0;
    QTest::newRow("1 m is 39.37007874015748 in") << 1.0 << int(Metre) << 39.37007874015748;
    // These two differ in the last bit from 3 / 25.4 and 100 × (100 / 2.54).
    QTest::newRow("3 mm through cm, not by 25.4") << 3.0 << int(Millimetre) << 0.11811023622047244;
    QTest::newRow("100 m multiplied before dividing") << 100.0 << int(Metre) << 3937.007874015748;
    QTest::newRow("-1 ft is -12 in") << -1.0 << int(Foot) << -12.0;
    QTest::newRow("zero mm") << 0.0 << int(Millimetre) << 0.0;
    QTest::newRow("no unit selected") << 7.0 << -1 << 7.0;
    QTest::newRow("unit index 6") << 7.0 << 6 << 7.0;
}

void TestUnitConversion::inches()
{
    QFETCH(double, value);
    QFETCH(int, unit);
    QFETCH(double, expected);
    compareExactly(UnitConvertInches(value, unit), expected);
}

void TestUnitConversion::feet_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("unit");
    QTest::addColumn<double>("expected");

    QTest::newRow("12 in is 1 ft") << 12.0 << int(Inch) << 1.0;
    QTest::newRow("feet unchanged") << 2.5 << int(Foot) << 2.5;
    QTest::newRow("1 yd is 3 ft") << 1.0 << int(Yard) << 3.0;
    QTest::newRow("25.4 mm is 1/12 ft") << 25.4 << int(Millimetre) << 1.0 / 12;
    QTest::newRow("304.8 mm is 1 ft") << 304.8 << int(Millimetre) << 1.0;
    QTest::newRow("30.48 cm is exactly 1 ft") << 30.48 << int(Centimetre) << 1.0;
    QTest::newRow("0.3048 m is 1 ft") << 0.3048 << int(Metre) << 1.0;
    QTest::newRow("1 m is 3.2808398950131235 ft") << 1.0 << int(Metre) << 3.2808398950131235;
    QTest::newRow("6.096 m is 20 ft") << 6.096 << int(Metre) << 20.0;
    // Differs in the last bit from 7 / 304.8.
    QTest::newRow("7 mm through inches, not by 304.8") << 7.0 << int(Millimetre) << 0.02296587926509186;
    QTest::newRow("-1 yd is -3 ft") << -1.0 << int(Yard) << -3.0;
    QTest::newRow("no unit selected") << 7.0 << -1 << 7.0;
    QTest::newRow("unit index 6") << 7.0 << 6 << 7.0;
}

void TestUnitConversion::feet()
{
    QFETCH(double, value);
    QFETCH(int, unit);
    QFETCH(double, expected);
    compareExactly(UnitConvertFeet(value, unit), expected);
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
