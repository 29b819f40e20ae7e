// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formfixture.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

using namespace keldary;

Q_DECLARE_METATYPE(Message)

// Receives the addresses the program hands to the desktop's browser.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls.append(url); }
};

class TestResultList : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void storeLines_data();
    void storeLines();
    void storeRefused_data();
    void storeRefused();
    void storeChangesNothingElse();
    void removeKeepsOrderAndSelectsNothing();
    void removeWithoutSelection();
    void printSendsTheReport();
    void printFailures_data();
    void printFailures();
    void printWithoutPrinter_data();
    void printWithoutPrinter();
    void webLinkOpensTheProviderPage();
    void webLinkWithoutBrowser();
    void exitClosesTheWindow();
};

void TestResultList::storeLines_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<int>("alloy");
    QTest::addColumn<QStringList>("params");
    QTest::addColumn<QList<int>>("units");
    QTest::addColumn<QList<int>>("sizes");
    QTest::addColumn<QString>("pieces");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("line");

    QTest::newRow("round bar") << 10 << 4 << QStringList{"2", "10"} << QList<int>{0, 1} << QList<int>{}
        << "4" << "12.345"
        << "Aluminum 6061  Round Bar   Diameter: 2 in Length: 10 ft  Pieces: 4  Total Weight: 12.345 lbs.";
    QTest::newRow("round bar without length") << 10 << 4 << QStringList{"2", ""} << QList<int>{0, 1} << QList<int>{}
        << "4" << "12.345"
        << "Aluminum 6061  Round Bar   Diameter: 2 in  Length: 0.0 ft  Pieces: 4  Total Weight: 12.345 lbs.";
    QTest::newRow("beam") << 1 << 0 << QStringList{"8", "10", "20"} << QList<int>{0, 0, 1} << QList<int>{}
        << "1" << "200.000"
        << "Steel (Default)  Beam   Size: 8 in Weight/ft.: 10  Length: 20 ft  Pieces: 1  Total Weight: 200.000 lbs.";
    QTest::newRow("pipe") << 6 << 0 << QStringList{"", "", "20"} << QList<int>{0, 0, 1} << QList<int>{8, 4}
        << "1" << "73.000"
        << "Steel (Default)  Pipe    Schedule: 40 Size: 2 - 2.375 in Length: 20 ft  Pieces: 1  Total Weight: 73.000 lbs.";
    QTest::newRow("rebar") << 8 << 7 << QStringList{"", "20"} << QList<int>{0, 1} << QList<int>{1}
        << "10" << "133.600"
        << "Brass  Rebar   Size: 4 Length: 20 ft  Pieces: 10  Total Weight: 133.600 lbs.";
    QTest::newRow("tees without length") << 16 << 0 << QStringList{"", "x"} << QList<int>{0, 1} << QList<int>{3}
        << "2" << "5.000"
        << "Steel (Default)  Tees   Size: 2 x 2 x .250  Length: 0.0 ft  Pieces: 2  Total Weight: 5.000 lbs.";
}

void TestResultList::storeLines()
{
    QFETCH(int, shape);
    QFETCH(int, alloy);
    QFETCH(QStringList, params);
    QFETCH(QList<int>, units);
    QFETCH(QList<int>, sizes);
    QFETCH(QString, pieces);
    QFETCH(QString, result);
    QFETCH(QString, line);
    FormFixture f;
    f.chooseShape(shape);
    f.combo("cmbAlloy")->setCurrentIndex(alloy);
    for (int i = 0; i < params.size(); ++i) {
        f.param(i)->setText(params[i]);
        f.unit(i)->setCurrentIndex(units[i]);
    }
    if (shape == 6) {
        f.combo("cmbSize")->setCurrentIndex(sizes[0]);
        f.combo("cmbSchedule")->setCurrentIndex(sizes[1]);
    } else if (shape == 8) {
        f.combo("cmbRebarSizes")->setCurrentIndex(sizes[0]);
    } else if (shape == 16) {
        f.combo("cmbTeeSizes")->setCurrentIndex(sizes[0]);
    }
    f.edit("txtNumPieces")->setText(pieces);
    f.edit("txtResult")->setText(result);
    f.press("cmdStoreResult");
    QVERIFY(f.messages.isEmpty());
    QCOMPARE(f.lines(), QStringList{line});
}

void TestResultList::storeRefused_data()
{
    QTest::addColumn<QString>("result");
    QTest::newRow("empty") << "";
    QTest::newRow("spaces only") << "  ";
    QTest::newRow("letters") << "heavy";
}

