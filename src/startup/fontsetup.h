// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <thread>

namespace keldary {

// Gets the platform's font configuration ready while Qt starts, where that
// takes long enough to matter (fontconfig_setup.cpp); elsewhere it does
// nothing (no_font_setup.cpp). The thread ends with the object at the latest.
class EarlyFontSetup
{
public:
    EarlyFontSetup();
    // Waits until the fonts are ready; call before the first window.
    void finish();

private:
    std::jthread m_thread;
};

} // namespace keldary
