// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resultlistbox.h"

#include <QMouseEvent>

namespace keldary {

void ResultListBox::mousePressEvent(QMouseEvent *event)
{
    // The list has taken the focus by now; only the selection is left alone.
    if (!indexAt(event->position().toPoint()).isValid()) {
        event->accept();
        return;
    }
    QListWidget::mousePressEvent(event);
}

void ResultListBox::mouseMoveEvent(QMouseEvent *event)
{
    // Dragging over the empty part selects nothing either; dragging onto a
    // line selects it, as a click on it would.
    if (!indexAt(event->position().toPoint()).isValid()) {
        event->accept();
        return;
    }
    QListWidget::mouseMoveEvent(event);
}

} // namespace keldary
