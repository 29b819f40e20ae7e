// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string_view>

namespace keldary {

// Stock forms in the order of the form list; the list position is the shape index.
enum class Shape : int {
    Angles = 0,
    Beam,
    Channel,
    Coil,
    FlatBar,
    HexagonBar,
    Pipe,
    Plate,
    Rebar,
    RectangularTube,
    RoundBar,
    RoundTube,
    Sheet,
    SquareBar,
    SquareTube,
    Strip,
    Tees,
};

inline constexpr int ShapeCount = 17;

inline constexpr std::array<std::string_view, ShapeCount> ShapeNames{
    "Angles",
    "Beam",
    "Channel",
    "Coil",
    "Flat Bar",
    "Hexagon Bar",
    "Pipe",
    "Plate",
    "Rebar",
    "Rectangular Tube",
    "Round Bar",
    "Round Tube",
    "Sheet",
    "Square Bar",
    "Square Tube",
    "Strip",
    "Tees",
};

} // namespace keldary
