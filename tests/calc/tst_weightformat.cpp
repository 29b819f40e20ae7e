// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/numerictext.h"
#include "calc/weightformat.h"
#include "textnumbers.h"

#include <QTest>

using namespace keldary;

class TestWeightFormat : public QObject
{
    Q_OBJECT

private slots:
    void formatWeight_data();
    void formatWeight();
    void doubleToText_data();
    void doubleToText();
    void weightEqualsItsText_data();
    void weightEqualsItsText();
    void ownDigitsAndSigns_data();
    void ownDigitsAndSigns();
};

void TestWeightFormat::formatWeight_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    struct Case {
        const char *name;
        const char *text; // with a decimal point; a comma for de_DE
        const char *expected;
    };
    const Case cases[] = {
        {"half rounds up although the double lies below", "1.2345", "1.235"},
        {"round bar weight", "2.6729", "2.673"},
        {"no group separators", "1234567.8912", "1234567.891"},
        {"padded to three decimals", "12.5", "12.500"},
        {"whole number", "400", "400.000"},
        {"half a thousandth rounds up", "0.0005", "0.001"},
        {"just below half a thousandth", "0.00049", "0.000"},
        {"negative half rounds away from zero", "-0.0005", "-0.001"},
        {"negative rounding to zero has no sign", "-0.0004", "0.000"},
        {"negative weight", "-2.6729", "-2.673"},
        {"carry into the whole part", "999.9995", "1000.000"},
        {"carry below one", "0.9995", "1.000"},
        {"zero", "0", "0.000"},
        {"negative zero", "-0", "0.000"},
        {"leading point", ".376", "0.376"},
        {"exponent", "2.6729E-02", "0.027"},
        {"huge", "1e20", "100000000000000000000.000"},
        {"huge as doubleToText writes it", "1E+20", "100000000000000000000.000"},
        {"tiny", "1e-20", "0.000"},
        {"digits past the fifteenth are ignored", "0.12349999999999999", "0.124"},
        {"surrounding spaces", " 12.5 ", "12.500"},
        {"empty stays empty", "", ""},
        {"blank is kept", "  ", "  "},
        {"letters are kept", "abc", "abc"},
        {"inf is kept", "inf", "inf"},
    };
    for (const Case &c : cases) {
        const QString text = QString::fromLatin1(c.text);
        const QString expected = QString::fromLatin1(c.expected);
        QTest::addRow("en_US: %s", c.name) << "en_US" << text << expected;
        QString german = text;
        german.replace(u'.', u',');
        QString germanExpected = expected;
        germanExpected.replace(u'.', u',');
        QTest::addRow("de_DE: %s", c.name) << "de_DE" << german << germanExpected;
    }
    QTest::newRow("en_US: group separators in the text") << "en_US" << "1,234,567.8912" << "1234567.891";
    QTest::newRow("de_DE: group separators in the text") << "de_DE" << "1.234.567,8912" << "1234567,891";
    QTest::newRow("de_DE: a point-decimal text is kept") << "de_DE" << "12.5" << "12.5";
}

void TestWeightFormat::formatWeight()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(keldary::formatWeight(text, QLocale(locale)), expected);
}

void TestWeightFormat::doubleToText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("en_US: shortest digits") << "en_US" << 2.6729 << "2.6729";
    QTest::newRow("en_US: fifteen significant digits") << "en_US" << 0.1 + 0.2 << "0.3";
    QTest::newRow("en_US: no group separators") << "en_US" << 1234567.8912 << "1234567.8912";
    QTest::newRow("en_US: whole number") << "en_US" << 400.0 << "400";
    // The decimal digits formatWeight rounds, half up ("1.235"), where Qt's
    // toString(1.2345, 'f', 3) rounds the binary value below to "1.234".
    QTest::newRow("en_US: the double nearest 1.2345") << "en_US" << 1.2345 << "1.2345";
    QTest::newRow("en_US: 1e20 with an exponent") << "en_US" << 1e20 << "1E+20";
    QTest::newRow("en_US: negative") << "en_US" << -2.6729 << "-2.6729";
    QTest::newRow("de_DE: decimal comma") << "de_DE" << 1234567.8912 << "1234567,8912";
}

