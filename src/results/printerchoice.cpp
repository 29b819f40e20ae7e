// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printerchoice.h"

#include <algorithm>

namespace keldary {

QString choosePrinter(const std::vector<InstalledPrinter> &printers, const QString &lastChoice)
{
    const auto pick = [&](auto rule) {
        const auto found = std::ranges::find_if(printers, rule);
        return found == printers.end() ? QString() : found->name;
    };
    if (printers.empty())
        return {};
    // The default printer first: a system lists its built-in virtual printers
    // (fax, PDF and document writers, all portrait) beside the user's own, so
    // the first portrait one in its order is seldom the one the user prints on.
    if (const auto found = std::ranges::find_if(printers, &InstalledPrinter::isDefault);
        found != printers.end() && found->portrait)
        return found->name;
    if (QString name = pick(&InstalledPrinter::portrait); !name.isEmpty())
        return name;
    if (!lastChoice.isEmpty()) {
        if (QString name = pick([&](const InstalledPrinter &p) { return p.name == lastChoice; }); !name.isEmpty())
            return name;
    }
    if (QString name = pick(&InstalledPrinter::isDefault); !name.isEmpty())
        return name;
    return printers.front().name;
}

} // namespace keldary
