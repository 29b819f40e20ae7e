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
