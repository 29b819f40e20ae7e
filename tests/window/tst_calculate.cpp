// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formfixture.h"

using namespace keldary;

// One calculation as a user enters it: the list positions of shape and alloy,
// up to four typed fields each with its unit index, the pieces, and for pipe,
// rebar and tees the positions picked in their size lists.
struct Entry {
    int shape = 0;
    int alloy = 0;
    QStringList params;
    QList<int> units;
    QString pieces = QStringLiteral("1");
    QList<int> sizes; // pipe size and schedule, or rebar or tee size
};
Q_DECLARE_METATYPE(Entry)

static void enter(const FormFixture &f, const Entry &entry)
{
    f.chooseShape(entry.shape);
    f.combo("cmbAlloy")->setCurrentIndex(entry.alloy);
    for (int i = 0; i < entry.params.size(); ++i) {
        f.param(i)->setText(entry.params[i]);
        f.unit(i)->setCurrentIndex(entry.units.value(i, 0));
    }
    f.edit("txtNumPieces")->setText(entry.pieces);
    if (entry.shape == 6 && entry.sizes.size() == 2) {
        f.combo("cmbSize")->setCurrentIndex(entry.sizes[0]);
        f.combo("cmbSchedule")->setCurrentIndex(entry.sizes[1]);
    } else if (entry.shape == 8 && !entry.sizes.isEmpty()) {
        f.combo("cmbRebarSizes")->setCurrentIndex(entry.sizes[0]);
    } else if (entry.shape == 16 && !entry.sizes.isEmpty()) {
        f.combo("cmbTeeSizes")->setCurrentIndex(entry.sizes[0]);
    }
}

enum Units { In = 0, Ft = 1, Yd = 2, Mm = 3, Cm = 4, M = 5 };

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
    void decimalCommaLocale();
    void followsTheUsersLocale();
    void clearFieldsWithPipeLayout();
};