void TestResultList::storeRefused()
{
    QFETCH(QString, result);
    FormFixture f;
    f.edit("txtResult")->setText(result);
    f.press("cmdStoreResult");
    QCOMPARE(f.messages.size(), 1);
    QCOMPARE(f.messages.first(), (Message{"There is no calculation to be stored", "Store Failed"}));
    QCOMPARE(f.results()->count(), 0);
}

void TestResultList::storeChangesNothingElse()
{
    FormFixture f;
    f.chooseShape(10);
    f.param(0)->setText("1");
    f.param(1)->setText("1");
    f.unit(1)->setCurrentIndex(1);
    f.press("cmdCalculate");
    f.press("cmdStoreResult");
    f.results()->setCurrentRow(0);
    f.press("cmdStoreResult");
    QCOMPARE(f.lines().size(), 2);
    QCOMPARE(f.lines().at(0), f.lines().at(1));
    QCOMPARE(f.results()->currentRow(), 0);
    QCOMPARE(f.edit("txtResult")->text(), QString("2.673"));
    QCOMPARE(f.param(0)->text(), QString("1"));
    QCOMPARE(f.combo("cmbShapes")->currentIndex(), 10);
}

void TestResultList::removeKeepsOrderAndSelectsNothing()
{
    FormFixture f;
    for (const char *weight : {"1.000", "2.000", "3.000"}) {
        f.edit("txtResult")->setText(QLatin1String(weight));
        f.press("cmdStoreResult");
    }
    const QStringList stored = f.lines();
    QCOMPARE(stored.size(), 3);
    f.results()->setCurrentRow(0);
    f.press("cmdDeleteResult");
    QCOMPARE(f.lines(), (QStringList{stored[1], stored[2]}));
    QVERIFY(f.results()->selectionModel()->selectedRows().isEmpty());
    QVERIFY(f.messages.isEmpty());

    // One slip cannot delete two lines: the second press asks for a selection.
    f.press("cmdDeleteResult");
    QCOMPARE(f.lines(), (QStringList{stored[1], stored[2]}));
    QCOMPARE(f.messages.size(), 1);

    f.results()->setCurrentRow(1);
    f.press("cmdDeleteResult");
    QCOMPARE(f.lines(), QStringList{stored[1]});
}

void TestResultList::removeWithoutSelection()
{
    FormFixture f;
    f.press("cmdDeleteResult");
    QCOMPARE(f.messages.size(), 1);
    QCOMPARE(f.messages.first(), (Message{"Please select a calculation to delete", "Remove Failed"}));
}

void TestResultList::printSendsTheReport()
{
    FormFixture f;
    for (const char *weight : {"1.500", "2.500"}) {
        f.edit("txtResult")->setText(QLatin1String(weight));
        f.press("cmdStoreResult");
    }
    const QStringList stored = f.lines();
    f.press("cmdPrint");
    f.press("cmdPrint");
    QVERIFY(f.messages.isEmpty());
    QCOMPARE(f.printer->printed.size(), std::size_t(2));
    QVERIFY(f.printer->printed[0] == f.printer->printed[1]);
    QStringList texts;
    for (const ReportLine &line : f.printer->printed[0])
        texts << line.text;
    QCOMPARE(texts.at(1), QString("Keldary - Metal Weight Calculator"));
    QCOMPARE(texts.at(2), QString("Calculations:"));
    QCOMPARE(texts.at(4), stored[0]);
    QCOMPARE(texts.at(6), stored[1]);
    QVERIFY(texts.contains("Metals Weight Calculator Utility provided by Keldary."));
    QCOMPARE(f.lines(), stored);
}

void TestResultList::printFailures_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("text");
    QTest::newRow("job refused") << int(PrintStatus::Refused) << "The report could not be printed";
}

void TestResultList::printFailures()
{
    QFETCH(int, status);
    QFETCH(QString, text);
    FormFixture f;
    f.edit("txtResult")->setText("4.000");
    f.press("cmdStoreResult");
    const QStringList stored = f.lines();
    f.printer->status = PrintStatus(status);
    f.press("cmdPrint");
    QCOMPARE(f.messages.size(), 1);
    QCOMPARE(f.messages.first(), (Message{text, "Print Failed"}));
    QCOMPARE(f.lines(), stored);
}

// The text pdftotext finds in a PDF file, one entry per non-empty line (kept
// together in layout mode, where a run of spaces would otherwise split it).
static QStringList pdfText(const QString &fileName)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {"-layout", "-enc", "UTF-8", fileName, "-"});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return {QStringLiteral("pdftotext failed on ") + fileName};
    QStringList lines;
    for (const QString &line : QString::fromUtf8(pdftotext.readAllStandardOutput()).split('\n')) {
        if (!line.simplified().isEmpty())
            lines << line.simplified();
    }
    return lines;
}

