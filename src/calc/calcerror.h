#pragma once

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

} // namespace keldary
