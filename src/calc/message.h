// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace keldary {

// A message for the user: shown modal, OK only, no icon.
struct Message {
    QString text;
    QString title;

    friend bool operator==(const Message &, const Message &) = default;
};

} // namespace keldary
