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
// typed by hand since the last Calculate is the user's and is stored as it
// is. A weight Calculate wrote is stored only while the inputs the line
// records are those it was weighed from: a line must never pair new inputs
// with an old weight, and changing an input and changing it back is no change.
// Clear Fields needs no event: the box it empties holds nothing to store, and
// the next weight in it is typed or calculated.
class StoreRule
{
public:
    // Calculate ran on `input`; `weighed` when it wrote a weight computed from
    // them. After a message the box shows an older text, which belongs to no inputs.
    void calculated(const CalcInput &input, bool weighed);
    // The user changed the weight box: typed, pasted, undone, or set through
    // an assistive tool.
    void typedByHand();

    // Why the weight shown may not be stored with `shown`; nothing when it may.
    std::optional<Message> refusal(const CalcInput &shown, const QLocale &locale = QLocale()) const;

private:
    std::optional<RecordedInputs> m_weighedInputs;
    bool m_typedByHand = false;
};

} // namespace keldary
