// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fontsetup.h"

namespace keldary {

// Windows has its fonts ready when the program starts.
EarlyFontSetup::EarlyFontSetup() = default;

void EarlyFontSetup::finish()
{
}

} // namespace keldary
