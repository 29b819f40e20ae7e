// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace keldary {

// The text a list shows at a 0-based position, or the empty text for a list
// without a selection (-1) or any position past its end.
template <std::size_t N>
constexpr std::string_view entryAt(const std::array<std::string_view, N> &list, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= N)
        return {};
    return list[static_cast<std::size_t>(index)];
}

} // namespace keldary
