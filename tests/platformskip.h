// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QOperatingSystemVersion>
#include <QTest>

// Skips the current test function, or the current row of its table, where
// the tests run on Windows, and says why it cannot be checked there. The
// checks under Wine list every such reason.
#define SKIP_ON_WINDOWS(reason)                                                                \
    do {                                                                                       \
        if (QOperatingSystemVersion::currentType() == QOperatingSystemVersion::Windows)        \
            QSKIP(reason);                                                                     \
    } while (false)
