// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/message.h"

#include <functional>

class QWidget;

namespace keldary {

// Every message of the window goes through one of these, so that tests can
// capture messages instead of blocking on a modal box.
using MessageSink = std::function<void(const Message &)>;

// The program's sink: a modal message box with the message's title, an OK
// button only and no icon.
MessageSink messageBoxSink(QWidget *parent);

} // namespace keldary
