// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messagesink.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace keldary {

MessageSink messageBoxSink(QWidget *parent)
{
    return [parent](const Message &message) {
        QMessageBox box(QMessageBox::NoIcon, message.title, message.text, QMessageBox::Ok, parent);
        box.exec();
    };
}

UserDialogs standardDialogs(QWidget *parent)
{
    UserDialogs dialogs;
    dialogs.ask = [parent](const Question &question) {
        QMessageBox box(QMessageBox::NoIcon, question.title, question.text, QMessageBox::NoButton, parent);
        QPushButton *accept = box.addButton(question.acceptButton, QMessageBox::AcceptRole);
        QPushButton *decline = box.addButton(question.declineButton, QMessageBox::RejectRole);
        box.setDefaultButton(accept);
        box.setEscapeButton(decline);
        box.exec();
        return box.clickedButton() == accept;
    };
    dialogs.saveFileName = [parent](const QString &title, const QString &suggestedPath, const QString &filter) {
        QFileDialog dialog(parent, title, suggestedPath, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // "report" typed as the name is saved as "report.pdf".
        dialog.setDefaultSuffix(QFileInfo(suggestedPath).suffix());
        dialog.selectFile(suggestedPath);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    };
    return dialogs;
}

} // namespace keldary
