// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <vector>

namespace keldary {

// An installed printer as the printing system lists it.
struct InstalledPrinter {
    QString name;
    bool portrait = true;   // its default orientation is portrait
    bool isDefault = false; // the system's default printer
};

// The printer a report goes to: the default printer when it is portrait, else
// the first portrait printer in the system's order; without one, the last
// choice while it is still installed, else the default printer, else the
// first listed. Empty when none is installed.
QString choosePrinter(const std::vector<InstalledPrinter> &printers, const QString &lastChoice);

} // namespace keldary