void TestWeightFormat::doubleToText()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(keldary::doubleToText(value, QLocale(locale)), expected);
}

// A computed weight is formatted straight from the double; the text must be
// the one that formatting its standard text gives.
void TestWeightFormat::weightEqualsItsText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("weight");

    const double weights[] = {
        0, -0.0, 1.2345, 2.6729 * 0.3462, 0.0005, 0.00049999999999999, -0.0005, -0.0004,
        0.9995, 999.9995, 30.5318330078125, 1234567.8912, 1e15 + 0.5, 1.23456789012345e20,
        1e20, 1e-20, 2.675, 1.0005, 5e-324, 1.797693134862314e308, -427.664,
        // Ties in the 16th significant digit round up, as the standard text does.
        4310083962464.625, 1000000000000.125, 5057753487782145, 123456789012344.5,
    };
    for (const char *name : {"C", "en_US", "de_DE"})
        for (const double weight : weights)
            QTest::addRow("%s: %.17g", name, weight) << QString::fromLatin1(name) << weight;
}

void TestWeightFormat::weightEqualsItsText()
{
    QFETCH(QString, locale);
    QFETCH(double, weight);
    const QLocale l(locale);
    QCOMPARE(keldary::formatWeight(weight, l), keldary::formatWeight(keldary::doubleToText(weight, l), l));
}

// A weight in a locale with digits or a minus sign of its own, written out
// code point by code point; what is shown must read back as the weight shown.
void TestWeightFormat::ownDigitsAndSigns_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("weight");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<double>("readBack");

    QTest::newRow("ar_EG: all ten digits") << "ar_EG" << 1234567890.5
        << QString::fromUtf8("\u0661\u0662\u0663\u0664\u0665\u0666\u0667\u0668\u0669\u0660\u066b\u0665\u0660\u0660")
        << 1234567890.5;
    QTest::newRow("ar_EG: negative") << "ar_EG" << -2.6729
        << QString::fromUtf8("\u061c-\u0662\u066b\u0666\u0667\u0663") << -2.673;
    QTest::newRow("ar_EG: negative rounding to zero has no sign") << "ar_EG" << -0.0004
        << QString::fromUtf8("\u0660\u066b\u0660\u0660\u0660") << 0.0;
    QTest::newRow("fa_IR: all ten digits") << "fa_IR" << 1234567890.5
        << QString::fromUtf8("\u06f1\u06f2\u06f3\u06f4\u06f5\u06f6\u06f7\u06f8\u06f9\u06f0\u066b\u06f5\u06f0\u06f0")
        << 1234567890.5;
    QTest::newRow("fa_IR: negative") << "fa_IR" << -2.6729
        << QString::fromUtf8("\u200e\u2212\u06f2\u066b\u06f6\u06f7\u06f3") << -2.673;
    QTest::newRow("sv_SE: positive") << "sv_SE" << 2.6729 << "2,673" << 2.673;
    QTest::newRow("sv_SE: negative") << "sv_SE" << -1234567.8912
        << QString::fromUtf8("\u22121234567,891") << -1234567.891;
}

void TestWeightFormat::ownDigitsAndSigns()
{
    QFETCH(QString, locale);
    QFETCH(double, weight);
    QFETCH(QString, shown);
    QFETCH(double, readBack);

    const QLocale l(locale);
    QCOMPARE(keldary::formatWeight(weight, l), shown);
    // A previous result is shown again from its text.
    QCOMPARE(keldary::formatWeight(keldary::doubleToText(weight, l), l), shown);
    const auto read = keldary::numberFromText(shown, l);
    QVERIFY2(read.has_value(), qPrintable(shown));
    QCOMPARE(*read, readBack);
    QCOMPARE(keldary::formatWeight(shown, l), shown);
}

QTEST_GUILESS_MAIN(TestWeightFormat)
#include "tst_weightformat.moc"
