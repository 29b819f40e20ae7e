// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calccases.h"
#include "results/resultline.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using namespace calccases;

CalcInput roundBar(const char *diameter, const char *result = "12.345")
{
    return shownBefore(input(RoundBar, {{diameter}, {"10", Foot}}, "4", alloy("Aluminum 6061")), result);
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

    for (const LineCase &row : lineCases())
        QTest::newRow(row.name) << row.in << QLocale::c() << row.line;
    QTest::newRow("decimal comma numeric in a German locale")
        << roundBar("2,5") << QLocale(QLocale::German, QLocale::Germany)
        << u"Aluminum 6061  Round Bar   Diameter: 2,5 in Length: 10 ft  Pieces: 4  Total Weight: 12.345 lbs."_s;
    CalcInput noSelection = shownBefore(input(RoundBar, {{"2"}}), "1.000");
    noSelection.alloy = noSelection.shape = -1;
    QTest::newRow("no selection gives empty names and no rows") << noSelection << QLocale::c()
        << u"      Pieces: 1  Total Weight: 1.000 lbs."_s;
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

    QCOMPARE(keldary::hasStorableResult(roundBar("2", qPrintable(result)), QLocale::c()), storable);
}

QTEST_GUILESS_MAIN(TestResultLine)
#include "tst_resultline.moc"
