// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints through a CUPS server of the test's own: a cupsd on a socket in a
// temporary folder, with cups-pdf queues that write their PDFs there too.
// Nothing of the machine's own CUPS setup is used or changed, except the
// per-queue cups-pdf settings, which cups-pdf only reads from /etc/cups.

#include "results/report.h"
#include "results/cupsreportprinter.h"

#include "pdftext.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>
#include <set>

#include <cups/cups.h>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using keldary::CupsReportPrinter;
using keldary::PrintStatus;

Q_DECLARE_METATYPE(PrintStatus)
Q_DECLARE_METATYPE(std::vector<keldary::ReportLine>)

namespace {

const QString CupsPdfPpd = u"/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"_s;

// IPP orientation-requested values; Unset leaves the queue without a default.
enum Orientation { Unset = 0, Portrait = 3, Landscape = 4, ReverseLandscape = 5, ReversePortrait = 6 };

QString tool(const QString &name)
{
    return QStandardPaths::findExecutable(name, {u"/usr/sbin"_s, u"/usr/bin"_s, u"/sbin"_s, u"/bin"_s});
}

std::vector<keldary::ReportLine> sampleReport()
{
    return keldary::buildReport(
        {u"Steel (Default)  Round Bar   Diameter: 2 in Length: 10 ft  Pieces: 4  Total Weight: 427.664 lbs."_s,
         u"Brass  Rebar   Size: 4 Length: 20 ft  Pieces: 10  Total Weight: 133.600 lbs."_s},
        {u"Keldary"_s, u"PO Box 418, Harlow, OR 97999"_s, u"Phone: (555) 010-4471"_s,
         u"Fax: (555) 010-4472"_s});
}

// Longer than a page: every line printed, in turn 14, 10 and 8 pt, in all
// four faces, each line numbered so that a lost or repeated line shows.
std::vector<keldary::ReportLine> longReport()
{
    std::vector<keldary::ReportLine> lines;
    for (int i = 0; i < 180; ++i) {
        const int size = std::array{14, 10, 8}[i % 3];
        const bool bold = i % 4 == 1 || i % 4 == 3;
        const bool italic = i % 4 >= 2;
        lines.push_back({u"Line %1 of the long report, %2 pt"_s.arg(i + 1).arg(size), size, bold, italic});
    }
    return lines;
}

struct PrintedLine {
    int page = 0;
    QRectF box; // in points, from the page's top left corner
    QString text;
};

QString describe(const PrintedLine &line)
{
    return u"\"%1\" on page %2 at top %3, bottom %4, left %5"_s.arg(line.text).arg(line.page + 1)
        .arg(line.box.top()).arg(line.box.bottom()).arg(line.box.left());
}

// The report as a reader finds it in the PDF, checked against the lines it was
// printed from and the page layout it was printed with: the faces the report
// uses embedded (pdffonts); every line that has text, once and in order
// (pdftotext), each in its own face (pdftohtml); pages of the layout's size,
// upright (pdfinfo); every line inside the printable area, below the one
// before it without overlapping, as tall as its point size makes it, a line
// that opens a page at the top of the printable area, and a new page only
// when the next line does not fit (pdftotext -bbox-layout). Empty when all
// holds, else what does not; pages is set to the number of pages.
QString printedReportProblems(const QString &pdf, const std::vector<keldary::ReportLine> &report,
                              const QPageLayout &layout, int *pages = nullptr)
{
    for (const QString name : {u"pdffonts"_s, u"pdftotext"_s, u"pdftohtml"_s, u"pdfinfo"_s}) {
        if (tool(name).isEmpty())
            return name + u" (poppler-utils) is not installed"_s;
    }

    // Faces: the name of an embedded font tells its face ("ABCDEF+LiberationSans-BoldItalic").
    const auto face = [](bool bold, bool italic) {
        return QString(bold ? u"bold"_s : u"regular"_s) + (italic ? u" italic"_s : QString());
    };
    std::set<QString> needed;
    std::set<QString> embedded;
    for (const auto &line : report) {
        if (!line.text.isEmpty())
            needed.insert(face(line.bold, line.italic));
    }
    QStringList fonts;
    for (const PdfFont &font : pdfFonts(pdf)) {
        fonts << font.name + (font.embedded ? u" (embedded)"_s : QString());
        if (font.embedded)
            embedded.insert(face(font.name.contains(u"Bold"_s),
                                 font.name.contains(u"Italic"_s) || font.name.contains(u"Oblique"_s)));
    }
    if (embedded != needed) {
        return u"embedded faces %1, the report uses %2; pdffonts: %3"_s
            .arg(QStringList(embedded.begin(), embedded.end()).join(u", "_s),
                 QStringList(needed.begin(), needed.end()).join(u", "_s), fonts.join(u", "_s));
    }

    // Lines and their boxes.
    QList<PrintedLine> printed;
    QList<QSizeF> pageSizes;
    QXmlStreamReader xml(toolOutput(u"pdftotext"_s, {u"-bbox-layout"_s, pdf, u"-"_s}));
    const auto number = [&xml](const char *name) {
        return xml.attributes().value(QLatin1StringView(name)).toDouble();
    };
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"page") {
            pageSizes << QSizeF(number("width"), number("height"));
        } else if (xml.name() == u"line") {
            printed << PrintedLine{int(pageSizes.size()) - 1,
                                   QRectF(QPointF(number("xMin"), number("yMin")),
                                          QPointF(number("xMax"), number("yMax"))),
                                   QString()};
        } else if (xml.name() == u"word" && !printed.isEmpty()) {
            QString &text = printed.last().text;
            text += (text.isEmpty() ? QString() : u" "_s) + xml.readElementText();
        }
    }
    if (xml.hasError() || pageSizes.isEmpty())
        return u"pdftotext -bbox-layout gave nothing readable: "_s + xml.errorString();
    if (pages)
        *pages = int(pageSizes.size());

    // pdftotext writes a run of spaces as one.
    QStringList printedTexts;
    QStringList expectedTexts;
    QList<int> reportIndex;
    for (const PrintedLine &line : std::as_const(printed))
        printedTexts << line.text;
    for (std::size_t i = 0; i < report.size(); ++i) {
        if (!report[i].text.isEmpty()) {
            expectedTexts << report[i].text.simplified();
            reportIndex << int(i);
        }
    }
    if (printedTexts != expectedTexts) {
        return u"printed lines:\n  %1\nexpected:\n  %2"_s.arg(printedTexts.join(u"\n  "_s),
                                                             expectedTexts.join(u"\n  "_s));
    }

    // Each line's face, as pdftohtml marks it from the name of the line's font.
    QXmlStreamReader runs(toolOutput(u"pdftohtml"_s, {u"-xml"_s, u"-i"_s, u"-q"_s, u"-stdout"_s, pdf}));
    QStringList faces;
    while (!runs.atEnd()) {
        if (runs.readNext() != QXmlStreamReader::StartElement || runs.name() != u"text")
            continue;
        bool bold = false;
        bool italic = false;
        while (!(runs.readNext() == QXmlStreamReader::EndElement && runs.name() == u"text") && !runs.atEnd()) {
            bold = bold || (runs.isStartElement() && runs.name() == u"b");
            italic = italic || (runs.isStartElement() && runs.name() == u"i");
        }
        faces << face(bold, italic);
    }
    QStringList expectedFaces;
    for (const int i : std::as_const(reportIndex))
        expectedFaces << face(report[std::size_t(i)].bold, report[std::size_t(i)].italic);
    if (faces != expectedFaces) {
        for (qsizetype i = 0; i < std::min(faces.size(), expectedFaces.size()); ++i) {
            if (faces[i] != expectedFaces[i])
                return u"\"%1\" printed %2, not %3"_s.arg(expectedTexts[i], faces[i], expectedFaces[i]);
        }
        return u"pdftohtml found %1 lines, not %2"_s.arg(faces.size()).arg(expectedFaces.size());
    }

    const QSizeF pageSize = layout.fullRect(QPageLayout::Point).size();
    for (const QSizeF &size : std::as_const(pageSizes)) {
        if (std::abs(size.width() - pageSize.width()) > 1 || std::abs(size.height() - pageSize.height()) > 1)
            return u"a page of %1 x %2 pt, printed on %3 x %4 pt"_s.arg(size.width()).arg(size.height())
                .arg(pageSize.width()).arg(pageSize.height());
    }
    // Upright as laid out: no page carries a rotation left for the viewer or printer.
    const QString info = toolOutput(u"pdfinfo"_s, {u"-f"_s, u"1"_s, u"-l"_s, QString::number(pageSizes.size()), pdf});
    static const QRegularExpression rotation(u"^Page +(\\d+) rot: +(\\d+)$"_s, QRegularExpression::MultilineOption);
    qsizetype rotations = 0;
    for (const auto &match : rotation.globalMatch(info)) {
        ++rotations;
        if (match.captured(2) != u"0")
            return u"page %1 is turned by %2 degrees"_s.arg(match.captured(1), match.captured(2));
    }
    if (rotations != pageSizes.size())
        return u"pdfinfo gave %1 page rotations for %2 pages:\n"_s.arg(rotations).arg(pageSizes.size()) + info;

    const QRectF area = layout.paintRect(QPageLayout::Point);
    constexpr qreal Slack = 0.5; // pt, for glyphs that reach a little past their box
    // The box pdftotext gives a line is its font's height at the line's size;
    // the first line sets the proportion for all.
    const qreal proportion = printed.first().box.height() / report[std::size_t(reportIndex.first())].pointSize;
    for (qsizetype i = 0; i < printed.size(); ++i) {
        const PrintedLine &line = printed[i];
        const int size = report[std::size_t(reportIndex[i])].pointSize;
        if (line.box.left() < area.left() - Slack || line.box.top() < area.top() - Slack
            || line.box.bottom() > area.bottom() + Slack)
            return describe(line) + u": outside the printable area, top %1, bottom %2, left %3"_s
                .arg(area.top()).arg(area.bottom()).arg(area.left());
        if (std::abs(line.box.height() / size - proportion) > proportion * 0.04)
            return describe(line) + u": %1 pt high, not in proportion to %2 pt"_s.arg(line.box.height()).arg(size);

        const bool follows = i > 0 && reportIndex[i] == reportIndex[i - 1] + 1;
        const bool opensPage = reportIndex[i] == 0 || (follows && line.page != printed[i - 1].page);
        if (opensPage && line.box.top() > area.top() + 0.5 * size)
            return describe(line) + u": opens the page but starts below the printable area's top %1"_s
                .arg(area.top());
        if (i == 0)
            continue;
        const PrintedLine &previous = printed[i - 1];
        if (line.page == previous.page && line.box.top() < previous.box.bottom())
            return describe(line) + u": not below "_s + describe(previous);
        if (line.page != previous.page && line.page != previous.page + 1)
            return describe(line) + u": a page skipped after "_s + describe(previous);
        if (follows && line.page != previous.page && area.bottom() - previous.box.bottom() > 1.5 * size)
            return describe(line) + u": on a new page though it had room below "_s + describe(previous);
    }
    return {};
}

