// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "browser.h"
#include "formfixture.h"
#include "pdftext.h"
#include "platformskip.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <optional>

using namespace keldary;
using namespace calccases;

Q_DECLARE_METATYPE(Message)

class TestResultList : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void storeLines_data();
    void storeLines();
    void storeOnlyAWeightOfTheShownInputs_data();
    void storeOnlyAWeightOfTheShownInputs();
    void newLineIsScrolledIntoView();
    void clickKeepsOrSelectsALine_data();
    void clickKeepsOrSelectsALine();
    void removeKeepsOrderAndSelectsNothing();
    void printSendsTheReport();
    void printRefused();
    void printWithoutPrinter_data();
    void printWithoutPrinter();
    void webLink_data();
    void webLink();
    void exitClosesTheWindow();
};

void TestResultList::storeLines_data()
{
    QTest::addColumn<LineCase>("row");
    for (const LineCase &row : lineCases())
        QTest::newRow(row.name) << row;
}

void TestResultList::storeLines()
{
    QFETCH(LineCase, row);
    FormFixture f;
    f.enter(row.in);
    f.press("cmdStoreResult");
    QVERIFY(f.messages.isEmpty());
    QCOMPARE(f.lines(), QStringList{row.line});
}

// One step of a user's session: "name=text" types the text into a box
// (replacing what it held), "name#n" picks position n in a list, and
// "Calculate" or "Clear Fields" presses that button.
static void perform(const FormFixture &f, const QString &step)
{
    if (step == "Calculate") {
        f.press("cmdCalculate");
    } else if (step == "Clear Fields") {
        f.press("cmdClearFields");
    } else if (const qsizetype at = step.indexOf(u'='); at > 0) {
        QLineEdit *box = f.edit(step.left(at));
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, step.mid(at + 1));
    } else if (const qsizetype plus = step.indexOf(u'+'); plus > 0) { // typed at the end
        QLineEdit *box = f.edit(step.left(plus));
        box->setFocus();
        box->end(false);
        QTest::keyClicks(box, step.mid(plus + 1));
    } else if (step.endsWith(u'<')) { // one Backspace at the end
        QLineEdit *box = f.edit(step.chopped(1));
        box->setFocus();
        box->end(false);
        QTest::keyClick(box, Qt::Key_Backspace);
    } else if (const qsizetype hash = step.indexOf(u'#'); hash > 0) {
        f.combo(step.left(hash))->setCurrentIndex(step.mid(hash + 1).toInt());
    } else {
        QFAIL(qPrintable("unknown step " + step));
    }
}

void TestResultList::storeOnlyAWeightOfTheShownInputs_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("weight"); // of the stored line; empty when Store refuses
    QTest::addColumn<QString>("message");

    const QString notCurrent = "The weight shown was not calculated from the current inputs";
    const QString none = "There is no calculation to be stored";

    // Every row starts from Angles 3 x 2 x 0.25 in, 120 in long, calculated: 41.325.
    QTest::newRow("nothing changed") << QStringList{} << "41.325" << "";
    QTest::newRow("length changed") << QStringList{"txtParam_3=240"} << "" << notCurrent;
    QTest::newRow("length changed and changed back") << QStringList{"txtParam_3=240", "txtParam_3=120"} << "41.325" << "";
    QTest::newRow("unit of the length changed") << QStringList{"cmbUnits_3#1"} << "" << notCurrent;
    QTest::newRow("unit changed and changed back") << QStringList{"cmbUnits_2#3", "cmbUnits_2#0"} << "41.325" << "";
    QTest::newRow("alloy changed") << QStringList{"cmbAlloy#4"} << "" << notCurrent;
    QTest::newRow("pieces changed") << QStringList{"txtNumPieces=2"} << "" << notCurrent;
    QTest::newRow("stock form changed") << QStringList{"cmbShapes#10"} << "" << notCurrent;
    QTest::newRow("stock form changed and changed back") << QStringList{"cmbShapes#10", "cmbShapes#0"} << "41.325" << "";
    QTest::newRow("a field the angle does not show") << QStringList{"txtParam_4=9"} << "41.325" << "";
    QTest::newRow("the pipe size, not shown for angles") << QStringList{"cmbSize#3"} << "41.325" << "";
    QTest::newRow("weight typed by hand after a change") << QStringList{"txtParam_3=240", "txtResult=82.650"} << "82.650" << "";
    QTest::newRow("a digit typed into the weight and deleted, then a change")
        << QStringList{"txtResult+1", "txtResult<", "txtParam_3=240"} << "" << notCurrent;
    QTest::newRow("a zero typed after the weight, then a change")
        << QStringList{"txtResult+0", "txtParam_3=240"} << "" << notCurrent;
    QTest::newRow("calculated again after a change") << QStringList{"txtParam_3=240", "Calculate"} << "82.650" << "";
    QTest::newRow("a calculation that ended with a message")
        << QStringList{"txtParam_2=x", "Calculate", "txtParam_2=0.25"} << "" << notCurrent;
    QTest::newRow("the thickness message, then a good calculation")
        << QStringList{"txtParam_2=3", "Calculate", "txtParam_2=0.25", "Calculate"} << "41.325" << "";
    QTest::newRow("the pieces message")
        << QStringList{"txtNumPieces=x", "Calculate", "txtNumPieces=1"} << "" << notCurrent;
    QTest::newRow("a typed weight is replaced by the next calculation")
        << QStringList{"txtResult=7", "Calculate", "txtParam_3=240"} << "" << notCurrent;
    QTest::newRow("after Clear Fields") << QStringList{"Clear Fields"} << "" << none;
    QTest::newRow("empty weight typed by hand") << QStringList{"txtResult="} << "" << none;
    QTest::newRow("spaces typed as the weight") << QStringList{"txtResult=  "} << "" << none;
    QTest::newRow("letters typed as the weight") << QStringList{"txtResult=heavy"} << "" << none;
    QTest::newRow("after Clear Fields, a weight typed by hand") << QStringList{"Clear Fields", "txtResult=5"} << "5" << "";
    const QStringList pipe{"cmbShapes#6", "txtParam_2=20", "cmbUnits_2#1", "cmbSize#8", "cmbSchedule#4", "Calculate"};
    QTest::newRow("pipe size changed") << pipe + QStringList{"cmbSize#9"} << "" << notCurrent;
    QTest::newRow("pipe schedule changed") << pipe + QStringList{"cmbSchedule#6"} << "" << notCurrent;
    QTest::newRow("pipe size changed and changed back") << pipe + QStringList{"cmbSize#9", "cmbSize#8"} << "73.060" << "";
    QTest::newRow("pipe field under the size list") << pipe + QStringList{"txtParam_0=5"} << "73.060" << "";
    QTest::newRow("rebar size changed")
        << QStringList{"cmbShapes#8", "txtParam_1=20", "cmbUnits_1#1", "Calculate", "cmbRebarSizes#2"} << "" << notCurrent;
    QTest::newRow("tee size changed")
        << QStringList{"cmbShapes#16", "txtParam_1=10", "cmbUnits_1#1", "Calculate", "cmbTeeSizes#2"} << "" << notCurrent;
}

