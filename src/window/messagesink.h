// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/message.h"

#include <QString>

#include <functional>

class QWidget;

namespace keldary {

// Every message of the window goes through one of these, so that tests can
// capture messages instead of blocking on a modal box.
using MessageSink = std::function<void(const Message &)>;

// The program's sink: a modal message box with the message's title, an OK
// button only and no icon.
MessageSink messageBoxSink(QWidget *parent);

// A question with two answers; the first button accepts, the second declines.
struct Question {
    QString text;
    QString title;
    QString acceptButton;
    QString declineButton;

    friend bool operator==(const Question &, const Question &) = default;
};

// Where the window asks its questions and which file it saves to, for the same
// reason as the message sink: tests answer instead of a modal dialog.
struct UserDialogs {
    // True when the user accepts.
    std::function<bool(const Question &)> ask;
    // The file the user chose to save to, starting from suggestedPath; empty
    // when the user cancelled.
    std::function<QString(const QString &title, const QString &suggestedPath, const QString &filter)>
        saveFileName;
};

// The program's dialogs: a modal message box without an icon, and the
// desktop's standard save dialog.
UserDialogs standardDialogs(QWidget *parent);

} // namespace keldary