struct Job {
    int id = 0;
    ipp_jstate_t state = IPP_JSTATE_PENDING;
};

// The jobs CUPS has seen for a queue, finished ones included. CUPS keeps the
// history of a deleted queue's jobs under its name, so tests compare counts
// from before and after printing.
QList<Job> jobsOf(const QString &queue)
{
    cups_job_t *jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.toLocal8Bit().constData(), 0,
                                   CUPS_WHICHJOBS_ALL);
    QList<Job> result;
    for (int i = 0; i < count; ++i)
        result << Job{jobs[i].id, jobs[i].state};
    cupsFreeJobs(count, jobs);
    return result;
}

bool writeFile(const QString &path, const QString &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toLocal8Bit()) >= 0;
}

QStringList cupsDestinationNames()
{
    cups_dest_t *dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    QStringList names;
    for (int i = 0; i < count; ++i) {
        QString name = QString::fromLocal8Bit(dests[i].name);
        if (dests[i].instance)
            name += u'/' + QString::fromLocal8Bit(dests[i].instance);
        names << name;
    }
    cupsFreeDests(count, dests);
    return names;
}

} // namespace

class TestCupsPrint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void noPrinterInstalled();
    void printerOrderIsQtOrder();
    void choosesPrinter_data();
    void choosesPrinter();
    void keepsChosenPrinter();
    void refusedQueue_data();
    void refusedQueue();
    void reportComesOutOfPortraitQueue_data();
    void reportComesOutOfPortraitQueue();
    void stoppedServer();

