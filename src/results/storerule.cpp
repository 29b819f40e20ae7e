// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storerule.h"

namespace keldary {

void StoreRule::calculated(const CalcInput &input, bool weighed)
{
    m_typedByHand = false;
    m_weighedInputs = weighed ? std::optional(recordedInputs(input)) : std::nullopt;
}

void StoreRule::typedByHand()
{
    m_typedByHand = true;
}

std::optional<Message> StoreRule::refusal(const CalcInput &shown, const QLocale &locale) const
{
    if (!hasStorableResult(shown, locale))
        return Message{QStringLiteral("There is no calculation to be stored"), QStringLiteral("Store Failed")};
    if (!m_typedByHand && m_weighedInputs != recordedInputs(shown))
        return Message{QStringLiteral("The weight shown was not calculated from the current inputs"),
                       QStringLiteral("Store Failed")};
    return std::nullopt;
}

} // namespace keldary
