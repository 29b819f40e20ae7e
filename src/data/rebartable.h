// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string_view>

namespace keldary {

// Reinforcing bar sizes (bar numbers, #3 = 3/8 in) and the weight of one foot of
// each in steel, in pounds: the nominal weights of ASTM A615, written as the
// trade tables write them (".376", "2.670"). Both lists are parallel: position
// p of each describes the same bar.
inline constexpr int RebarCount = 11;

inline constexpr std::array<std::string_view, RebarCount> RebarSizes{
    "3", "4", "5", "6", "7", "8", "9", "10", "11", "14", "18",
};

inline constexpr std::array<std::string_view, RebarCount> RebarWeights{
    ".376", ".668", "1.043", "1.502", "2.044", "2.670", "3.400", "4.303", "5.313", "7.65", "13.60",
};

} // namespace keldary