private:
    bool run(const QString &program, const QStringList &args);
    bool addQueue(const QString &queue, int orientation);
    bool addQueues(int orientationA, int orientationB, char defaultQueue);
    QString newestPdf(const QString &queue, qsizetype jobsBefore);
    void stopServer();
    QString errorLogTail() const;
    QString queueName(char letter) const;

    QTemporaryDir m_root;
    QProcess m_cupsd;
    QString m_queueA; // first in CUPS's order
    QString m_queueB;
    QStringList m_cupsPdfConfs;
    bool m_canConfigureCupsPdf = false;
    QString m_lastError;
    QByteArray m_lastOutput;
};

QString TestCupsPrint::queueName(char letter) const
{
    // The pid keeps two test runs on one machine from sharing cups-pdf settings.
    return u"keldary_%1_%2"_s.arg(QLatin1Char(letter)).arg(QCoreApplication::applicationPid());
}

bool TestCupsPrint::run(const QString &program, const QStringList &args)
{
    QProcess process;
    process.start(tool(program), args);
    const bool ok = process.waitForFinished(20000) && process.exitStatus() == QProcess::NormalExit
                    && process.exitCode() == 0;
    m_lastOutput = process.readAllStandardOutput();
    if (!ok) {
        m_lastError = program + u' ' + args.join(u' ') + u": "_s
                      + QString::fromLocal8Bit(process.readAllStandardError()) + errorLogTail();
    }
    return ok;
}

