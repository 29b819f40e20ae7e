// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cupsreportprinter.h"

#include "printerchoice.h"

#include <QLibrary>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>

#include <cstring>

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

} // namespace

CupsReportPrinter::CupsReportPrinter(QFont baseFont)
    : m_baseFont(std::move(baseFont))
{
}

PrintStatus CupsReportPrinter::print(const std::vector<ReportLine> &lines)
{
    const CupsDestinations dests;
    if (dests.isEmpty())
        return PrintStatus::NoPrinter;

    std::vector<InstalledPrinter> installed;
    for (const cups_dest_t &dest : dests)
        installed.push_back({printerName(dest), isPortrait(dest), dest.is_default != 0});
    m_currentPrinter = choosePrinter(installed, m_currentPrinter);
    const cups_dest_t *chosen = findByName(dests, m_currentPrinter);

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

std::unique_ptr<ReportPrinter> makeSystemPrinter(QFont baseFont)
{
    return std::make_unique<CupsReportPrinter>(std::move(baseFont));
}

} // namespace keldary
