// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/weightcalculation.h"

#include <QLocale>
#include <QString>

#include <array>

namespace keldary {

// What the window shows when Store Result is pressed.
struct ResultSnapshot {
    int alloy = 0;                            // cmbAlloy
    int shape = 0;                            // cmbShapes
    std::array<QString, ParamCount> captions; // lblParam(i)
    std::array<QString, ParamCount> params;   // txtParam(i), as typed
    std::array<bool, ParamCount> paramVisible{};
    std::array<int, ParamCount> units{};      // cmbUnits(i)
    std::array<bool, ParamCount> unitVisible{};
    int pipeSize = 0;                         // cmbSize
    int pipeSchedule = 0;                     // cmbSchedule
    int rebarSize = 0;                        // cmbRebarSizes
    int teeSize = 0;                          // cmbTeeSizes
    QString numPieces;                        // txtNumPieces, as typed
    QString result;                           // txtResult, as shown
};

// True when the shown result is a number that may be stored.
bool hasStorableResult(const ResultSnapshot &snapshot, const QLocale &locale = QLocale());

// The stored line: alloy, stock form, the dimensions with their captions and
// units, the pieces and the total weight.
QString buildResultLine(const ResultSnapshot &snapshot, const QLocale &locale = QLocale());

} // namespace keldary
