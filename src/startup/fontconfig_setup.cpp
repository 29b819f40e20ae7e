// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fontsetup.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

namespace keldary {

// The first caption the window lays out waits for fontconfig to read its
// configuration and font caches, the largest part of the start-up. That
// needs nothing from Qt, so it runs on a second thread while QApplication
// connects to the display; Qt then finds fontconfig ready.
EarlyFontSetup::EarlyFontSetup()
{
    try {
        m_thread = std::jthread([] { FcInit(); });
    } catch (const std::system_error &) {
        // No thread to spare: Qt sets fontconfig up itself when it needs it.
    }
}

void EarlyFontSetup::finish()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace keldary
