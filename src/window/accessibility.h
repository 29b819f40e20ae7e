// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace keldary {

// Makes the drop-down lists, text boxes and web link of this window speak for
// themselves to a screen reader (see accessibility.cpp); the controls of every
// other window, a file dialog's say, keep Qt's own. Call it for each window
// before its controls are created.
void installAccessibility(QWidget *window);

} // namespace keldary
