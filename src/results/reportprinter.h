// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "report.h"

#include <QFont>
#include <QString>

#include <memory>

class QPagedPaintDevice;
class QPrinter;

namespace keldary {

enum class PrintStatus {
    Printed,   // handed to the printing system
    NoPrinter, // no printer is installed
    Refused,   // the printer or the printing system did not take the job
};

// Where Print Results sends the report. The program prints through the
// platform's printing system; the tests put a fake behind this.
class ReportPrinter
{
public:
    virtual ~ReportPrinter() = default;
    virtual PrintStatus print(const std::vector<ReportLine> &lines) = 0;
};

// The printer of the platform's printing system, which prints on the
// printer choosePrinter picks, without a dialog.
std::unique_ptr<ReportPrinter> makeSystemPrinter(QFont baseFont);

// Writes the report to a PDF file, drawn as renderReport draws it for a
// printer, on Letter paper where the locale measures in US units and on A4
// elsewhere. False when the file could not be written.
bool saveReportAsPdf(const std::vector<ReportLine> &lines, const QFont &baseFont, const QString &fileName);

// Draws the lines one below the other, each in baseFont's family at the line's
// size and style, starting a new page when a page is full. False when the
// device could not be painted on.
bool renderReport(const std::vector<ReportLine> &lines, const QFont &baseFont,
                  QPagedPaintDevice &device);

} // namespace keldary
