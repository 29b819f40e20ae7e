// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/weightcalculation.h"

#include <QLocale>
#include <QString>

#include <array>
#include <optional>

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

// What of the snapshot the line records: fields hidden from the layout, the
// size lists of other stock forms and the shown weight are left out.
RecordedInputs recordedInputs(const ResultSnapshot &snapshot);

// True when the shown result is a number that may be stored.
bool hasStorableResult(const ResultSnapshot &snapshot, const QLocale &locale = QLocale());

// The stored line: alloy, stock form, the dimensions with their captions and
// units, the pieces and the total weight.
QString buildResultLine(const ResultSnapshot &snapshot, const QLocale &locale = QLocale());

} // namespace keldary
