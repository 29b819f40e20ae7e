// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calccases.h"

#include <QTest>

using namespace keldary;

namespace {

using namespace calccases;

const QString Illegal = QStringLiteral("You entered an illegal value for the ");

} // namespace

class TestWeightCalculation : public QObject
{
    Q_OBJECT

private slots:
    void weights_data();
    void weights();
    void messages_data();
    void messages();
    void equivalences_data();
    void equivalences();
    void scaling_data();
    void scaling();
    void generateError_data();
    void generateError();
};

void TestWeightCalculation::weights_data()
{
    QTest::addColumn<CalcCase>("row");
    for (const CalcCase &row : weightCases())
        QTest::newRow(row.name) << row;
}

void TestWeightCalculation::weights()
{
    QFETCH(CalcCase, row);
    const CalcOutcome out = CalculateWeight(row.in, QLocale(row.locale));
    QCOMPARE(out.message, std::nullopt);
    QCOMPARE(out.result, row.result);
    QVERIFY(out.weighed);
}

void TestWeightCalculation::messages_data()
{
    QTest::addColumn<CalcCase>("row");
    for (const CalcCase &row : refusedCases())
        QTest::newRow(row.name) << row;
}

void TestWeightCalculation::messages()
{
    QFETCH(CalcCase, row);
    const CalcOutcome out = CalculateWeight(row.in, QLocale(row.locale));
    QCOMPARE(out.result, row.result);
    // Whatever the result box shows afterwards, it is no weight of these inputs.
    QVERIFY(!out.weighed);
    if (row.text.isEmpty()) {
        QCOMPARE(out.message, std::nullopt);
    } else {
        QVERIFY(out.message.has_value());
        QCOMPARE(out.message->text, row.text);
        QCOMPARE(out.message->title, row.title);
    }
}

void TestWeightCalculation::equivalences_data()
{
    QTest::addColumn<CalcInput>("a");
    QTest::addColumn<CalcInput>("b");

    QTest::newRow("25.4 mm is 1 in") << input(RoundBar, {{"25.4", Millimetre}, {"1", Foot}})
                                     << input(RoundBar, {{"1"}, {"1", Foot}});
    QTest::newRow("304.8 mm is 1 ft") << input(RoundBar, {{"1"}, {"304.8", Millimetre}})
                                      << input(RoundBar, {{"1"}, {"1", Foot}});
    QTest::newRow("6.096 m is 20 ft") << input(Beam, {{"8"}, {"10"}, {"6.096", Metre}})
                                      << input(Beam, {{"8"}, {"10"}, {"20", Foot}});
    QTest::newRow("angle length 120 in is 10 ft") << input(Angles, {{"3"}, {"2"}, {"0.25"}, {"120"}})
                                                  << input(Angles, {{"3"}, {"2"}, {"0.25"}, {"10", Foot}});
    QTest::newRow("inconel 718 weighs as steel") << input(Plate, {{"0.5"}, {"12"}, {"10", Foot}}, "1", alloy("Inconel 718"))
                                                 << input(Plate, {{"0.5"}, {"12"}, {"10", Foot}});
    QTest::newRow("the hidden pipe fields are not read") << withHidden(pipe(Pipe2, Schedule40, {"21", Foot}), "junk")
                                                         << pipe(Pipe2, Schedule40, {"21", Foot});
}

void TestWeightCalculation::equivalences()
{
    QFETCH(CalcInput, a);
    QFETCH(CalcInput, b);

    const CalcOutcome first = CalculateWeight(a, QLocale::c());
    QCOMPARE(first.message, std::nullopt);
    QCOMPARE(first.result, CalculateWeight(b, QLocale::c()).result);
}

// Scaling is checked on unformatted weights: compare a run with the base run times the factor.
void TestWeightCalculation::scaling_data()
{
    QTest::addColumn<CalcInput>("base");
    QTest::addColumn<CalcInput>("scaled");
    QTest::addColumn<double>("factor");

    const CalcInput plate = input(Plate, {{"0.5"}, {"12"}, {"10", Foot}});
    QTest::newRow("two pieces of plate") << plate << input(Plate, {{"0.5"}, {"12"}, {"10", Foot}}, "2") << 2.0;
    QTest::newRow("two pieces of square tube") << input(SquareTube, {{"2"}, {"0.125"}, {"10", Foot}})
                                               << input(SquareTube, {{"2"}, {"0.125"}, {"10", Foot}}, "2") << 2.0;
    QTest::newRow("aluminum 6061 plate") << plate << withAlloy(plate, alloy("Aluminum 6061")) << 0.3462;
    QTest::newRow("tungsten pipe") << pipe(Pipe24, Schedule160, {"100", Foot}) << pipe(Pipe24, Schedule160, {"100", Foot}, "1", alloy("Tungsten")) << 2.403;
    QTest::newRow("tungsten angle") << input(Angles, {{"3"}, {"2"}, {"0.25"}, {"10", Foot}})
                                    << withAlloy(input(Angles, {{"3"}, {"2"}, {"0.25"}, {"10", Foot}}), alloy("Tungsten")) << 2.403;
}

void TestWeightCalculation::scaling()
{
    QFETCH(CalcInput, base);
    QFETCH(CalcInput, scaled);
    QFETCH(double, factor);

    const double one = CalculateWeight(base, QLocale::c()).result.toDouble();
    const double many = CalculateWeight(scaled, QLocale::c()).result.toDouble();
    QVERIFY(one > 1);
    // Both are rounded to thousandths.
    QVERIFY2(std::abs(many - one * factor) <= 0.0005 * (1 + factor),
             qPrintable(QStringLiteral("%1 vs %2 x %3").arg(many).arg(one).arg(factor)));
}

void TestWeightCalculation::generateError_data()
{
    QTest::addColumn<int>("fieldCount");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("expected");

    QTest::newRow("one field") << 2 << QStringList{"1", "x"} << Illegal + "Leg 2";
    QTest::newRow("fields past the count are not examined") << 1 << QStringList{"1", "x"} << Illegal;
    QTest::newRow("nothing illegal gives the bare text") << 2 << QStringList{"1", "2"} << Illegal;
    QTest::newRow("spaces around a number are fine") << 2 << QStringList{" 1 ", "x"} << Illegal + "Leg 2";
    QTest::newRow("four names") << 4 << QStringList{"", "", "", ""}
                                << Illegal + "Leg 1 and the Leg 2 and the Thickness and the Length";
    QTest::newRow("count beyond the fields") << 9 << QStringList{"1", "1", "1", "x", "1"} << Illegal + "Length";
    QTest::newRow("negative count") << -1 << QStringList{"x"} << Illegal;
}

void TestWeightCalculation::generateError()
{
    QFETCH(int, fieldCount);
    QFETCH(QStringList, texts);
    QFETCH(QString, expected);

    std::array<QString, ParamCount> fields;
    std::copy(texts.begin(), texts.end(), fields.begin());
    const Message message = GenerateError(fieldCount, fields, forms::captionsOf(int(Angles)), QLocale::c());
    QCOMPARE(message.text, expected);
    QCOMPARE(message.title, QStringLiteral("Illegal Input"));
}

QTEST_GUILESS_MAIN(TestWeightCalculation)
#include "tst_weightcalculation.moc"
