// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "message.h"

#include "data/fieldlayouts.h"

#include <QLocale>
#include <QString>

#include <array>
#include <optional>

namespace keldary {

// What the window shows when Calculate is pressed: the texts of its boxes and
// the list positions of its lists (-1 where a list has no selection).
struct CalcInput {
    QString numPieces;                        // txtNumPieces
    int shape = 0;                            // cmbShapes
    int alloy = 0;                            // cmbAlloy
    std::array<QString, ParamCount> params;   // txtParam(i)
    std::array<int, ParamCount> units{};      // cmbUnits(i)
    std::array<QString, ParamCount> captions; // lblParam(i), for the messages
    int pipeSize = 0;                         // cmbSize
    int pipeSchedule = 0;                     // cmbSchedule
    int rebarSize = 0;                        // cmbRebarSizes
    int teeSize = 0;                          // cmbTeeSizes
    QString result;                           // txtResult before the run
};

// What one run leaves: the new text of the result box, at most one message,
// and whether the text is a weight computed from the run's inputs.
struct CalcOutcome {
    QString result;
    std::optional<Message> message;
    bool weighed = false;
};

// One press of Calculate: checks, conversions, the formula of the stock form,
// and the result in "0.000" form. Never throws.
CalcOutcome CalculateWeight(const CalcInput &input, const QLocale &locale = QLocale());

// The message naming every field among the first intFieldCount whose text is
// not a number, by its caption without the final colon, joined by " and the ".
Message GenerateError(int intFieldCount, const std::array<QString, ParamCount> &texts,
                      const std::array<QString, ParamCount> &captions,
                      const QLocale &locale = QLocale());

} // namespace keldary