QString TestCupsPrint::errorLogTail() const
{
    QFile log(m_root.filePath(u"log/error_log"_s));
    if (!log.open(QIODevice::ReadOnly))
        return {};
    const QByteArray text = log.readAll();
    return u"\n--- cupsd error_log (end) ---\n"_s + QString::fromLocal8Bit(text.right(3000));
}

void TestCupsPrint::initTestCase()
{
    const QString cupsd = tool(u"cupsd"_s);
    if (cupsd.isEmpty())
        QSKIP("NOT TESTED: cupsd is not installed, so no CUPS server can be started "
              "(tools/packages.txt lists cups; run tools/bootstrap.sh)");
    QVERIFY2(!tool(u"lpadmin"_s).isEmpty(), "lpadmin missing though cupsd is installed");
    QVERIFY2(QFile::exists(CupsPdfPpd), "cups-pdf is not installed (printer-driver-cups-pdf)");
    QVERIFY(m_root.isValid());

    // The tests' CUPS server (tests/harness/cupsd.sh) in the temporary
    // folder; the folders for the PDFs and the home are the test's own.
    const QDir root(m_root.path());
    for (const char *folder : {"out", "home"})
        QVERIFY(root.mkpath(QString::fromLatin1(folder)));
    QVERIFY(QFile::setPermissions(root.filePath(u"out"_s), QFile::Permissions(0x7755)));
    const QString socket = root.filePath(u"cups.sock"_s);

    // Everything below, Qt's print support included, talks to this server
    // only; HOME and CUPS_SERVERROOT keep the user's and the machine's
    // lpoptions (default printer, instances) out of the printer list, and
    // the lpoptions command keeps the instances it makes in HOME.
    qputenv("CUPS_SERVER", socket.toLocal8Bit());
    qputenv("HOME", root.filePath(u"home"_s).toLocal8Bit());
    qputenv("CUPS_SERVERROOT", root.path().toLocal8Bit());

    // The starter becomes cupsd, in the foreground, so that it is ours to
    // stop; the death signal takes it down with the test even if the test crashes.
    m_cupsd.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd.start(u"bash"_s, {QStringLiteral(KELDARY_HARNESS "/cupsd.sh"), root.path()});
    if (!m_cupsd.waitForStarted(10000))
        QSKIP(qPrintable(u"NOT TESTED: cupsd could not be started: "_s + m_cupsd.errorString()));

    // lpstat -r ends with 0 whether the scheduler runs or not.
    QDeadlineTimer deadline(15000);
    bool up = false;
    while (!deadline.hasExpired() && m_cupsd.state() == QProcess::Running) {
        if (QFile::exists(socket) && run(u"lpstat"_s, {u"-r"_s})
            && m_lastOutput.trimmed() == "scheduler is running") {
            up = true;
            break;
        }
        QTest::qWait(100);
    }
    if (!up) {
        const QString why = QString::fromLocal8Bit(m_cupsd.readAll()) + errorLogTail();
        stopServer();
        QSKIP(qPrintable(u"NOT TESTED: the private cupsd did not come up: "_s + why));
    }

    m_queueA = queueName('a');
    m_queueB = queueName('b');

    // cups-pdf takes its settings from /etc/cups/cups-pdf-<queue>.conf only;
    // each queue writes into its own folder here.
    m_canConfigureCupsPdf = true;
    for (const QString &queue : {m_queueA, m_queueB}) {
        const QString out = root.filePath(u"out/"_s + queue);
        QVERIFY(root.mkpath(out));
        QFile::setPermissions(out, QFile::Permissions(0x7777));
        const QString confPath = u"/etc/cups/cups-pdf-%1.conf"_s.arg(queue);
        if (!writeFile(confPath, u"Out %1\nAnonDirName %1\nLabel 0\n"_s.arg(out))) {
            m_canConfigureCupsPdf = false;
            continue;
        }
        m_cupsPdfConfs << confPath;
    }
}

