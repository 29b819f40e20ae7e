// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formfixture.h"

using namespace keldary;
using namespace calccases;

class TestCalculate : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void weights_data();
    void weights();
    void messages_data();
    void messages();
    void ratios_data();
    void ratios();
    void followsTheUsersLocale();
    void clearFieldsWithPipeLayout();
};

void TestCalculate::weights_data()
{
    QTest::addColumn<CalcCase>("row");
    for (const CalcCase &row : weightCases())
        QTest::newRow(row.name) << row;
}

void TestCalculate::weights()
{
    QFETCH(CalcCase, row);
    QLocale::setDefault(QLocale(row.locale));
    FormFixture f;
    f.enter(row.in);
    f.press("cmdCalculate");
    QCOMPARE(f.edit("txtResult")->text(), row.result);
    QVERIFY2(f.messages.isEmpty(), f.messages.isEmpty() ? "" : qPrintable(f.messages.first().text));
}

void TestCalculate::messages_data()
{
    QTest::addColumn<CalcCase>("row");
    for (const CalcCase &row : refusedCases())
        QTest::newRow(row.name) << row;
}

void TestCalculate::messages()
{
    QFETCH(CalcCase, row);
    QLocale::setDefault(QLocale(row.locale));
    FormFixture f;
    f.enter(row.in);
    f.press("cmdCalculate");
    const QList<Message> expected = row.text.isEmpty() ? QList<Message>{} : QList<Message>{{row.text, row.title}};
    QCOMPARE(f.messages, expected);
    QCOMPARE(f.edit("txtResult")->text(), row.result);
    // A refused calculation leaves every typed text as it was.
    for (int i = 0; i < ParamCount; ++i)
        QCOMPARE(f.param(i)->text(), row.in.params[std::size_t(i)]);
}

void TestCalculate::ratios_data()
{
    QTest::addColumn<RatioCase>("row");
    for (const RatioCase &row : ratioCases())
        QTest::newRow(row.name) << row;
}

void TestCalculate::ratios()
{
    QFETCH(RatioCase, row);
    FormFixture a;
    a.enter(row.first);
    a.press("cmdCalculate");
    FormFixture b;
    b.enter(row.second);
    b.press("cmdCalculate");
    QVERIFY(a.messages.isEmpty() && b.messages.isEmpty());
    const QString problem = ratioProblem(a.edit("txtResult")->text(), b.edit("txtResult")->text(), row.ratio);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void TestCalculate::followsTheUsersLocale()
{
    // The locale of the session (LANG / LC_ALL), whatever CTest runs us under.
    QLocale::setDefault(QLocale::system());
    const QString point = QLocale::system().decimalPoint();
    FormFixture f;
    f.enter(input(RoundBar, {{"2"}, {"10", Foot}}));
    f.param(0)->setText("2" + point + "5");
    f.press("cmdCalculate");
    QVERIFY(f.messages.isEmpty());
    QCOMPARE(f.edit("txtResult")->text(), "167" + point + "056");
}

void TestCalculate::clearFieldsWithPipeLayout()
{
    FormFixture f;
    CalcInput in = withHidden(pipe(Pipe2, Schedule40, {"21", Foot}, "3", alloy("Brass")), "1");
    in.params[3] = in.params[4] = "4";
    f.enter(in);
    f.press("cmdCalculate");
    f.press("cmdStoreResult");
    const QStringList stored = f.lines();
    QCOMPARE(stored.size(), 1);

    f.press("cmdClearFields");
    for (int i = 0; i < 5; ++i)
        QCOMPARE(f.param(i)->text(), QString());
    QCOMPARE(f.edit("txtNumPieces")->text(), QString("1"));
    QCOMPARE(f.edit("txtResult")->text(), QString());
    QCOMPARE(f.combo("cmbShapes")->currentIndex(), 6);
    QCOMPARE(f.combo("cmbAlloy")->currentIndex(), 7);
    QCOMPARE(f.combo("cmbSize")->currentIndex(), 8);
    QCOMPARE(f.combo("cmbSchedule")->currentIndex(), 4);
    QCOMPARE(f.unit(2)->currentIndex(), int(Foot));
    QVERIFY(f.param(0)->isHidden());
    QCOMPARE(f.lines(), stored);
    QVERIFY(f.messages.isEmpty());

    // Calculate right after clearing: the empty length is named.
    f.press("cmdCalculate");
    QCOMPARE(f.messages.size(), 1);
    QCOMPARE(f.messages.first().text, QString("You entered an illegal value for the Length"));
}

QTEST_MAIN(TestCalculate)
#include "tst_calculate.moc"