void TestCalculate::weights_data()
{
    QTest::addColumn<Entry>("entry");
    QTest::addColumn<QString>("result");

    // Solid sections.
    QTest::newRow("round bar 1 in x 1 ft") << Entry{10, 0, {"1", "1"}, {In, Ft}} << "2.673";
    QTest::newRow("round bar aluminum 6061") << Entry{10, 4, {"1", "1"}, {In, Ft}} << "0.925";
    QTest::newRow("round bar 2 in x 10 ft, 4 pieces") << Entry{10, 0, {"2", "10"}, {In, Ft}, "4"} << "427.664";
    QTest::newRow("round bar 2.5 pieces") << Entry{10, 0, {"1", "1"}, {In, Ft}, "2.5"} << "6.682";
    QTest::newRow("round bar 0 pieces") << Entry{10, 0, {"1", "1"}, {In, Ft}, "0"} << "0.000";
    QTest::newRow("round bar -1 piece") << Entry{10, 0, {"1", "1"}, {In, Ft}, "-1"} << "-2.673";
    QTest::newRow("round bar in millimetres") << Entry{10, 0, {"25.4", "304.8"}, {Mm, Mm}} << "2.673";
    QTest::newRow("square bar 1 in x 1 ft") << Entry{13, 0, {"1", "1"}, {In, Ft}} << "3.403";
    QTest::newRow("hexagon bar 1 in x 1 ft") << Entry{5, 0, {"1", "1"}, {In, Ft}} << "2.947";
    QTest::newRow("plate 0.5 x 12 in x 10 ft") << Entry{7, 0, {"0.5", "12", "10"}, {In, In, Ft}} << "204.192";
    QTest::newRow("sheet as plate") << Entry{12, 0, {"0.5", "12", "10"}, {In, In, Ft}} << "204.192";
    QTest::newRow("flat bar as plate") << Entry{4, 0, {"0.5", "12", "10"}, {In, In, Ft}} << "204.192";
    QTest::newRow("coil as plate") << Entry{3, 0, {"0.5", "12", "10"}, {In, In, Ft}} << "204.192";
    QTest::newRow("strip as plate") << Entry{15, 0, {"0.5", "12", "10"}, {In, In, Ft}} << "204.192";
    QTest::newRow("angles 3 x 2 x 0.25 in, 10 ft") << Entry{0, 0, {"3", "2", "0.25", "10"}, {In, In, In, Ft}} << "41.325";
    QTest::newRow("angles length 120 in") << Entry{0, 0, {"3", "2", "0.25", "120"}, {In, In, In, In}} << "41.325";
    QTest::newRow("angles in centimetres and metres")
        << Entry{0, 0, {"7.62", "5.08", "0.635", "3.048"}, {Cm, Cm, Cm, M}} << "41.325";
    QTest::newRow("angles thickness equal to the legs") << Entry{0, 0, {"1", "1", "1", "12"}, {In, In, In, In}} << "3.480";
    QTest::newRow("plate in yards") << Entry{7, 0, {"0.5", "12", "1"}, {In, In, Yd}} << "61.258";
    QTest::newRow("zero dimension") << Entry{10, 0, {"0", "1"}, {In, Ft}} << "0.000";
    QTest::newRow("tiny negative weight shows no minus") << Entry{10, 0, {"1", "1"}, {In, Ft}, "-0.0001"} << "0.000";
    QTest::newRow("negative dimension") << Entry{7, 0, {"-0.5", "12", "10"}, {In, In, Ft}} << "-204.192";
    QTest::newRow("dimensions with spaces") << Entry{10, 0, {" 1 ", "  1"}, {In, Ft}} << "2.673";
    QTest::newRow("tungsten round bar") << Entry{10, 24, {"1", "1"}, {In, Ft}} << "6.423";
    QTest::newRow("inconel 718 weighs as steel") << Entry{10, 13, {"1", "1"}, {In, Ft}} << "2.673";
    QTest::newRow("large weight has no group separator")
        << Entry{7, 0, {"10", "100", "100"}, {In, In, Ft}} << "340320.000";

    // Tubes.
    QTest::newRow("round tube 2 in, wall 0.25 in, 10 ft") << Entry{11, 0, {"2", "0.25", "10"}, {In, In, Ft}} << "46.725";
    QTest::newRow("round tube wall 0.4 of the diameter") << Entry{11, 0, {"1", "0.4", "1"}, {In, In, Ft}} << "2.563";
    QTest::newRow("square tube 2 in, 0.125 in, 10 ft") << Entry{14, 0, {"2", "0.125", "10"}, {In, In, Ft}} << "30.532";
    QTest::newRow("square tube thickness 0.2 of 1 in") << Entry{14, 0, {"1", "0.2", "1"}, {In, In, Ft}} << "1.827";
    QTest::newRow("rectangular tube 3 x 2 in, 0.125 in, 10 ft")
        << Entry{9, 0, {"3", "2", "0.125", "10"}, {In, In, In, Ft}} << "39.039";

    // Weight per foot.
    QTest::newRow("beam 10 lb/ft, 20 ft, 2 pieces") << Entry{1, 0, {"8", "10", "20"}, {In, In, Ft}, "2"} << "400.000";
    QTest::newRow("beam length 6.096 m") << Entry{1, 0, {"8", "10", "6.096"}, {In, In, M}, "2"} << "400.000";
    QTest::newRow("channel weight per foot has no unit")
        << Entry{2, 0, {"8", "10", "20"}, {In, Yd, Ft}, "2"} << "400.000";
    QTest::newRow("pipe 2 in schedule 40, 21 ft") << Entry{6, 0, {"", "", "21"}, {In, In, Ft}, "1", {8, 4}} << "76.713";
    QTest::newRow("pipe largest cell 24 in schedule 160")
        << Entry{6, 0, {"", "", "1"}, {In, In, Ft}, "1", {26, 10}} << "542.100";
    QTest::newRow("pipe first size and schedule") << Entry{6, 0, {"", "", "10"}, {In, In, Ft}, "1", {0, 0}} << "1.383";
    QTest::newRow("pipe 36 in schedule 20") << Entry{6, 0, {"", "", "1"}, {In, In, Ft}, "1", {32, 2}} << "189.570";
    QTest::newRow("rebar 4, 20 ft") << Entry{8, 0, {"", "20"}, {In, Ft}, "1", {1}} << "13.360";
    QTest::newRow("rebar 18, 1 ft") << Entry{8, 0, {"", "1"}, {In, Ft}, "1", {10}} << "13.600";
    QTest::newRow("rebar 9, 10 ft") << Entry{8, 0, {"", "10"}, {In, Ft}, "1", {6}} << "34.000";
    QTest::newRow("rebar 3 brass 240 in") << Entry{8, 7, {"", "240"}, {In, In}, "1", {0}} << "8.016";
    QTest::newRow("tees 1 1/2 x .188, 10 ft") << Entry{16, 0, {"", "10"}, {In, Ft}, "1", {0}} << "19.000";
    QTest::newRow("tees aluminum 6061") << Entry{16, 4, {"", "10"}, {In, Ft}, "1", {0}} << "6.578";
    QTest::newRow("tees 1 3/3 x .25") << Entry{16, 0, {"", "1"}, {In, Ft}, "1", {2}} << "2.160";
}

void TestCalculate::weights()
{
    QFETCH(Entry, entry);
    QFETCH(QString, result);
    FormFixture f;
    enter(f, entry);
    f.press("cmdCalculate");
    QCOMPARE(f.edit("txtResult")->text(), result);
    QVERIFY2(f.messages.isEmpty(), f.messages.isEmpty() ? "" : qPrintable(f.messages.first().text));
}

