// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reportprinter.h"

#include <QFontMetricsF>
#include <QLibrary>
#include <QLocale>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>

#include <cstring>
#include <memory>

using namespace Qt::StringLiterals;

namespace keldary {

namespace {

// The few CUPS calls the printer choice needs, looked up when the first report
// is printed. Linked at build time, libcups would bring its TLS, Kerberos and
// service-discovery libraries into every start of the program; Qt's print
// support loads the same library at printing time anyway.
struct CupsApi {
    decltype(&::cupsGetDests2) getDests2 = nullptr;
    decltype(&::cupsFreeDests) freeDests = nullptr;
    decltype(&::cupsGetOption) getOption = nullptr;

    bool loaded() const { return getDests2 && freeDests && getOption; }
};

const CupsApi &cups()
{
    static const CupsApi api = [] {
        CupsApi found;
        QLibrary library(u"cups"_s, 2);
        if (library.load()) {
            found.getDests2 = reinterpret_cast<decltype(found.getDests2)>(library.resolve("cupsGetDests2"));
            found.freeDests = reinterpret_cast<decltype(found.freeDests)>(library.resolve("cupsFreeDests"));
            found.getOption = reinterpret_cast<decltype(found.getOption)>(library.resolve("cupsGetOption"));
        }
        return found;
    }();
    return api;
}

// The destinations of the CUPS server, in the order in which CUPS lists them
// (the same order QPrinterInfo::availablePrinters() gives, since Qt asks the
// same library).
class CupsDestinations
{
public:
    CupsDestinations()
    {
        if (cups().loaded())
            m_count = cups().getDests2(CUPS_HTTP_DEFAULT, &m_dests);
    }
    ~CupsDestinations()
    {
        if (m_dests)
            cups().freeDests(m_count, m_dests);
    }
    CupsDestinations(const CupsDestinations &) = delete;
    CupsDestinations &operator=(const CupsDestinations &) = delete;

    const cups_dest_t *begin() const { return m_dests; }
    const cups_dest_t *end() const { return m_dests + (m_count > 0 ? m_count : 0); }
    bool isEmpty() const { return m_count <= 0; }

private:
    cups_dest_t *m_dests = nullptr;
    int m_count = 0;
};

// The name Qt knows the destination by: an lpoptions instance is "queue/instance".
QString printerName(const cups_dest_t &dest)
{
    QString name = QString::fromLocal8Bit(dest.name);
    if (dest.instance)
        name += u'/' + QString::fromLocal8Bit(dest.instance);
    return name;
}

const char *option(const cups_dest_t &dest, const char *name)
{
    return cups().getOption(name, dest.num_options, dest.options);
}

// A queue's default orientation is its orientation-requested default
// (IPP enum: 3 portrait, 4 landscape, 5 reverse landscape, 6 reverse
// portrait). A queue without one prints pages as they come, unrotated, which
// for the report is portrait; so is any value CUPS itself would not rotate by.
bool isPortrait(const cups_dest_t &dest)
{
    const char *value = option(dest, CUPS_ORIENTATION);
    if (!value)
        return true;
    return std::strcmp(value, CUPS_ORIENTATION_LANDSCAPE) != 0 && std::strcmp(value, "5") != 0;
}

// CUPS holds jobs for a stopped (disabled) queue and refuses them outright on
// one that rejects jobs. Qt's print engine hands the job over without telling
// the caller whether CUPS took it, so both are checked before printing.
bool takesJobs(const cups_dest_t &dest)
{
    const char *accepting = option(dest, "printer-is-accepting-jobs");
    if (accepting && std::strcmp(accepting, "false") == 0)
        return false;
    const char *state = option(dest, "printer-state");
    return !(state && std::strcmp(state, "5") == 0); // IPP_PSTATE_STOPPED
}

// Qt's CUPS print engine takes extra job options, name and value in turn, as
// this property; its own print dialog passes the user's choices so (the key
// is PPK_CupsOptions in Qt's private qcups_p.h).
constexpr auto CupsJobOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

const cups_dest_t *findByName(const CupsDestinations &dests, const QString &name)
{
    for (const cups_dest_t &dest : dests) {
        if (printerName(dest) == name)
            return &dest;
    }
    return nullptr;
}

QFont lineFont(const QFont &baseFont, const ReportLine &line)
{
    QFont font(baseFont.family());
    font.setPointSize(line.pointSize);
    font.setBold(line.bold);
    font.setItalic(line.italic);
    return font;
}

} // namespace

bool renderReport(const std::vector<ReportLine> &lines, const QFont &baseFont,
                  QPagedPaintDevice &device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;

    const qreal pageHeight = device.height();
    qreal top = 0;
    for (const ReportLine &line : lines) {
        const QFont font = lineFont(baseFont, line);
        // Measured for the device: a printer's resolution differs from the screen's.
        const QFontMetricsF metrics(font, &device);
        const qreal height = metrics.lineSpacing();

        // A line taller than a whole page still goes on a page of its own
        // rather than asking for new pages forever.
        if (top > 0 && top + height > pageHeight) {
            if (!device.newPage()) {
                painter.end();
                return false;
            }
            top = 0;
        }
        if (!line.text.isEmpty()) {
            painter.setFont(font);
            painter.drawText(QPointF(0, top + metrics.ascent()), line.text);
        }
        top += height;
    }
    return painter.end();
}

bool saveReportAsPdf(const std::vector<ReportLine> &lines, const QFont &baseFont, const QString &fileName)
{
    // The same device as for a printer, so that the file holds the same
    // pages: a printer's resolution, the same fonts and line spacing.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    printer.setDocName(u"Calculations"_s);
    printer.setPageSize(QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem
                                      ? QPageSize::Letter
                                      : QPageSize::A4));
    return renderReport(lines, baseFont, printer);
}