void TestCupsPrint::init()
{
    // Every test starts from a server without queues or instances.
    // The lpoptions command keeps instances in HOME or, run as root by some
    // CUPS versions, in the server root.
    QFile::remove(m_root.filePath(u"home/.cups/lpoptions"_s));
    QFile::remove(m_root.filePath(u"lpoptions"_s));
    // An instance ("queue/portrait") goes with its queue; each queue once.
    QStringList queues;
    for (const QString &name : cupsDestinationNames())
        queues << name.section(u'/', 0, 0);
    queues.removeDuplicates();
    for (const QString &queue : std::as_const(queues))
        QVERIFY2(run(u"lpadmin"_s, {u"-x"_s, queue}), qPrintable(m_lastError));
    QVERIFY(cupsDestinationNames().isEmpty());
}

void TestCupsPrint::cleanupTestCase()
{
    if (m_cupsd.state() == QProcess::Running) {
        for (const QString &name : cupsDestinationNames())
            run(u"lpadmin"_s, {u"-x"_s, name.section(u'/', 0, 0)});
    }
    stopServer();
    for (const QString &conf : std::as_const(m_cupsPdfConfs))
        QFile::remove(conf);
    QCOMPARE(m_cupsd.state(), QProcess::NotRunning);
}

void TestCupsPrint::stopServer()
{
    if (m_cupsd.state() == QProcess::NotRunning)
        return;
    m_cupsd.terminate();
    if (!m_cupsd.waitForFinished(10000)) {
        m_cupsd.kill();
        m_cupsd.waitForFinished(5000);
    }
}

bool TestCupsPrint::addQueue(const QString &queue, int orientation)
{
    QStringList args{u"-p"_s, queue, u"-E"_s, u"-v"_s, u"cups-pdf:/"_s + queue, u"-P"_s, CupsPdfPpd,
                     // pdftocairo keeps the text as text in the PostScript
                     // cups-pdf turns back into PDF, so pdftotext can read it.
                     u"-o"_s, u"pdftops-renderer-default=pdftocairo"_s};
    if (orientation != Unset)
        args << u"-o"_s << u"orientation-requested-default=%1"_s.arg(orientation);
    return run(u"lpadmin"_s, args);
}

