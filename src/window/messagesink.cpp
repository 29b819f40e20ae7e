// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messagesink.h"

#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

namespace keldary {

MessageSink messageBoxSink(QWidget *parent)
{
    return [parent](const Message &message) {
        QMessageBox box(QMessageBox::NoIcon, message.title, message.text, QMessageBox::Ok, parent);
        // Styles that put icons on dialog buttons would give OK one; a message has none.
        box.button(QMessageBox::Ok)->setIcon(QIcon());
        box.exec();
    };
}

} // namespace keldary
