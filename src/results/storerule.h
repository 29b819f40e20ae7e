// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "resultline.h"

#include "calc/message.h"
#include "calc/weightcalculation.h"

#include <QLocale>

#include <optional>

namespace keldary {

// When Store Result may pair the inputs shown with the weight shown. A weight
// typed by hand is the user's and is stored as it is. A weight Calculate wrote
// is stored only while the inputs the line records are those it was weighed
// from: a line must never pair new inputs with an old weight, and changing an
// input and changing it back is no change.
// Whose weight the box shows is read from the box itself: it is the user's
// while it differs, as a number, from what the last Calculate left there, so a
// digit typed and deleted again, or "41.3250" for "41.325", leaves the weight
// Calculate's. Clear Fields needs no event: the box it empties holds nothing
// to store, and the next weight in it is typed or calculated.
class StoreRule
{
public:
    // Calculate ran on `input` and left `outcome.result` in the box; a weight
    // computed from them when `outcome.weighed`. After a message the box
    // shows an older text, which belongs to no inputs.
    void calculated(const CalcInput &input, const CalcOutcome &outcome);

    // Why the weight shown may not be stored with `shown`; nothing when it may.
    std::optional<Message> refusal(const CalcInput &shown, const QLocale &locale = QLocale()) const;

private:
    std::optional<RecordedInputs> m_weighedInputs;
    QString m_written; // the box as the last Calculate left it; empty as the window opens
};

} // namespace keldary