CupsReportPrinter::CupsReportPrinter(QFont baseFont)
    : m_baseFont(std::move(baseFont))
{
}

PrintStatus CupsReportPrinter::print(const std::vector<ReportLine> &lines)
{
    const CupsDestinations dests;
    if (dests.isEmpty())
        return PrintStatus::NoPrinter;

    // The first portrait printer becomes the current printer. Without one the
    // current printer stays: the one an earlier report chose if it is still
    // installed, else CUPS's default, else (no default set) the first listed.
    const cups_dest_t *chosen = nullptr;
    for (const cups_dest_t &dest : dests) {
        if (isPortrait(dest)) {
            chosen = &dest;
            break;
        }
    }
    if (!chosen && !m_currentPrinter.isEmpty())
        chosen = findByName(dests, m_currentPrinter);
    if (!chosen) {
        for (const cups_dest_t &dest : dests) {
            if (dest.is_default) {
                chosen = &dest;
                break;
            }
        }
    }
    if (!chosen)
        chosen = dests.begin();
    m_currentPrinter = printerName(*chosen);

    if (!takesJobs(*chosen) || QPrinterInfo::printerInfo(m_currentPrinter).isNull())
        return PrintStatus::Refused;

    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(m_currentPrinter);
    printer.setDocName(u"Calculations"_s);
    if (!printer.isValid())
        return PrintStatus::Refused;
    // Qt sends the job to the queue itself, without an lpoptions instance's
    // options, so the queue's own orientation would win over the instance's
    // that made it the choice. For a queue this repeats its default.
    if (const char *orientation = option(*chosen, CUPS_ORIENTATION)) {
        printer.printEngine()->setProperty(
            CupsJobOptions, QStringList{QString::fromLatin1(CUPS_ORIENTATION), QString::fromLatin1(orientation)});
    }
    return renderReport(lines, m_baseFont, printer) ? PrintStatus::Printed : PrintStatus::Refused;
}

QString CupsReportPrinter::currentPrinter() const
{
    return m_currentPrinter;
}

} // namespace keldary
