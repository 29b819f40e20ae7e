// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QListWidget>

namespace keldary {

// The list of stored results. A click on its empty part, below the last line,
// keeps the selected line: the item view would clear it, and Remove Result
// would then refuse. A click on a line selects that line as before. An arrow
// key selects the line it lands on even where it cannot move (a list of one
// line, the first line and Up): the view would leave that line unselected.
class ResultListBox : public QListWidget
{
    Q_OBJECT

public:
    using QListWidget::QListWidget;

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event = nullptr) const override;
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace keldary
