// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QString;
class QWidget;

namespace keldary {

// Has a screen reader speak a short message about a change in the window (a
// new weight, a list's new entry) without moving the keyboard focus. Does
// nothing when no assistive tool listens.
void announce(QWidget *source, const QString &message);

} // namespace keldary
