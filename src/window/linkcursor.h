// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCursor>

namespace keldary {

// The pointing hand shown over the copyright line: 32 x 32, its fingertip,
// the hot spot, at (12, 1).
QCursor linkCursor();

} // namespace keldary
