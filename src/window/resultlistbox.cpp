// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resultlistbox.h"

#include <QKeyEvent>

namespace keldary {

QItemSelectionModel::SelectionFlags ResultListBox::selectionCommand(const QModelIndex &index,
                                                                     const QEvent *event) const
{
    // A press or a drag on the empty part points at no line and changes no
    // selection; everywhere else the list selects as it always does.
    if (!index.isValid())
        return QItemSelectionModel::NoUpdate;
    return QListWidget::selectionCommand(index, event);
}

void ResultListBox::keyPressEvent(QKeyEvent *event)
{
    const QModelIndex before = currentIndex();
    QListWidget::keyPressEvent(event);
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (before.isValid() && currentIndex() == before && !selectionModel()->isSelected(before))
            selectionModel()->select(before, QItemSelectionModel::ClearAndSelect);
        break;
    default:
        break;
    }
}

} // namespace keldary
