// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string_view>

namespace keldary {

// Pipe wall schedule numbers; a schedule's position is its column in PipeArray.
inline constexpr int PipeScheduleCount = 11;

inline constexpr std::array<std::string_view, PipeScheduleCount> PipeSchedules{
    "5", "10", "20", "30", "40", "60", "80", "100", "120", "140", "160",
};

} // namespace keldary
