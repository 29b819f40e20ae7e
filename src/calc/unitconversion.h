// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace keldary {

// A typed length in the unit picked beside it (a Unit, as its list position).
// Any unit index outside 0..5, -1 included, leaves the value as it is.
// Both throw OverflowError when the converted value is not finite.
double UnitConvertInches(double value, int ParamNumber);
double UnitConvertFeet(double value, int ParamNumber);

} // namespace keldary
