// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cmath>
#include <stdexcept>

namespace keldary {

// Raised by a conversion or formula whose result is not a finite double
// (a typed value near the limit of the double range). The calculation turns
// it into a message and leaves the shown result alone.
class OverflowError : public std::overflow_error
{
public:
    OverflowError() : std::overflow_error("result is not a finite number") {}
};

// The value itself, or OverflowError when it is infinite or not a number.
inline double finiteOrThrow(double value)
{
    if (!std::isfinite(value))
        throw OverflowError();
    return value;
}

} // namespace keldary
