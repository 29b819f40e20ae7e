// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printerchoice.h"
#include "reportprinter.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QStringList>

#include <windows.h>

#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace keldary {

namespace {

// The driver's own default orientation, for a printer whose spooler entry
// holds no DEVMODE. One that cannot be read counts as portrait, as an
// unrotated page is.
bool driverDefaultIsPortrait(const wchar_t *name)
{
    std::wstring wide(name);
    HANDLE printer = nullptr;
    if (!OpenPrinterW(wide.data(), &printer, nullptr))
        return true;
    short orientation = DMORIENT_PORTRAIT;
    if (const LONG size = DocumentPropertiesW(nullptr, printer, wide.data(), nullptr, nullptr, 0); size > 0) {
        std::vector<BYTE> buffer(size);
        auto *devMode = reinterpret_cast<DEVMODEW *>(buffer.data());
        if (DocumentPropertiesW(nullptr, printer, wide.data(), devMode, nullptr, DM_OUT_BUFFER) == IDOK
            && (devMode->dmFields & DM_ORIENTATION))
            orientation = devMode->dmOrientation;
    }
    ClosePrinter(printer);
    return orientation != DMORIENT_LANDSCAPE;
}

// The printers whose default orientation in the spooler is landscape, from
// the DEVMODE of their PRINTER_INFO_2 (what SetPrinter and the printer's
// properties set), all in one call. Qt starts a QPrinter in portrait whatever
// the spooler holds, and making one opens a device context on the driver,
// which for a network printer may wait on the network; this asks the spooler
// only, before anything opens a printer: under Wine 10, opening one puts the
// drivers' defaults back into the spooler's entries.
QStringList landscapePrinters()
{
    const DWORD which = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    DWORD needed = 0;
    DWORD count = 0;
    EnumPrintersW(which, nullptr, 2, nullptr, 0, &needed, &count);
    std::vector<BYTE> buffer(needed);
    QStringList landscape;
    if (needed == 0 || !EnumPrintersW(which, nullptr, 2, buffer.data(), needed, &needed, &count))
        return landscape;
    const auto *printers = reinterpret_cast<const PRINTER_INFO_2W *>(buffer.data());
    for (DWORD i = 0; i < count; ++i) {
        const DEVMODEW *mode = printers[i].pDevMode;
        const bool portrait = mode ? !(mode->dmFields & DM_ORIENTATION) || mode->dmOrientation != DMORIENT_LANDSCAPE
                                   : driverDefaultIsPortrait(printers[i].pPrinterName);
        if (!portrait)
            landscape.append(QString::fromWCharArray(printers[i].pPrinterName));
    }
    return landscape;
}

// Prints through the Windows spooler on the printer choosePrinter picks,
// without a dialog. Qt lists the printers in the spooler's order. A printer
// in a warning or offline state still gets the job, as the spooler queues it
// for later: only a job that cannot be started is refused.
class WindowsReportPrinter : public ReportPrinter
{
public:
    explicit WindowsReportPrinter(QFont baseFont)
        : m_baseFont(std::move(baseFont))
    {
    }

    PrintStatus print(const std::vector<ReportLine> &lines) override
    {
        // Before Qt opens the printers (see landscapePrinters).
        const QStringList landscape = landscapePrinters();
        const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
        if (printers.isEmpty())
            return PrintStatus::NoPrinter;

        std::vector<InstalledPrinter> installed;
        for (const QPrinterInfo &info : printers)
            installed.push_back({info.printerName(), !landscape.contains(info.printerName()), info.isDefault()});
        m_currentPrinter = choosePrinter(installed, m_currentPrinter);

        const QPrinterInfo chosen = QPrinterInfo::printerInfo(m_currentPrinter);
        if (chosen.isNull())
            return PrintStatus::Refused;
        QPrinter printer(chosen, QPrinter::HighResolution);
        printer.setDocName(u"Calculations"_s);
        if (!printer.isValid())
            return PrintStatus::Refused;
        return renderReport(lines, m_baseFont, printer) ? PrintStatus::Printed : PrintStatus::Refused;
    }

private:
    QFont m_baseFont;
    QString m_currentPrinter;
};

} // namespace

std::unique_ptr<ReportPrinter> makeSystemPrinter(QFont baseFont)
{
    return std::make_unique<WindowsReportPrinter>(std::move(baseFont));
}

} // namespace keldary
