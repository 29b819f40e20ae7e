// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messagesink.h"

#include <QMessageBox>

namespace keldary {

MessageSink messageBoxSink(QWidget *parent)
{
    return [parent](const Message &message) {
        QMessageBox box(QMessageBox::NoIcon, message.title, message.text, QMessageBox::Ok, parent);
        box.exec();
    };
}

} // namespace keldary
