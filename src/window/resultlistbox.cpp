// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resultlistbox.h"

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

} // namespace keldary
