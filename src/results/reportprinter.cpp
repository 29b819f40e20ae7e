// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reportprinter.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

using namespace Qt::StringLiterals;

namespace keldary {

namespace {

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

} // namespace keldary
