// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printerchoice.h"
#include "reportprinter.h"

#include <QPrinter>
#include <QPrinterInfo>

#include <windows.h>

#include <vector>

using namespace Qt::StringLiterals;

namespace keldary {

namespace {

// The spooler's default orientation of a printer, from the DEVMODE of its
// PRINTER_INFO_2 (what SetPrinter and the printer's properties set), else the
// driver's own defaults. Qt starts a QPrinter in portrait whatever the
// spooler holds, and making one opens a device context on the driver, which
// for a network printer may wait on the network; this asks the spooler only.
// A printer whose orientation cannot be read counts as portrait, as an
// unrotated page is.
bool isPortrait(const QString &name)
{
    std::wstring wide = name.toStdWString();
    HANDLE printer = nullptr;
    if (!OpenPrinterW(wide.data(), &printer, nullptr))
        return true;
    short orientation = DMORIENT_PORTRAIT;
    DWORD needed = 0;
    GetPrinterW(printer, 2, nullptr, 0, &needed);
    std::vector<BYTE> info(needed);
    const auto *details = reinterpret_cast<const PRINTER_INFO_2W *>(info.data());
    if (needed > 0 && GetPrinterW(printer, 2, info.data(), needed, &needed) && details->pDevMode) {
        if (details->pDevMode->dmFields & DM_ORIENTATION)
            orientation = details->pDevMode->dmOrientation;
    } else if (const LONG size = DocumentPropertiesW(nullptr, printer, wide.data(), nullptr, nullptr, 0); size > 0) {
        std::vector<BYTE> buffer(size);
        auto *devMode = reinterpret_cast<DEVMODEW *>(buffer.data());
        if (DocumentPropertiesW(nullptr, printer, wide.data(), devMode, nullptr, DM_OUT_BUFFER) == IDOK
            && (devMode->dmFields & DM_ORIENTATION))
            orientation = devMode->dmOrientation;
    }
    ClosePrinter(printer);
    return orientation != DMORIENT_LANDSCAPE;
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
        const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
        if (printers.isEmpty())
            return PrintStatus::NoPrinter;

        std::vector<InstalledPrinter> installed;
        for (const QPrinterInfo &info : printers)
            installed.push_back({info.printerName(), isPortrait(info.printerName()), info.isDefault()});
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