// Queues a and b with their orientations, and which of them is the default.
bool TestCupsPrint::addQueues(int orientationA, int orientationB, char defaultQueue)
{
    return addQueue(m_queueA, orientationA) && addQueue(m_queueB, orientationB)
        && run(u"lpadmin"_s, {u"-d"_s, queueName(defaultQueue)});
}

void TestCupsPrint::noPrinterInstalled()
{
    CupsReportPrinter printer(QFont(u"Liberation Sans"_s));
    QVERIFY(QPrinterInfo::availablePrinterNames().isEmpty());
    QCOMPARE(printer.print(sampleReport()), PrintStatus::NoPrinter);
    QVERIFY(printer.currentPrinter().isEmpty());
    QCOMPARE(printer.print(sampleReport()), PrintStatus::NoPrinter);
}

void TestCupsPrint::printerOrderIsQtOrder()
{
    // CUPS lists by name, ignoring case; the printer walk relies on Qt
    // knowing the printers by the same names in the same order.
    for (const QString &queue : {u"kq_Zulu"_s, u"kq_alpha"_s, u"kq_Mike"_s, u"kq_bravo"_s})
        QVERIFY2(addQueue(queue, Landscape), qPrintable(m_lastError));
    const QStringList expected{u"kq_alpha"_s, u"kq_bravo"_s, u"kq_Mike"_s, u"kq_Zulu"_s};
    QCOMPARE(cupsDestinationNames(), expected);
    QCOMPARE(QPrinterInfo::availablePrinterNames(), expected);
}

void TestCupsPrint::choosesPrinter_data()
{
    QTest::addColumn<int>("orientationA");
    QTest::addColumn<int>("orientationB");
    QTest::addColumn<char>("defaultQueue");
    QTest::addColumn<char>("expected");

    QTest::newRow("landscape default first, portrait second: the portrait one")
        << int(Landscape) << int(Portrait) << 'a' << 'b';
    QTest::newRow("both portrait: the default, listed second") << int(Portrait) << int(Portrait) << 'b' << 'b';
    QTest::newRow("no orientation default counts as portrait")
        << int(Landscape) << int(Unset) << 'a' << 'b';
    QTest::newRow("reverse landscape is landscape, reverse portrait is portrait")
        << int(ReverseLandscape) << int(ReversePortrait) << 'a' << 'b';
    QTest::newRow("all landscape: the default printer, listed second")
        << int(Landscape) << int(Landscape) << 'b' << 'b';
    QTest::newRow("all landscape: the default printer, listed first")
        << int(Landscape) << int(Landscape) << 'a' << 'a';
}

void TestCupsPrint::choosesPrinter()
{
    QFETCH(int, orientationA);
    QFETCH(int, orientationB);
    QFETCH(char, defaultQueue);
    QFETCH(char, expected);

    QVERIFY2(addQueues(orientationA, orientationB, defaultQueue), qPrintable(m_lastError));

    const QString chosen = queueName(expected);
    const QString other = expected == 'a' ? m_queueB : m_queueA;
    const auto chosenJobs = jobsOf(chosen).size();
    const auto otherJobs = jobsOf(other).size();

    CupsReportPrinter printer(QFont(u"Liberation Sans"_s));
    QCOMPARE(printer.print(sampleReport()), PrintStatus::Printed);
    QCOMPARE(printer.currentPrinter(), chosen);
    QCOMPARE(jobsOf(chosen).size(), chosenJobs + 1);
    QCOMPARE(jobsOf(other).size(), otherJobs);
}

