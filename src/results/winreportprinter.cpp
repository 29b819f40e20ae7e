// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printerchoice.h"
#include "reportprinter.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

using namespace Qt::StringLiterals;

namespace keldary {

namespace {

// Prints through the Windows spooler on the printer choosePrinter picks,
// without a dialog. Qt lists the printers in the spooler's order, and a
// QPrinter set to a printer starts from that printer's own defaults, its
// orientation among them.
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
        for (const QPrinterInfo &info : printers) {
            const QPrinter defaults(info);
            installed.push_back({info.printerName(),
                                 defaults.pageLayout().orientation() == QPageLayout::Portrait, info.isDefault()});
        }
        m_currentPrinter = choosePrinter(installed, m_currentPrinter);

        const QPrinterInfo chosen = QPrinterInfo::printerInfo(m_currentPrinter);
        if (chosen.isNull() || chosen.state() == QPrinter::Error)
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
