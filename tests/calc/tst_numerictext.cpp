// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/numerictext.h"
#include "textnumbers.h"

#include <QTest>

using namespace keldary;

class TestNumericText : public QObject
{
    Q_OBJECT

private slots:
    void trimSpaces_data();
    void trimSpaces();
    void numeric_data();
    void numeric();
    void agreesWithQLocale_data();
    void agreesWithQLocale();
    void tableNumber_data();
    void tableNumber();
};

void TestNumericText::trimSpaces_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("both ends") << "  2.5 " << "2.5";
    QTest::newRow("inner spaces kept") << " 1 000 " << "1 000";
    QTest::newRow("only spaces") << "   " << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("tab is not a space") << "\t2" << "\t2";
}

void TestNumericText::trimSpaces()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(keldary::trimSpaces(text), expected);
}

void TestNumericText::numeric_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");
    QTest::addColumn<double>("value");

    for (const char *name : {"C", "en_US", "de_DE"}) {
        const QString locale = QString::fromLatin1(name);
        QTest::addRow("%s: integer", name) << locale << "12" << true << 12.0;
        QTest::addRow("%s: surrounding spaces", name) << locale << "  12  " << true << 12.0;
        QTest::addRow("%s: negative", name) << locale << "-3" << true << -3.0;
        QTest::addRow("%s: plus sign", name) << locale << "+3" << true << 3.0;
        QTest::addRow("%s: exponent", name) << locale << "1e3" << true << 1000.0;
        QTest::addRow("%s: capital exponent", name) << locale << "1E-2" << true << 0.01;
        QTest::addRow("%s: empty", name) << locale << "" << false << 0.0;
        QTest::addRow("%s: blank", name) << locale << "   " << false << 0.0;
        QTest::addRow("%s: letters", name) << locale << "abc" << false << 0.0;
        QTest::addRow("%s: number then letters", name) << locale << "12abc" << false << 0.0;
        QTest::addRow("%s: inf", name) << locale << "inf" << false << 0.0;
        QTest::addRow("%s: -inf", name) << locale << "-inf" << false << 0.0;
        QTest::addRow("%s: nan", name) << locale << "nan" << false << 0.0;
        QTest::addRow("%s: 1e999 beyond the double range", name) << locale << "1e999" << false << 0.0;
        // Qt's conversion refuses underflow as it refuses overflow.
        QTest::addRow("%s: 1e-999 below the double range", name) << locale << "1e-999" << false << 0.0;
        QTest::addRow("%s: hexadecimal", name) << locale << "0x10" << false << 0.0;
        QTest::addRow("%s: inner space", name) << locale << "1 000" << false << 0.0;
    }

    QTest::newRow("C: decimal point") << "C" << "2.5" << true << 2.5;
    QTest::newRow("C: leading point") << "C" << ".376" << true << 0.376;
    QTest::newRow("C: comma is no decimal separator") << "C" << "2,5" << false << 0.0;
    QTest::newRow("en_US: decimal point") << "en_US" << "2.5" << true << 2.5;
    QTest::newRow("en_US: group separators") << "en_US" << "1,234,567.5" << true << 1234567.5;
    QTest::newRow("en_US: misplaced group separator") << "en_US" << "12,34" << false << 0.0;
    QTest::newRow("en_US: comma is no decimal separator") << "en_US" << "2,5" << false << 0.0;
    QTest::newRow("de_DE: decimal comma") << "de_DE" << "2,5" << true << 2.5;
    QTest::newRow("de_DE: group separators") << "de_DE" << "1.234.567,5" << true << 1234567.5;
    QTest::newRow("de_DE: comma with exponent") << "de_DE" << "1,5e3" << true << 1500.0;
    QTest::newRow("de_DE: point is no decimal separator") << "de_DE" << "2.5" << false << 0.0;
    QTest::newRow("de_DE: leading point") << "de_DE" << ".376" << false << 0.0;

    // Locales with digits and signs of their own; the negative sign is read
    // whole, direction mark and all, as the program writes it.
    QTest::newRow("ar_EG: arabic-indic digits") << "ar_EG" << QString::fromUtf8("\u0661\u0662\u066b\u0665") << true << 12.5;
    QTest::newRow("ar_EG: its negative sign") << "ar_EG" << QString::fromUtf8("\u061c-\u0662\u066b\u0665") << true << -2.5;
    QTest::newRow("ar_EG: negative sign before the decimal separator") << "ar_EG" << QString::fromUtf8("\u061c-\u066b\u0665") << true << -0.5;
    QTest::newRow("ar_EG: negative sign twice") << "ar_EG" << QString::fromUtf8("\u061c-\u061c-\u0662") << false << 0.0;
    QTest::newRow("ar_EG: negative sign and a hyphen") << "ar_EG" << QString::fromUtf8("\u061c--\u0662") << false << 0.0;
    QTest::newRow("ar_EG: negative sign alone") << "ar_EG" << QString::fromUtf8("\u061c-") << false << 0.0;
    QTest::newRow("fa_IR: persian digits") << "fa_IR" << QString::fromUtf8("\u06f1\u06f2\u066b\u06f5") << true << 12.5;
    QTest::newRow("fa_IR: its negative sign") << "fa_IR" << QString::fromUtf8("\u200e\u2212\u06f2\u066b\u06f5") << true << -2.5;
    QTest::newRow("fa_IR: negative sign and a plus") << "fa_IR" << QString::fromUtf8("\u200e\u2212+\u06f2") << false << 0.0;
    QTest::newRow("sv_SE: minus sign") << "sv_SE" << QString::fromUtf8("\u22122,5") << true << -2.5;
    QTest::newRow("sv_SE: hyphen as minus") << "sv_SE" << "-2,5" << true << -2.5;
}