void TestCalculate::messages_data()
{
    QTest::addColumn<Entry>("entry");
    QTest::addColumn<QString>("previous");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("after");

    const QString pieces = "You entered an illegal value for the number of pieces";
    const QString illegal = "You entered an illegal value for the ";

    QTest::newRow("pieces empty, result kept unformatted") << Entry{10, 0, {"1", "1"}, {}, ""}
        << "12.5" << pieces << "Invalid Input" << "12.5";
    QTest::newRow("pieces blank") << Entry{10, 0, {"1", "1"}, {}, "   "} << "" << pieces << "Invalid Input" << "";
    QTest::newRow("pieces letters before bad fields") << Entry{10, 0, {"x", ""}, {}, "two"}
        << "7" << pieces << "Invalid Input" << "7";
    QTest::newRow("round bar both fields, diameter first") << Entry{10, 0, {"abc", ""}}
        << "12.5" << illegal + "Diameter and the Length" << "Illegal Input" << "12.500";
    QTest::newRow("angles three fields") << Entry{0, 0, {"", "2", "t", "x"}}
        << "" << illegal + "Leg 1 and the Thickness and the Length" << "Illegal Input" << "";
    QTest::newRow("beam size letters") << Entry{1, 0, {"W8x10", "10", "20"}}
        << "1" << illegal + "Size" << "Illegal Input" << "1.000";
    QTest::newRow("beam weight per foot") << Entry{1, 0, {"8", "ten", "20"}}
        << "" << illegal + "Weight/ft." << "Illegal Input" << "";
    QTest::newRow("rectangular tube length only") << Entry{9, 0, {"3", "2", "0.125", "-"}}
        << "" << illegal + "Length" << "Illegal Input" << "";
    QTest::newRow("pipe length empty") << Entry{6, 0, {"", "", ""}}
        << "" << illegal + "Length" << "Illegal Input" << "";
    QTest::newRow("rebar length letters") << Entry{8, 0, {"", "ft"}}
        << "" << illegal + "Length" << "Illegal Input" << "";
    QTest::newRow("tees length empty") << Entry{16, 0, {"", ""}}
        << "" << illegal + "Length" << "Illegal Input" << "";
    QTest::newRow("coil width") << Entry{3, 0, {"1", "1,,2", "1"}}
        << "" << illegal + "Width" << "Illegal Input" << "";
    QTest::newRow("infinity is no number") << Entry{10, 0, {"inf", "1"}}
        << "" << illegal + "Diameter" << "Illegal Input" << "";

    const QString roundWall = "The Tube Wall Cannot exceed the Outer Diameter";
    const QString squareWall = "The Thickness is too large in proportion to the Width";
    const QString rectWall = "The Thickness is too large in proportion to the Width and/or Height";
    QTest::newRow("round tube wall equal to diameter") << Entry{11, 0, {"1", "1", "1"}}
        << "12.5" << roundWall << "Invalid Input" << "12.500";
    QTest::newRow("round tube wall 0.6 of the diameter") << Entry{11, 0, {"1", "0.6", "1"}}
        << "" << roundWall << "Invalid Input" << "";
    QTest::newRow("square tube 0.25 in a 1 in tube") << Entry{14, 0, {"1", "0.25", "1"}}
        << "" << squareWall << "Invalid Input" << "";
    QTest::newRow("rectangular tube 2 x 2, wall 1") << Entry{9, 0, {"2", "2", "1", "1"}}
        << "" << rectWall << "Invalid Input" << "";
    QTest::newRow("rectangular tube 1 x 1, wall 1.5") << Entry{9, 0, {"1", "1", "1.5", "1"}}
        << "" << rectWall << "Invalid Input" << "";
    QTest::newRow("rectangular tube 1 x 1, wall 2") << Entry{9, 0, {"1", "1", "2", "1"}}
        << "" << rectWall << "Invalid Input" << "";

    const QString angleThickness = "The Thickness is too large in proportion to the Legs";
    QTest::newRow("angles thickness 3 in on 1 in legs") << Entry{0, 0, {"1", "1", "3", "12"}, {In, In, In, In}}
        << "12.5" << angleThickness << "Invalid Input" << "12.500";
    QTest::newRow("angles thickness over leg 2 in mm") << Entry{0, 0, {"3", "25.4", "1.5", "12"}, {In, Mm, In, In}}
        << "" << angleThickness << "Invalid Input" << "";

    const QString notMade = "This pipe size is not made in the selected schedule";
    QTest::newRow("pipe 4-1/2 in any schedule") << Entry{6, 0, {"", "", "10"}, {}, "1", {13, 4}}
        << "3.25" << notMade << "Invalid Input" << "3.250";
    QTest::newRow("pipe 1/8 in schedule 20") << Entry{6, 0, {"", "", "10"}, {}, "1", {0, 2}}
        << "" << notMade << "Invalid Input" << "";

    const QString tooLarge = "The result is too large to calculate";
    QTest::newRow("length overflows in yards") << Entry{10, 0, {"1", "1e308"}, {In, Yd}}
        << "12.5" << tooLarge << "Invalid Input" << "12.5";
    QTest::newRow("weight overflows") << Entry{7, 0, {"1e200", "1e200", "1"}}
        << "" << tooLarge << "Invalid Input" << "";
}

