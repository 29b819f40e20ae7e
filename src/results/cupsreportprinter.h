// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reportprinter.h"

namespace keldary {

// Prints through CUPS on the destination choosePrinter picks, without a
// dialog; a queue's default orientation is asked of CUPS itself.
class CupsReportPrinter : public ReportPrinter
{
public:
    explicit CupsReportPrinter(QFont baseFont);
    PrintStatus print(const std::vector<ReportLine> &lines) override;

    // The printer the last report went to (or would have gone to), as CUPS
    // names it; empty before the first report.
    QString currentPrinter() const;

private:
    QFont m_baseFont;
    QString m_currentPrinter;
};

} // namespace keldary