void TestResultList::printWithoutPrinter_data()
{
    QTest::addColumn<bool>("accept");
    // Where the save dialog points: empty when it is cancelled, else a path in a fresh folder.
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QList<Message>>("expected");

    const QList<Message> none;
    const QList<Message> notSaved{{"The report could not be saved", "Print Failed"}};
    QTest::newRow("offer declined") << false << "" << none;
    QTest::newRow("save dialog cancelled") << true << "" << none;
    QTest::newRow("saved") << true << "report.pdf" << none;
    QTest::newRow("saved over an older file") << true << "old.pdf" << none;
    QTest::newRow("folder does not exist") << true << "missing/report.pdf" << notSaved;
    QTest::newRow("name of a folder") << true << "folder" << notSaved;
}

void TestResultList::printWithoutPrinter()
{
    QFETCH(bool, accept);
    QFETCH(QString, chosen);
    QFETCH(QList<Message>, expected);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    QFile old(dir.filePath("old.pdf"));
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("not a report") > 0);
    old.close();

    FormFixture f;
    for (const char *weight : {"1.500", "2.500"}) {
        f.edit("txtResult")->setText(QLatin1String(weight));
        f.press("cmdStoreResult");
    }
    const QStringList stored = f.lines();
    f.printer->status = PrintStatus::NoPrinter;
    f.answer = accept;
    f.chosenFile = chosen.isEmpty() ? QString() : dir.filePath(chosen);
    f.press("cmdPrint");

    QCOMPARE(f.questions, (QList<Question>{{"No printer is available. Save the report as a PDF file instead?",
                                            "Print Results", "Save as PDF...", "Cancel"}}));
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QCOMPARE(f.suggestedFiles, accept ? QStringList{documents + "/Metal weights.pdf"} : QStringList{});
    QCOMPARE(f.messages, expected);
    QCOMPARE(f.lines(), stored);

    if (!expected.isEmpty() || chosen.isEmpty()) {
        // Nothing was written anywhere.
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 (QStringList{"folder", "old.pdf"}));
        QCOMPARE(QFileInfo(dir.filePath("old.pdf")).size(), qint64(12));
        return;
    }
    // The file holds the report the printer was handed, line for line.
    QStringList report;
    for (const ReportLine &line : f.printer->printed.at(0)) {
        if (!line.text.isEmpty())
            report << line.text.simplified();
    }
    QCOMPARE(pdfText(f.chosenFile), report);
}

void TestResultList::webLinkOpensTheProviderPage()
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
    FormFixture f;
    f.show();
    f.edit("txtResult")->setText("9.000");
    f.press("cmdStoreResult");
    QLabel *link = f.label("lblAuthorInfo2");
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(catcher.urls, QList<QUrl>{QUrl("http://www.keldary.example")});
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(catcher.urls.size(), 2);
    QVERIFY(f.form->isVisible());
    QCOMPARE(f.edit("txtResult")->text(), QString("9.000"));
    QCOMPARE(f.lines().size(), 1);
    QVERIFY(f.messages.isEmpty());
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
}

void TestResultList::webLinkWithoutBrowser()
{
    // No program on the path can open a page: the click does nothing visible.
    QTemporaryDir empty;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(empty.path()));
    qunsetenv("BROWSER");
    const auto restore = qScopeGuard([&] { qputenv("PATH", path); });

    FormFixture f;
    f.show();
    f.edit("txtResult")->setText("9.000");
    f.press("cmdStoreResult");
    QTest::mouseClick(f.label("lblAuthorInfo2"), Qt::LeftButton);
    QTest::mouseClick(f.label("lblAuthorInfo2"), Qt::LeftButton);
    QVERIFY(f.form->isVisible());
    QCOMPARE(f.edit("txtResult")->text(), QString("9.000"));
    QCOMPARE(f.lines().size(), 1);
    QVERIFY(f.messages.isEmpty());
}

void TestResultList::exitClosesTheWindow()
{
    FormFixture f;
    f.show();
    f.edit("txtResult")->setText("9.000");
    f.press("cmdStoreResult");
    QTest::mouseClick(f.get<QPushButton>("cmdExit"), Qt::LeftButton);
    QVERIFY(!f.form->isVisible());
    QVERIFY(f.messages.isEmpty());
}

QTEST_MAIN(TestResultList)
#include "tst_resultlist.moc"