void TestCalculate::messages()
{
    QFETCH(Entry, entry);
    QFETCH(QString, previous);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(QString, after);
    FormFixture f;
    enter(f, entry);
    f.edit("txtResult")->setText(previous);
    f.press("cmdCalculate");
    QCOMPARE(f.messages.size(), 1);
    QCOMPARE(f.messages.first().text, text);
    QCOMPARE(f.messages.first().title, title);
    QCOMPARE(f.edit("txtResult")->text(), after);
    // A refused calculation leaves every typed text as it was.
    for (int i = 0; i < entry.params.size(); ++i)
        QCOMPARE(f.param(i)->text(), entry.params[i]);
}

void TestCalculate::equivalentEntries_data()
{
    QTest::addColumn<Entry>("first");
    QTest::addColumn<Entry>("second");
    QTest::addColumn<double>("ratio");

    QTest::newRow("25.4 mm is 1 in") << Entry{14, 0, {"50.8", "3.175", "3"}, {Mm, Mm, Ft}}
                                     << Entry{14, 0, {"2", "0.125", "3"}, {In, In, Ft}} << 1.0;
    QTest::newRow("304.8 mm is 1 ft") << Entry{10, 0, {"1", "304.8"}, {In, Mm}}
                                      << Entry{10, 0, {"1", "1"}, {In, Ft}} << 1.0;
    QTest::newRow("6.096 m is 20 ft") << Entry{16, 0, {"", "6.096"}, {In, M}, "1", {3}}
                                      << Entry{16, 0, {"", "20"}, {In, Ft}, "1", {3}} << 1.0;
    QTest::newRow("1 yd is 3 ft") << Entry{11, 0, {"2", "0.25", "1"}, {In, In, Yd}}
                                  << Entry{11, 0, {"2", "0.25", "3"}, {In, In, Ft}} << 1.0;
    QTest::newRow("two pieces double") << Entry{9, 0, {"3", "2", "0.125", "10"}, {In, In, In, Ft}, "2"}
                                       << Entry{9, 0, {"3", "2", "0.125", "10"}, {In, In, In, Ft}, "1"} << 2.0;
    QTest::newRow("alloy factor scales") << Entry{4, 8, {"1", "2", "3"}, {In, In, Ft}}
                                         << Entry{4, 0, {"1", "2", "3"}, {In, In, Ft}} << 1.114;
}

void TestCalculate::equivalentEntries()
{
    QFETCH(Entry, first);
    QFETCH(Entry, second);
    QFETCH(double, ratio);
    FormFixture a;
    enter(a, first);
    a.press("cmdCalculate");
    FormFixture b;
    enter(b, second);
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

void TestCalculate::decimalCommaLocale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    FormFixture f;
    enter(f, Entry{10, 0, {"2,5", "1.000"}, {In, In}, "1"});
    f.press("cmdCalculate");
    QVERIFY(f.messages.isEmpty());
    // 2.5 in diameter, 1000 in long, with the thousands separator of the locale.
    QCOMPARE(f.edit("txtResult")->text(), QString("1392,135"));
    f.param(0)->setText("2.5.0");
    f.press("cmdCalculate");
    QCOMPARE(f.messages.size(), 1);
    QCOMPARE(f.edit("txtResult")->text(), QString("1392,135"));
}

void TestCalculate::followsTheUsersLocale()
{
    // The locale of the session (LANG / LC_ALL), whatever CTest runs us under.
    QLocale::setDefault(QLocale::system());
    const QString point = QLocale::system().decimalPoint();
    FormFixture f;
    enter(f, Entry{10, 0, {"2" + point + "5", "10"}, {In, Ft}, "1"});
    f.press("cmdCalculate");
    QVERIFY(f.messages.isEmpty());
    QCOMPARE(f.edit("txtResult")->text(), "167" + point + "056");
}

void TestCalculate::clearFieldsWithPipeLayout()
{
    FormFixture f;
    for (int i = 0; i < 5; ++i)
        f.param(i)->setText(QString::number(i + 1));
    f.unit(2)->setCurrentIndex(Yd);
    f.combo("cmbAlloy")->setCurrentIndex(7);
    enter(f, Entry{6, 7, {}, {}, "3", {8, 4}});
    f.param(2)->setText("21");
    f.unit(2)->setCurrentIndex(Ft);
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
    QCOMPARE(f.unit(2)->currentIndex(), int(Ft));
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
