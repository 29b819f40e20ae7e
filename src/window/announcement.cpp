// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "announcement.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace keldary {

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

void announce(QWidget *source, const QString &message)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleAnnouncementEvent event(source, message);
    QAccessible::updateAccessibility(&event);
}

#else

namespace {

// Before Qt 6.8 there is no announcement to send. A screen reader does speak a
// notification as it appears, so the message goes out as one: a notice of the
// window, never drawn, named by the message and reported shown.
class SpokenNotice : public QWidget
{
public:
    explicit SpokenNotice(QWidget *window)
        : QWidget(window)
    {
        setAttribute(Qt::WA_DontShowOnScreen);
        hide();
    }
};

QAccessibleInterface *noticeAccessible(const QString &className, QObject *object)
{
    // The notice has no meta-object of its own; it is asked for as a QWidget.
    if (className == QLatin1String("QWidget")) {
        if (auto *notice = dynamic_cast<SpokenNotice *>(object))
            return new QAccessibleWidget(notice, QAccessible::Notification);
    }
    return nullptr;
}

} // namespace

void announce(QWidget *source, const QString &message)
{
    if (!QAccessible::isActive())
        return;
    static const bool installed = [] {
        QAccessible::installFactory(&noticeAccessible);
        return true;
    }();
    Q_UNUSED(installed);
    QWidget *window = source->window();
    SpokenNotice *notice = nullptr;
    for (QObject *child : window->children()) {
        if (!notice)
            notice = dynamic_cast<SpokenNotice *>(child);
    }
    if (!notice)
        notice = new SpokenNotice(window);
    notice->setAccessibleName(message);
    QAccessibleEvent event(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
}

#endif

} // namespace keldary
