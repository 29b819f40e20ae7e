// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shapenames.h"

#include <array>
#include <string_view>

namespace keldary {

// The parameter rows of the window, each a caption, a text box and a unit list.
inline constexpr int ParamCount = 5;

// Which controls of a parameter row a stock form shows.
enum FieldShow : unsigned {
    Hidden = 0,
    ShowLabel = 1,
    ShowText = 2,
    ShowUnit = 4,
    LabelOnly = ShowLabel,
    LabelText = ShowLabel | ShowText,
    LabelTextUnit = ShowLabel | ShowText | ShowUnit,
};

struct FieldSpec {
    std::string_view caption; // set only when the label is shown
    unsigned show = Hidden;
};

// The parameter rows and size lists of one stock form. A size list stands in
// the place of the text box of the row whose label names it.
struct FieldLayout {
    std::array<FieldSpec, ParamCount> fields;
    bool size = false;     // cmbSize
    bool schedule = false; // cmbSchedule
    bool rebar = false;    // cmbRebarSizes
    bool tee = false;      // cmbTeeSizes
};

namespace layout {
inline constexpr FieldSpec None{};
inline constexpr FieldSpec Length{"Length:", LabelTextUnit};
inline constexpr FieldSpec Thickness{"Thickness:", LabelTextUnit};
inline constexpr FieldSpec Width{"Width:", LabelTextUnit};
inline constexpr FieldSpec Diameter{"Diameter:", LabelTextUnit};

inline constexpr FieldLayout WeightPerFoot{{{{"Size:", LabelTextUnit}, {"Weight/ft.:", LabelText}, Length, None, None}}};
inline constexpr FieldLayout FlatStock{{{Thickness, Width, Length, None, None}}};
inline constexpr FieldLayout SolidBar{{{Diameter, Length, None, None, None}}};
} // namespace layout

// Indexed by shape index. Field 4 is shown by no stock form.
inline constexpr std::array<FieldLayout, ShapeCount> FieldLayouts{{
    /* Angles */ {{{{"Leg 1:", LabelTextUnit}, {"Leg 2:", LabelTextUnit}, layout::Thickness, layout::Length, layout::None}}},
    /* Beam */ layout::WeightPerFoot,
    /* Channel */ layout::WeightPerFoot,
    /* Coil */ layout::FlatStock,
    /* Flat Bar */ layout::FlatStock,
    /* Hexagon Bar */ layout::SolidBar,
    /* Pipe */ {{{{"Size - Outer Diameter:", LabelOnly}, {"Schedule:", LabelOnly}, layout::Length, layout::None, layout::None}},
                true, true, false, false},
    /* Plate */ layout::FlatStock,
    /* Rebar */ {{{{"Size:", LabelOnly}, layout::Length, layout::None, layout::None, layout::None}}, false, false, true, false},
    /* Rectangular Tube */ {{{layout::Width, {"Height:", LabelTextUnit}, {"Wall Thickness:", LabelTextUnit}, layout::Length, layout::None}}},
    /* Round Bar */ layout::SolidBar,
    /* Round Tube */ {{{{"Outer Diameter:", LabelTextUnit}, {"Wall:", LabelTextUnit}, layout::Length, layout::None, layout::None}}},
    /* Sheet */ layout::FlatStock,
    /* Square Bar */ layout::SolidBar,
    /* Square Tube */ {{{{"Size:", LabelTextUnit}, layout::Thickness, layout::Length, layout::None, layout::None}}},
    /* Strip */ layout::FlatStock,
    /* Tees */ {{{{"Size:", LabelOnly}, layout::Length, layout::None, layout::None, layout::None}}, false, false, false, true},
}};

// The layout of a shape index; none for an index off the list of stock forms.
constexpr const FieldLayout *fieldLayout(int shape)
{
    return shape >= 0 && shape < ShapeCount ? &FieldLayouts[static_cast<std::size_t>(shape)] : nullptr;
}

} // namespace keldary
