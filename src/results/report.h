// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace keldary {

// One printed line and the font settings in force when it is printed.
struct ReportLine {
    QString text;
    int pointSize = 10;
    bool bold = false;
    bool italic = false;

    friend bool operator==(const ReportLine &, const ReportLine &) = default;
};

// The captions of the provider block that the report prints.
struct ProviderBlock {
    QString name;
    QString address;
    QString phone;
    QString fax;
};

// The whole report, line by line: title, heading, every stored line followed
// by an empty line, and the footer.
std::vector<ReportLine> buildReport(const QStringList &results, const ProviderBlock &provider);

} // namespace keldary
