// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string_view>

namespace keldary {

// Standard pipe sizes: nominal size, then the outside diameter in inches.
// A size's position here is its position in the size list and its row in PipeArray.
inline constexpr int PipeSizeCount = 33;

inline constexpr std::array<std::string_view, PipeSizeCount> PipeSizes{
    "1/8 - 0.405 in",
    "1/4 - 0.540 in",
    "3/8 - 0.675 in",
    "1/2 - 0.840 in",
    "3/4 - 1.050 in",
    "1 - 1.315 in",
    "1-1/4 - 1.660 in",
    "1-1/2 - 1.900 in",
    "2 - 2.375 in",
    "2-1/2 - 2.875 in",
    "3 - 3.500 in",
    "3-1/2 - 4.000 in",
    "4 - 4.500 in",
    "4-1/2 - 5.000 in",
    "5 - 5.563 in",
    "6 - 6.625 in",
    "7 - 7.625 in",
    "8 - 8.625 in",
    "9 - 9.625 in",
    "10 - 10.75 in",
    "11 - 11.75 in",
    "12 - 12.75 in",
    "14 - 14.00 in",
    "16 - 16.00 in",
    "18 - 18.00 in",
    "20 - 20.00 in",
    "24 - 24.00 in",
    "26 - 26.00 in",
    "28 - 28.00 in",
    "30 - 30.00 in",
    "32 - 32.00 in",
    "34 - 34.00 in",
    "36 - 36.00 in",
};

} // namespace keldary
