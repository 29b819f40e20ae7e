// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string_view>

namespace keldary {

// Length units in the order of every unit list; the position is the unit index.
enum class Unit : int { Inch = 0, Foot, Yard, Millimetre, Centimetre, Metre };

inline constexpr int UnitCount = 6;

inline constexpr std::array<std::string_view, UnitCount> UnitNames{"in", "ft", "yd", "mm", "cm", "m"};

} // namespace keldary