void TestResultList::storeOnlyAWeightOfTheShownInputs()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, weight);
    QFETCH(QString, message);
    FormFixture f;
    f.show();
    for (const QString &step : {"txtParam_0=3", "txtParam_1=2", "txtParam_2=0.25", "txtParam_3=120", "Calculate"})
        perform(f, step);
    QCOMPARE(f.edit("txtResult")->text(), QString("41.325"));
    for (const QString &step : steps)
        perform(f, step);
    const QString shown = f.edit("txtResult")->text();
    const QString field = f.param(0)->text();
    const int shape = f.combo("cmbShapes")->currentIndex();
    f.messages.clear();

    f.press("cmdStoreResult");
    if (weight.isEmpty()) {
        QCOMPARE(f.messages, QList<Message>{(Message{message, "Store Failed"})});
        QCOMPARE(f.lines(), QStringList{});
    } else {
        QCOMPARE(f.messages, QList<Message>{});
        QCOMPARE(f.lines().size(), 1);
        QVERIFY2(f.lines().first().endsWith("Total Weight: " + weight + " lbs."), qPrintable(f.lines().first()));
        // Store again with the line selected: the same state gives a second,
        // equal line, and the selection stays.
        f.results()->setCurrentRow(0);
        f.press("cmdStoreResult");
        QCOMPARE(f.lines().size(), 2);
        QCOMPARE(f.lines().at(1), f.lines().at(0));
        QCOMPARE(f.results()->currentRow(), 0);
    }
    // Store changes nothing else in the window.
    QCOMPARE(f.edit("txtResult")->text(), shown);
    QCOMPARE(f.param(0)->text(), field);
    QCOMPARE(f.combo("cmbShapes")->currentIndex(), shape);
}

void TestResultList::newLineIsScrolledIntoView()
{
    FormFixture f;
    f.show();
    QListWidget *list = f.results();
    for (int i = 1; i <= 6; ++i) {
        f.edit("txtResult")->setText(QString::number(i) + ".000");
        f.press("cmdStoreResult");
        QCOMPARE(list->count(), i);
        const QRect line = list->visualItemRect(list->item(i - 1));
        // Wholly visible from top to bottom (a long line may run past the right edge).
        QVERIFY2(line.top() >= 0 && line.bottom() <= list->viewport()->rect().bottom(),
                 qPrintable(QString("line %1 at %2 to %3, list shows 0 to %4")
                                    .arg(i).arg(line.top()).arg(line.bottom()).arg(list->viewport()->rect().bottom())));
        QVERIFY(list->selectedItems().isEmpty());
        QCOMPARE(list->currentRow(), -1);
    }
}

