// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messagesink.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
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

UserDialogs standardDialogs(QWidget *parent)
{
    UserDialogs dialogs;
    dialogs.ask = [parent](const Question &question) {
        QMessageBox box(QMessageBox::NoIcon, question.title, question.text, QMessageBox::NoButton, parent);
        QPushButton *accept = box.addButton(question.acceptButton, QMessageBox::AcceptRole);
        QPushButton *decline = box.addButton(question.declineButton, QMessageBox::RejectRole);
        // As on a message's OK button, no style-given icons.
        accept->setIcon(QIcon());
        decline->setIcon(QIcon());
        box.setDefaultButton(accept);
        box.setEscapeButton(decline);
        box.exec();
        return box.clickedButton() == accept;
    };
    dialogs.saveFileName = [parent](const QString &title, const QString &suggestedPath, const QString &filter) {
        // A folder that does not exist yet (no Documents folder on a fresh
        // account) would open the dialog wherever the program was started.
        const QFileInfo suggested(suggestedPath);
        const QString folder = suggested.dir().exists() ? suggested.absolutePath() : QDir::homePath();
        QFileDialog dialog(parent, title, folder, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // "report" typed as the name is saved as "report.pdf".
        dialog.setDefaultSuffix(suggested.suffix());
        dialog.selectFile(suggested.fileName());
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    };
    return dialogs;
}

} // namespace keldary