void TestNumericText::numeric()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    QFETCH(double, value);

    const QLocale l(locale);
    QCOMPARE(isNumericText(text, l), numeric);
    QCOMPARE(textToDouble(text, l), value);
}

// Plain decimal texts are read without QLocale for speed; they must read
// exactly as QLocale reads them, and every other text must be left to it.
void TestNumericText::agreesWithQLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");

    const char *texts[] = {
        "0", "-0", "007", "00.5", "12", "-12.75", "0.1", "2.6729", "1234567.8912",
        "9007199254740993", "0.30000000000000004", "123456789012345678901234567890",
        "2,5", "-2,5", "1,5", ",5", "5,", ".5", "5.", "-", ".", ",", "1.2.3", "1,2,3",
        "1-2", "--1", "12a", "1.000", "1,000", "1.000,5", "1,000.5", "-.5", "-,5",
    };
    for (const char *name : {"C", "en_US", "de_DE", "fr_FR", "ar_EG", "fa_IR"})
        for (const char *text : texts)
            QTest::addRow("%s: \"%s\"", name, text) << QString::fromLatin1(name) << QString::fromLatin1(text);
    QTest::newRow("ar_EG: arabic-indic digits") << "ar_EG" << QString::fromUtf8("\u0661\u066b\u0665");
}

void TestNumericText::agreesWithQLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);

    const QLocale l(locale);
    bool ok = false;
    const double expected = l.toDouble(text, &ok);
    const auto read = numberFromText(text, l);
    QCOMPARE(read.has_value(), ok);
    if (ok)
        QVERIFY2(*read == expected, qPrintable(QString::number(*read, 'g', 17)));
}

void TestNumericText::tableNumber_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    // The user's locale must not matter for the program's own table texts.
    for (const char *name : {"C", "en_US", "de_DE", "fr_FR"}) {
        const QString locale = QString::fromLatin1(name);
        QTest::addRow("%s: .376", name) << locale << ".376" << 0.376;
        QTest::addRow("%s: 2.670", name) << locale << "2.670" << 2.67;
        QTest::addRow("%s: 13.60", name) << locale << "13.60" << 13.6;
        QTest::addRow("%s: 1", name) << locale << "1" << 1.0;
    }
    QTest::newRow("empty reads as 0") << "C" << "" << 0.0;
}

void TestNumericText::tableNumber()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(double, value);

    QLocale::setDefault(QLocale(locale));
    const QByteArray latin1 = text.toLatin1();
    const double read = keldary::tableNumber(std::string_view(latin1.constData(), latin1.size()));
    QLocale::setDefault(QLocale::c());
    QVERIFY2(read == value, qPrintable(QString::number(read, 'g', 17)));
}

QTEST_GUILESS_MAIN(TestNumericText)
#include "tst_numerictext.moc"