void TestCupsPrint::keepsChosenPrinter()
{
    QVERIFY2(addQueues(Landscape, Portrait, 'a'), qPrintable(m_lastError));

    const auto jobsA = jobsOf(m_queueA).size();
    const auto jobsB = jobsOf(m_queueB).size();

    CupsReportPrinter printer(QFont(u"Liberation Sans"_s));
    QCOMPARE(printer.print(sampleReport()), PrintStatus::Printed);
    QCOMPARE(printer.currentPrinter(), m_queueB);

    // Without a portrait printer the one chosen before stays current, rather
    // than falling back to the default.
    QVERIFY2(run(u"lpadmin"_s, {u"-p"_s, m_queueB, u"-o"_s, u"orientation-requested-default=4"_s}),
             qPrintable(m_lastError));
    QCOMPARE(printer.print(sampleReport()), PrintStatus::Printed);
    QCOMPARE(printer.currentPrinter(), m_queueB);
    QCOMPARE(jobsOf(m_queueB).size(), jobsB + 2);
    QCOMPARE(jobsOf(m_queueA).size(), jobsA);

    CupsReportPrinter fresh(QFont(u"Liberation Sans"_s));
    QCOMPARE(fresh.print(sampleReport()), PrintStatus::Printed);
    QCOMPARE(fresh.currentPrinter(), m_queueA);
    QCOMPARE(jobsOf(m_queueA).size(), jobsA + 1);
}

void TestCupsPrint::refusedQueue_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("orientationB");
    QTest::addColumn<char>("refusing");

    QTest::newRow("portrait queue rejects jobs") << u"cupsreject"_s << int(Portrait) << 'b';
    QTest::newRow("portrait queue disabled") << u"cupsdisable"_s << int(Portrait) << 'b';
    QTest::newRow("default queue rejects jobs and none is portrait")
        << u"cupsreject"_s << int(Landscape) << 'a';
}

void TestCupsPrint::refusedQueue()
{
    QFETCH(QString, command);
    QFETCH(int, orientationB);
    QFETCH(char, refusing);

    QVERIFY2(addQueues(Landscape, orientationB, 'a'), qPrintable(m_lastError));
    QVERIFY2(run(command, {queueName(refusing)}), qPrintable(m_lastError));

    const auto jobsA = jobsOf(m_queueA).size();
    const auto jobsB = jobsOf(m_queueB).size();

    CupsReportPrinter printer(QFont(u"Liberation Sans"_s));
    QCOMPARE(printer.print(sampleReport()), PrintStatus::Refused);
    QCOMPARE(printer.currentPrinter(), queueName(refusing));
    QCOMPARE(jobsOf(m_queueA).size(), jobsA);
    QCOMPARE(jobsOf(m_queueB).size(), jobsB);
}

// The PDF cups-pdf writes for the one job printed on a queue since it had
// jobsBefore, once the job is done; empty if there is none, and m_lastError says why.
QString TestCupsPrint::newestPdf(const QString &queue, qsizetype jobsBefore)
{
    const QList<Job> jobs = jobsOf(queue);
    if (jobs.size() != jobsBefore + 1) {
        m_lastError = u"%1 jobs on %2, not %3"_s.arg(jobs.size()).arg(queue).arg(jobsBefore + 1);
        return {};
    }
    const int jobId = std::max_element(jobs.begin(), jobs.end(), [](const Job &l, const Job &r) {
                          return l.id < r.id;
                      })->id;

    // cups-pdf names its file after the job; earlier tests' jobs may still be
    // finishing into the same folder.
    const QDir out(m_root.filePath(u"out/"_s + queue));
    const QStringList pattern{u"*job_%1.pdf"_s.arg(jobId)};
    QDeadlineTimer deadline(60000);
    ipp_jstate_t state = IPP_JSTATE_PENDING;
    while (!deadline.hasExpired()) {
        for (const Job &job : jobsOf(queue)) {
            if (job.id == jobId)
                state = job.state;
        }
        if (state >= IPP_JSTATE_STOPPED)
            break;
        QTest::qWait(250);
    }
    const QStringList files = out.entryList(pattern, QDir::Files);
    if (state != IPP_JSTATE_COMPLETED) {
        m_lastError = u"job %1 ended in state %2, not completed%3"_s.arg(jobId).arg(int(state)).arg(errorLogTail());
        return {};
    }
    if (files.size() != 1) {
        m_lastError = u"no PDF for job %1 in %2: %3"_s.arg(jobId).arg(out.path(), out.entryList().join(u", "_s));
        return {};
    }
    return out.filePath(files.first());
}

