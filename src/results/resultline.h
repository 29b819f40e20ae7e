// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/weightcalculation.h"

#include <QLocale>
#include <QString>

#include <array>
#include <optional>

namespace keldary {

// The inputs a result line records, and nothing else: the alloy, the stock
// form, each dimension the line writes (caption, text as typed, and its unit
// where the line names one), the picked sizes and the pieces. Two window
// states with equal RecordedInputs give the same line for the same weight;
// a weight belongs to a line only when it was calculated from equal inputs.
struct RecordedInputs {
    struct Field {
        QString caption;
        QString text;
        std::optional<int> unit;

        friend bool operator==(const Field &, const Field &) = default;
    };

    int alloy = 0;
    int shape = 0;
    std::array<std::optional<Field>, ParamCount> fields;
    QString sizeCaption; // Rebar and Tees: the caption written before the size
    int pipeSchedule = 0;
    int pipeSize = 0;
    int rebarSize = 0;
    int teeSize = 0;
    QString numPieces;

    friend bool operator==(const RecordedInputs &, const RecordedInputs &) = default;
};

// What of the window's inputs the line records: the rows the stock form's
// layout hides, the size lists of other stock forms and the shown weight are
// left out.
RecordedInputs recordedInputs(const CalcInput &shown);

// True when the shown result is a number that may be stored.
bool hasStorableResult(const CalcInput &shown, const QLocale &locale = QLocale());

// The stored line: alloy, stock form, the dimensions with their captions and
// units, the pieces and the total weight shown.
QString buildResultLine(const CalcInput &shown, const QLocale &locale = QLocale());

} // namespace keldary
