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
