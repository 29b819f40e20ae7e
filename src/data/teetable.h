// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string_view>

namespace keldary {

// Structural tee sizes and the weight of one foot of each in steel, in pounds.
// The third caption is kept exactly as the size list has always shown it.
inline constexpr int TeeCount = 5;

inline constexpr std::array<std::string_view, TeeCount> TeeSizes{
    "1 1/2 x 1 1/2 x .188",
    "1 1/2 x 1 1/2 x .250",
    "1 3/3 x 1 3/3 x .25",
    "2 x 2 x .250",
    "2 1/2 x 2 1/2 x .25",
};

inline constexpr std::array<std::string_view, TeeCount> TeeWeights{
    "1.90", "2.43", "2.16", "3.62", "4.60",
};

} // namespace keldary
