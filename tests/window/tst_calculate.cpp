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
    void equivalentEntries_data();
    void equivalentEntries();
    void hiddenFieldsKeepTheirTextsAfterAMessage_data();
    void hiddenFieldsKeepTheirTextsAfterAMessage();
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

void TestCalculate::equivalentEntries_data()
{
    QTest::addColumn<CalcInput>("first");
    QTest::addColumn<CalcInput>("second");
    QTest::addColumn<double>("ratio");

    QTest::newRow("25.4 mm is 1 in") << input(SquareTube, {{"50.8", Millimetre}, {"3.175", Millimetre}, {"3", Foot}})
                                     << input(SquareTube, {{"2"}, {"0.125"}, {"3", Foot}}) << 1.0;
    QTest::newRow("304.8 mm is 1 ft") << input(RoundBar, {{"1"}, {"304.8", Millimetre}})
                                      << input(RoundBar, {{"1"}, {"1", Foot}}) << 1.0;
    QTest::newRow("6.096 m is 20 ft") << tee(3, {"6.096", Metre}) << tee(3, {"20", Foot}) << 1.0;
    QTest::newRow("1 yd is 3 ft") << input(RoundTube, {{"2"}, {"0.25"}, {"1", Yard}})
                                  << input(RoundTube, {{"2"}, {"0.25"}, {"3", Foot}}) << 1.0;
    QTest::newRow("two pieces double") << input(RectangularTube, {{"3"}, {"2"}, {"0.125"}, {"10", Foot}}, "2")
                                       << input(RectangularTube, {{"3"}, {"2"}, {"0.125"}, {"10", Foot}}) << 2.0;
    QTest::newRow("alloy factor scales") << input(FlatBar, {{"1"}, {"2"}, {"3", Foot}}, "1", alloy("Copper"))
                                         << input(FlatBar, {{"1"}, {"2"}, {"3", Foot}}) << 1.114;
}

void TestCalculate::equivalentEntries()
{
    QFETCH(CalcInput, first);
    QFETCH(CalcInput, second);
    QFETCH(double, ratio);
    FormFixture a;
    a.enter(first);
    a.press("cmdCalculate");
    FormFixture b;
    b.enter(second);
    b.press("cmdCalculate");
    QVERIFY(a.messages.isEmpty() && b.messages.isEmpty());
    const double x = a.edit("txtResult")->text().toDouble();
    const double y = b.edit("txtResult")->text().toDouble();
    if (ratio == 1.0)
        QCOMPARE(a.edit("txtResult")->text(), b.edit("txtResult")->text());
    else
        QVERIFY2(qAbs(x - y * ratio) <= 0.0015, qPrintable(QString("%1 vs %2").arg(x).arg(y * ratio)));
}

void TestCalculate::hiddenFieldsKeepTheirTextsAfterAMessage_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<int>("lengthField");
    QTest::newRow("pipe") << 6 << 2;
    QTest::newRow("rebar") << 8 << 1;
    QTest::newRow("tees") << 16 << 1;
}

void TestCalculate::hiddenFieldsKeepTheirTextsAfterAMessage()
{
    QFETCH(int, shape);
    QFETCH(int, lengthField);
    FormFixture f;
    f.chooseShape(9);
    const QStringList typed{"3 in bar", "2", "0.125"};
    for (int i = 0; i < typed.size(); ++i)
        f.param(i)->setText(typed[i]);
    f.chooseShape(shape);
    f.param(lengthField)->setText("long");
    f.press("cmdCalculate");
    QCOMPARE(f.messages.size(), 1);
    QCOMPARE(f.messages.first().text, QString("You entered an illegal value for the Length"));
    f.chooseShape(9);
    // The fields the size lists cover keep what the user typed into them.
    for (int i = 0; i < lengthField; ++i)
        QCOMPARE(f.param(i)->text(), typed[i]);
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
