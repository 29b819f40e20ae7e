// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace keldary {

// Makes the window's drop-down lists and its web link speak for themselves to
// a screen reader (see accessibility.cpp). Safe to call more than once; it
// must run before the controls are created.
void installAccessibility();

} // namespace keldary