void TestResultList::clickKeepsOrSelectsALine_data()
{
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<int>("selected"); // afterwards, and removed by Remove Result

    QTest::newRow("click on the empty part") << "click below" << 1;
    QTest::newRow("double click on the empty part") << "double click below" << 1;
    QTest::newRow("drag within the empty part") << "drag below" << 1;
    QTest::newRow("click on the first line") << "click line 0" << 0;
    QTest::newRow("click on the selected line") << "click line 1" << 1;
}

void TestResultList::clickKeepsOrSelectsALine()
{
    QFETCH(QString, gesture);
    QFETCH(int, selected);
    FormFixture f;
    f.show();
    f.store({"1.000", "2.000"});
    const QStringList stored = f.lines();
    QListWidget *list = f.results();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    QCOMPARE(list->currentRow(), 1);

    const QPoint below(list->viewport()->width() / 2, list->viewport()->height() - 2);
    QVERIFY(!list->indexAt(below).isValid());
    if (gesture == "click below") {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, below);
    } else if (gesture == "double click below") {
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, below);
    } else if (gesture == "drag below") {
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, below);
        QTest::mouseMove(list->viewport(), below - QPoint(40, 0));
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, below - QPoint(40, 0));
    } else {
        const int row = gesture.section(u' ', 2).toInt();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }
    QCOMPARE(list->selectionModel()->selectedRows().size(), 1);
    QCOMPARE(list->selectionModel()->selectedRows().first().row(), selected);

    f.press("cmdDeleteResult");
    QVERIFY(f.messages.isEmpty());
    QCOMPARE(f.lines(), QStringList{stored[1 - selected]});
}

void TestResultList::removeKeepsOrderAndSelectsNothing()
{
    FormFixture f;
    const QList<Message> selectFirst{{"Please select a calculation to delete", "Remove Failed"}};
    f.press("cmdDeleteResult");
    QCOMPARE(f.messages, selectFirst);
    f.messages.clear();
    f.store({"1.000", "2.000", "3.000"});
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
    QCOMPARE(f.messages, selectFirst);

    f.results()->setCurrentRow(1);
    f.press("cmdDeleteResult");
    QCOMPARE(f.lines(), QStringList{stored[1]});
}

void TestResultList::printSendsTheReport()
{
    FormFixture f;
    f.store({"1.500", "2.500"});
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

void TestResultList::printRefused()
{
    FormFixture f;
    f.store({"4.000"});
    const QStringList stored = f.lines();
    f.printer->status = PrintStatus::Refused;
    f.press("cmdPrint");
    QCOMPARE(f.messages, (QList<Message>{{"The report could not be printed", "Print Failed"}}));
    QCOMPARE(f.lines(), stored);
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
    f.store({"1.500", "2.500"});
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
    SKIP_ON_WINDOWS("pdftotext, which reads the saved PDF back, is a Linux program; the Wine check reads a saved report");
    QCOMPARE(pdfLines(f.chosenFile), printedTexts(f.printer->printed.at(0)));
}

void TestResultList::webLink_data()
{
    QTest::addColumn<bool>("browser");
    QTest::newRow("opens the provider's page") << true;
    // No program on the path can open a page: each click says so.
    QTest::newRow("without a browser") << false;
}

void TestResultList::webLink()
{
    QFETCH(bool, browser);
    if (!browser)
        SKIP_ON_WINDOWS("Windows opens a page through the shell, never through a browser on the path");
    std::optional<BrowserStandIn> catcher;
    QTemporaryDir empty;
    const QByteArray path = qgetenv("PATH");
    const auto restore = qScopeGuard([&] { qputenv("PATH", path); });
    if (browser) {
        catcher.emplace();
    } else {
        qputenv("PATH", QFile::encodeName(empty.path()));
        qunsetenv("BROWSER");
    }

    FormFixture f;
    f.show();
    f.store({"9.000"});
    QLabel *link = f.label("lblAuthorInfo2");
    QTest::mouseClick(link, Qt::LeftButton);
    QTest::mouseClick(link, Qt::LeftButton);
    // Nothing else changes.
    QVERIFY(f.form->isVisible());
    QCOMPARE(f.edit("txtResult")->text(), QString("9.000"));
    QCOMPARE(f.lines().size(), 1);
    if (browser) {
        const QUrl page("http://www.keldary.example");
        QCOMPARE(catcher->opened, (QList<QUrl>{page, page}));
        QVERIFY(f.messages.isEmpty());
    } else {
        const Message noBrowser{"No web browser could be started to open www.keldary.example", "Web Link"};
        QCOMPARE(f.messages, (QList<Message>{noBrowser, noBrowser}));
    }
}

void TestResultList::exitClosesTheWindow()
{
    FormFixture f;
    f.show();
    f.store({"9.000"});
    QTest::mouseClick(f.get<QPushButton>("cmdExit"), Qt::LeftButton);
    QVERIFY(!f.form->isVisible());
    QVERIFY(f.messages.isEmpty());
}

QTEST_MAIN(TestResultList)
#include "tst_resultlist.moc"
