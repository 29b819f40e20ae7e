// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/storerule.h"

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

    // From a round bar, 2 in by 10 ft, nothing calculated yet. "Calculate" weighs the inputs and
    // shows 26.729, "Refused" ends with a message, "result=" is typed by hand; the others change an input.
    QTest::newRow("weighed, nothing changed") << QStringList{"Calculate"} << "";
    QTest::newRow("nothing calculated yet") << QStringList{} << none;
    QTest::newRow("typed with nothing calculated yet") << QStringList{"result=5"} << "";
    QTest::newRow("length changed") << QStringList{"Calculate", "param1=20"} << stale;
    QTest::newRow("length changed and changed back") << QStringList{"Calculate", "param1=20", "param1=10"} << "";
    QTest::newRow("unit changed") << QStringList{"Calculate", "unit1=0"} << stale;
    QTest::newRow("a row the round bar does not show") << QStringList{"Calculate", "param2=9", "unit2=3"} << "";
    QTest::newRow("the unit beside a beam's weight per foot, which it does not show")
        << QStringList{"shape=1", "param2=5", "Calculate", "unit1=3"} << "";
    QTest::newRow("the calculation ended with a message") << QStringList{"Calculate", "param1=x", "Refused"} << stale;
    QTest::newRow("typed by hand after a change") << QStringList{"Calculate", "param1=20", "result=53.458"} << "";
    QTest::newRow("a digit typed and deleted, then a change")
        << QStringList{"Calculate", "result=26.7291", "result=26.729", "param1=20"} << stale;
    QTest::newRow("the same weight with a zero more, then a change")
        << QStringList{"Calculate", "result=26.7290", "param1=20"} << stale;
    QTest::newRow("a typed weight, then a message") << QStringList{"result=5", "Refused"} << stale;
    QTest::newRow("typed, then weighed, then changed") << QStringList{"result=5", "Calculate", "param1=20"} << stale;
    QTest::newRow("no number shown, though typed") << QStringList{"result=heavy"} << none;
}

void TestStoreRule::refusal()
{
    QFETCH(QStringList, events);
    QFETCH(QString, refused);

    keldary::CalcInput shown;
    shown.shape = 10; // Round Bar
    shown.params = {u"2"_s, u"10"_s};
    shown.units = {0, 1};
    shown.numPieces = u"1"_s;
    keldary::StoreRule rule;
    for (const QString &event : events) {
        const QString key = event.section(u'=', 0, 0);
        const QString value = event.section(u'=', 1);
        const auto row = static_cast<std::size_t>(key.right(1).toInt());
        if (key == u"Calculate") {
            shown.result = u"26.729"_s;
            rule.calculated(shown, {shown.result, std::nullopt, true});
        } else if (key == u"Refused") {
            rule.calculated(shown, {shown.result, keldary::Message{u"why"_s, u"Invalid Input"_s}, false});
        } else if (key == u"result") {
            shown.result = value;
        } else if (key == u"shape") {
            shown.shape = value.toInt();
        } else if (key.startsWith(u"param")) {
            shown.params[row] = value;
        } else if (key.startsWith(u"unit")) {
            shown.units[row] = value.toInt();
        }
    }

    const std::optional<keldary::Message> refusal = rule.refusal(shown, QLocale::c());
    QCOMPARE(refusal ? refusal->text : QString(), refused);
    if (refusal)
        QCOMPARE(refusal->title, u"Store Failed"_s);
}

QTEST_GUILESS_MAIN(TestStoreRule)
#include "tst_storerule.moc"
