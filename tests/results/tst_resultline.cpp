// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calccases.h"
#include "results/resultline.h"

#include <QTest>

using namespace Qt::StringLiterals;
using keldary::ResultSnapshot;

Q_DECLARE_METATYPE(ResultSnapshot)

namespace {

using namespace calccases;

// The window's state for a line: the fields and unit lists the stock form
// shows, as tests/forms.h writes them out.
ResultSnapshot snapshotOf(const CalcInput &in)
{
    ResultSnapshot s;
    s.alloy = in.alloy;
    s.shape = in.shape;
    s.captions = in.captions;
    s.params = in.params;
    s.units = in.units;
    const QStringList fields = forms::layoutOf(in.shape).fields;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        s.paramVisible[std::size_t(i)] = fields[i].section(u'|', 1).contains(u'T');
        s.unitVisible[std::size_t(i)] = fields[i].section(u'|', 1).contains(u'U');
    }
    s.pipeSize = in.pipeSize;
    s.pipeSchedule = in.pipeSchedule;
    s.rebarSize = in.rebarSize;
    s.teeSize = in.teeSize;
    s.numPieces = in.numPieces;
    s.result = in.result;
    return s;
}

ResultSnapshot roundBar(const char *diameter, const char *result = "12.345")
{
    return snapshotOf(shownBefore(input(RoundBar, {{diameter}, {"10", Foot}}, "4", alloy("Aluminum 6061")), result));
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
    QTest::addColumn<ResultSnapshot>("snapshot");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");

    for (const LineCase &row : lineCases())
        QTest::newRow(row.name) << snapshotOf(row.in) << QLocale::c() << row.line;
    QTest::newRow("decimal comma numeric in a German locale")
        << roundBar("2,5") << QLocale(QLocale::German, QLocale::Germany)
        << u"Aluminum 6061  Round Bar   Diameter: 2,5 in Length: 10 ft  Pieces: 4  Total Weight: 12.345 lbs."_s;
    ResultSnapshot noSelection = snapshotOf(shownBefore(input(RoundBar, {{"2"}}), "1.000"));
    noSelection.alloy = noSelection.shape = -1;
    noSelection.paramVisible[1] = false;
    QTest::newRow("no selection gives empty names") << noSelection << QLocale::c()
        << u"     Diameter: 2 in  Pieces: 1  Total Weight: 1.000 lbs."_s;
}

void TestResultLine::buildResultLine()
{
    QFETCH(ResultSnapshot, snapshot);
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
