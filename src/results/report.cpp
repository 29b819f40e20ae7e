// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report.h"

using namespace Qt::StringLiterals;

namespace keldary {

std::vector<ReportLine> buildReport(const QStringList &results, const ProviderBlock &provider)
{
    // Each entry is one printed line with the font in force at that moment.
    // The font switches happen between lines, so the empty lines take the
    // font of the section they open or close (the one under the heading is
    // already italic, the one after each result is not).
    constexpr int TitleSize = 14;
    constexpr int BodySize = 10;
    constexpr int FooterSize = 8;

    std::vector<ReportLine> lines;
    lines.reserve(static_cast<std::size_t>(results.size()) * 2 + 10);

    lines.push_back({QString(), TitleSize, false, false});
    lines.push_back({provider.name + u" - Metal Weight Calculator"_s, TitleSize, true, false});
    lines.push_back({u"Calculations:"_s, TitleSize, true, false});
    lines.push_back({QString(), BodySize, false, true});

    for (const QString &result : results) {
        lines.push_back({result, BodySize, false, false});
        lines.push_back({QString(), BodySize, false, false});
    }

    lines.push_back({QString(), FooterSize, false, true});
    lines.push_back({u"Metals Weight Calculator Utility provided by "_s + provider.name + u"."_s,
                     FooterSize, false, true});
    lines.push_back({QString(), FooterSize, false, true});
    lines.push_back({provider.address, FooterSize, false, true});
    lines.push_back({provider.phone, FooterSize, false, true});
    lines.push_back({provider.fax, FooterSize, false, true});
    lines.push_back({QString(), FooterSize, false, true});
    return lines;
}

} // namespace keldary
