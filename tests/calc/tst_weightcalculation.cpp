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
    void ratios_data();
    void ratios();
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

void TestWeightCalculation::ratios_data()
{
    QTest::addColumn<RatioCase>("row");
    for (const RatioCase &row : ratioCases())
        QTest::newRow(row.name) << row;
}

void TestWeightCalculation::ratios()
{
    QFETCH(RatioCase, row);
    const CalcOutcome first = CalculateWeight(row.first, QLocale::c());
    const CalcOutcome second = CalculateWeight(row.second, QLocale::c());
    QCOMPARE(first.message, std::nullopt);
    QCOMPARE(second.message, std::nullopt);
    const QString problem = ratioProblem(first.result, second.result, row.ratio);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
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
