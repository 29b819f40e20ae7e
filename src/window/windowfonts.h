// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

// The window's fonts and the desktop settings it reads, the one place where
// they differ by platform.
namespace keldary {

// The window's text font.
QFont windowFont();
// The result list's smaller font.
QFont listFont();
// The drop-down lists' font.
QFont dropDownFont();
// Whether the program reads the desktop's settings (colours, fonts) at start,
// QApplication::setDesktopSettingsAware.
bool takesDesktopSettings();

} // namespace keldary