void TestCupsPrint::reportComesOutOfPortraitQueue_data()
{
    QTest::addColumn<std::vector<keldary::ReportLine>>("report");
    QTest::addColumn<int>("minPages");
    QTest::addColumn<bool>("instance");

    QTest::newRow("two results") << sampleReport() << 1 << false;
    QTest::newRow("longer than a page") << longReport() << 2 << false;
    // An lpoptions instance of a landscape queue, "queue/portrait", with its
    // own portrait orientation is the first portrait printer: the report goes
    // to that queue and comes out upright, with the instance's option; printed
    // with the queue's own landscape default, cups-pdf's page would be turned.
    QTest::newRow("portrait instance of a landscape queue") << sampleReport() << 1 << true;
}

void TestCupsPrint::reportComesOutOfPortraitQueue()
{
    QFETCH(std::vector<keldary::ReportLine>, report);
    QFETCH(int, minPages);
    QFETCH(bool, instance);

    if (!m_canConfigureCupsPdf)
        QSKIP("NOT TESTED: the printed PDF is not checked: cups-pdf reads its settings only from "
              "/etc/cups, which needs root");

    const QString portrait = instance ? m_queueA + u"/portrait"_s : m_queueB;
    const QString queue = instance ? m_queueA : m_queueB;
    const QString other = instance ? m_queueB : m_queueA;
    if (instance) {
        QVERIFY2(addQueues(Landscape, Landscape, 'b'), qPrintable(m_lastError));
        QVERIFY2(run(u"lpoptions"_s, {u"-p"_s, portrait, u"-o"_s, u"orientation-requested=%1"_s.arg(int(Portrait))}),
                 qPrintable(m_lastError));
        QCOMPARE(cupsDestinationNames(), (QStringList{m_queueA, portrait, m_queueB}));
    } else {
        QVERIFY2(addQueues(Landscape, Portrait, 'a'), qPrintable(m_lastError));
    }

    const auto jobs = jobsOf(queue).size();
    const auto otherJobs = jobsOf(other).size();

    CupsReportPrinter printer(QFont(u"Liberation Sans"_s));
    QCOMPARE(printer.print(report), PrintStatus::Printed);
    QCOMPARE(printer.currentPrinter(), portrait);
    QCOMPARE(jobsOf(other).size(), otherJobs);
    const QString pdf = newestPdf(queue, jobs);
    QVERIFY2(!pdf.isEmpty(), qPrintable(m_lastError));

    QPrinter layoutOf(QPrinter::HighResolution);
    layoutOf.setPrinterName(portrait);
    int pages = 0;
    const QString problems = printedReportProblems(pdf, report, layoutOf.pageLayout(), &pages);
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
    QVERIFY2(pages >= minPages, qPrintable(u"%1 pages"_s.arg(pages)));

    // Saved as a PDF file instead, the report is the same: the same lines in
    // the same fonts, over as many pages as they need.
    const QString savedPdf = m_root.filePath(u"Metal weights.pdf"_s);
    QVERIFY(keldary::saveReportAsPdf(report, QFont(u"Liberation Sans"_s), savedPdf));
    QCOMPARE(pdfLines(savedPdf), pdfLines(pdf));
    QVERIFY(pdfFonts(savedPdf) == pdfFonts(pdf));
}

void TestCupsPrint::stoppedServer()
{
    // The print service has gone away since the queues were set up: the
    // report is not printed, and the answer comes at once rather than hanging.
    QVERIFY2(addQueue(queueName('a'), Portrait), qPrintable(m_lastError));
    CupsReportPrinter printer(QFont(u"Liberation Sans"_s));
    stopServer();
    QDeadlineTimer deadline(20000);
    const PrintStatus status = printer.print(sampleReport());
    QVERIFY(status == PrintStatus::NoPrinter || status == PrintStatus::Refused);
    QVERIFY(!deadline.hasExpired());
}

QTEST_MAIN(TestCupsPrint)
#include "tst_cupsprint.moc"

