// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string_view>

namespace keldary {

// Alloys in the order of the alloy list, each with its weight relative to
// steel of the same dimensions (steel = 1). Every steel weight is multiplied
// by the factor.
struct AlloyEntry {
    std::string_view name;
    double factor;
};

inline constexpr int AlloyCount = 26;

inline constexpr std::array<AlloyEntry, AlloyCount> AlloyTable{{
    AlloyEntry{"Steel (Default)", 1},
    AlloyEntry{"Aluminum 1100", 0.3462},
    AlloyEntry{"Aluminum 2024", 0.3533},
    AlloyEntry{"Aluminum 5052", 0.3427},
    AlloyEntry{"Aluminum 6061", 0.3462},
    AlloyEntry{"Aluminum 7075", 0.3568},
    AlloyEntry{"Beryllium", 0.236},
    AlloyEntry{"Brass", 1.066},
    AlloyEntry{"Copper", 1.114},
    AlloyEntry{"Hastelloy Series", 1.107},
    AlloyEntry{"Incoloy 800", 0.99},
    AlloyEntry{"Inconel 600", 1.055},
    AlloyEntry{"Inconel 625", 1.052},
    AlloyEntry{"Inconel 718", 1},
    AlloyEntry{"Invar", 1.01},
    AlloyEntry{"Kovar", 1.041},
    AlloyEntry{"Magnesium", 0.229},
    AlloyEntry{"Molybdenum", 1.276},
    AlloyEntry{"Monel 400", 1.097},
    AlloyEntry{"Nickel 200", 1.132},
    AlloyEntry{"Stainless 300 Series", 1.03},
    AlloyEntry{"Stainless 400 Series", 1.01},
    AlloyEntry{"Tantalum", 2.069},
    AlloyEntry{"Titanium", 0.575},
    AlloyEntry{"Tungsten", 2.403},
    AlloyEntry{"Zirconium", 0.812},
}};

} // namespace keldary
