// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/printerchoice.h"
#include "results/report.h"
#include "results/reportprinter.h"

#include "pdftext.h"
#include "platformskip.h"

#include <QFont>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using keldary::ReportLine;

using ReportLines = std::vector<ReportLine>;
Q_DECLARE_METATYPE(ReportLines)

namespace {

const keldary::ProviderBlock Provider{u"Keldary"_s, u"27 Millwright Lane"_s, u"Phone: 555"_s,
                                      u"Fax: 556"_s};

QStringList resultLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << u"Steel (Default)  Round Bar   Diameter: %1 in  Pieces: 1  Total Weight: 1.000 lbs."_s.arg(i);
    return lines;
}

} // namespace

class TestReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void buildReport_data();
    void buildReport();
    void renderedPdf_data();
    void renderedPdf();
    void renderRefusesUnpaintableDevice();
    void choosePrinter_data();
    void choosePrinter();

private:
    QTemporaryDir m_dir;
};

void TestReport::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TestReport::buildReport_data()
{
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<ReportLines>("expected");

    const ReportLines head{
        {QString(), 14, false, false},
        {u"Keldary - Metal Weight Calculator"_s, 14, true, false},
        {u"Calculations:"_s, 14, true, false},
        {QString(), 10, false, true},
    };
    const ReportLines footer{
        {QString(), 8, false, true},
        {u"Metals Weight Calculator Utility provided by Keldary."_s, 8, false, true},
        {QString(), 8, false, true},
        {u"27 Millwright Lane"_s, 8, false, true},
        {u"Phone: 555"_s, 8, false, true},
        {u"Fax: 556"_s, 8, false, true},
        {QString(), 8, false, true},
    };

    ReportLines empty = head;
    empty.insert(empty.end(), footer.begin(), footer.end());
    QTest::newRow("empty list: title, heading and footer only") << QStringList() << empty;

    ReportLines three = head;
    for (const QString &line : {u"first"_s, u"second"_s, u"third"_s}) {
        three.push_back({line, 10, false, false});
        three.push_back({QString(), 10, false, false});
    }
    three.insert(three.end(), footer.begin(), footer.end());
    QTest::newRow("three lines in list order, each followed by an empty line")
        << QStringList{u"first"_s, u"second"_s, u"third"_s} << three;

    ReportLines asStored = head;
    asStored.push_back({u"  padded   line  "_s, 10, false, false});
    asStored.push_back({QString(), 10, false, false});
    asStored.insert(asStored.end(), footer.begin(), footer.end());
    QTest::newRow("line printed exactly as stored")
        << QStringList{u"  padded   line  "_s} << asStored;
}

void TestReport::buildReport()
{
    QFETCH(QStringList, results);
    QFETCH(ReportLines, expected);

    const ReportLines actual = keldary::buildReport(results, Provider);
    QCOMPARE(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        const QByteArray where = "line " + QByteArray::number(qulonglong(i + 1));
        QVERIFY2(actual[i].text == expected[i].text, where + ": " + actual[i].text.toUtf8());
        QVERIFY2(actual[i].pointSize == expected[i].pointSize, where);
        QVERIFY2(actual[i].bold == expected[i].bold, where);
        QVERIFY2(actual[i].italic == expected[i].italic, where);
    }
}

void TestReport::renderedPdf_data()
{
    QTest::addColumn<int>("resultCount");
    QTest::addColumn<int>("pages");

    QTest::newRow("no results fits one page") << 0 << 1;
    QTest::newRow("three results fit one page") << 3 << 1;
    QTest::newRow("forty results, eighty lines, run onto a second page") << 40 << 2;
}

void TestReport::renderedPdf()
{
    QFETCH(int, resultCount);
    QFETCH(int, pages);
    SKIP_ON_WINDOWS("pdftotext, which reads the PDF back, is a Linux program; the Wine check reads a printed report");
    if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
        QFAIL("pdftotext (poppler-utils) is not installed; tools/packages.txt lists it");

    const ReportLines lines = keldary::buildReport(resultLines(resultCount), Provider);
    const QString pdf = m_dir.filePath(u"report-%1.pdf"_s.arg(resultCount));

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    QVERIFY(keldary::renderReport(lines, QFont(u"Liberation Sans"_s, 8), printer));

    // Every line, once and in order: the title and footer are not repeated on
    // the second page, and nothing (page numbers, dates) is added.
    int printedPages = 0;
    QCOMPARE(pdfLines(pdf, &printedPages), printedTexts(lines));
    QCOMPARE(printedPages, pages);
}

void TestReport::renderRefusesUnpaintableDevice()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_dir.filePath(u"no/such/folder/report.pdf"_s));
    QVERIFY(!keldary::renderReport(keldary::buildReport({}, Provider), QFont(), printer));
}

void TestReport::choosePrinter_data()
{
    // The installed printers in the system's order: name, P(ortrait) or
    // L(andscape) default orientation, * for the default printer.
    QTest::addColumn<QString>("printers");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("expected");

    QTest::newRow("none installed") << u""_s << u""_s << u""_s;
    QTest::newRow("landscape default first, portrait second") << u"aL* bP"_s << u""_s << u"b"_s;
    QTest::newRow("portrait default, listed second: the default") << u"aP bP*"_s << u""_s << u"b"_s;
    QTest::newRow("landscape default: the first portrait, also before it") << u"aP bL* cP"_s << u""_s << u"a"_s;
    QTest::newRow("a portrait printer wins over the last choice") << u"aL bL cP"_s << u"b"_s << u"c"_s;
    QTest::newRow("all landscape: the last choice") << u"aL* bL"_s << u"b"_s << u"b"_s;
    QTest::newRow("all landscape, last choice gone: the default") << u"aL bL*"_s << u"x"_s << u"b"_s;
    QTest::newRow("all landscape: the default, listed first") << u"aL* bL"_s << u""_s << u"a"_s;
    QTest::newRow("all landscape, no default: the first") << u"aL bL"_s << u""_s << u"a"_s;
}

void TestReport::choosePrinter()
{
    QFETCH(QString, printers);
    QFETCH(QString, last);
    QFETCH(QString, expected);

    std::vector<keldary::InstalledPrinter> installed;
    for (const QString &printer : printers.split(u' ', Qt::SkipEmptyParts))
        installed.push_back({printer.left(1), printer.at(1) == u'P', printer.endsWith(u'*')});
    QCOMPARE(keldary::choosePrinter(installed, last), expected);
}

QTEST_MAIN(TestReport)
#include "tst_report.moc"
