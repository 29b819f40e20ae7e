// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storerule.h"

#include "calc/numerictext.h"

namespace keldary {

void StoreRule::calculated(const CalcInput &input, const CalcOutcome &outcome)
{
    m_written = outcome.result;
    m_weighedInputs = outcome.weighed ? std::optional(recordedInputs(input)) : std::nullopt;
}

std::optional<Message> StoreRule::refusal(const CalcInput &shown, const QLocale &locale) const
{
    if (!hasStorableResult(shown, locale))
        return Message{QStringLiteral("There is no calculation to be stored"), QStringLiteral("Store Failed")};
    const bool typedByHand = numberFromText(shown.result, locale) != numberFromText(m_written, locale);
    if (!typedByHand && m_weighedInputs != recordedInputs(shown))
        return Message{QStringLiteral("The weight shown was not calculated from the current inputs"),
                       QStringLiteral("Store Failed")};
    return std::nullopt;
}

} // namespace keldary
