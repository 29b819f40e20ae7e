// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/storerule.h"

#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

class TestStoreRule : public QObject
{
    Q_OBJECT

private slots:
    void refusal_data();
    void refusal();
};

void TestStoreRule::refusal_data()
{
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QString>("refused");

    const QString stale = u"The weight shown was not calculated from the current inputs"_s;
    const QString none = u"There is no calculation to be stored"_s;

    // Every row starts from a round bar, 2 in by 10 ft, showing 26.729, with nothing calculated yet.
    // "Calculate" weighs the inputs shown, "Refused" ends with a message,
    // "result=" is typed by hand, "param_N=" and "unit_N#" change a row, "shape#" the stock form.
    QTest::newRow("weighed, nothing changed") << QStringList{"Calculate"} << "";
    QTest::newRow("never weighed") << QStringList{} << stale;
    QTest::newRow("length changed") << QStringList{"Calculate", "param_1=20"} << stale;
    QTest::newRow("length changed and changed back") << QStringList{"Calculate", "param_1=20", "param_1=10"} << "";
    QTest::newRow("unit changed") << QStringList{"Calculate", "unit_1#0"} << stale;
    QTest::newRow("pieces changed") << QStringList{"Calculate", "pieces=2"} << stale;
    QTest::newRow("a row the round bar does not show")
        << QStringList{"Calculate", "param_2=9", "unit_2#3"} << "";
    QTest::newRow("the unit beside a beam's weight per foot, which it does not show")
        << QStringList{"shape#1", "param_2=5", "Calculate", "unit_1#3"} << "";
    QTest::newRow("the calculation ended with a message") << QStringList{"Refused"} << stale;
    QTest::newRow("a message after a good calculation") << QStringList{"Calculate", "Refused"} << stale;
    QTest::newRow("typed by hand after a change") << QStringList{"Calculate", "param_1=20", "result=53.458"} << "";
    QTest::newRow("a typed weight, then a message") << QStringList{"result=5", "Refused"} << stale;
    QTest::newRow("typed, then weighed, then changed")
        << QStringList{"result=5", "Calculate", "param_1=20"} << stale;
    QTest::newRow("no number shown, though typed") << QStringList{"result=heavy"} << none;
    QTest::newRow("nothing shown") << QStringList{"Calculate", "result="} << none;
}

void TestStoreRule::refusal()
{
    QFETCH(QStringList, events);
    QFETCH(QString, refused);

    keldary::CalcInput shown;
    shown.shape = 10; // Round Bar
    shown.captions = {u"Diameter:"_s, u"Length:"_s, u"Label2"_s, u"Label2"_s, u"Label2"_s};
    shown.params[0] = u"2"_s;
    shown.params[1] = u"10"_s;
    shown.units[1] = 1;
    shown.numPieces = u"1"_s;
    shown.result = u"26.729"_s;

    keldary::StoreRule rule;
    for (const QString &event : events) {
        const qsizetype split = event.indexOf(QRegularExpression(u"[=#]"_s));
        const QString key = event.left(split);
        const QString value = event.mid(split + 1);
        const int row = key.section(u'_', 1).toInt();
        if (event == u"Calculate" || event == u"Refused") {
            rule.calculated(shown, event == u"Calculate");
        } else if (key == u"result") {
            shown.result = value;
            rule.typedByHand();
        } else if (key.startsWith(u"param_")) {
            shown.params[row] = value;
        } else if (key.startsWith(u"unit_")) {
            shown.units[row] = value.toInt();
        } else if (key == u"pieces") {
            shown.numPieces = value;
        } else if (key == u"shape") {
            shown.shape = value.toInt();
        }
    }

    const std::optional<keldary::Message> refusal = rule.refusal(shown, QLocale::c());
    QCOMPARE(refusal ? refusal->text : QString(), refused);
    if (refusal)
        QCOMPARE(refusal->title, u"Store Failed"_s);
}

QTEST_GUILESS_MAIN(TestStoreRule)
#include "tst_storerule.moc"
