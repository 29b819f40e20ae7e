// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility.h"

#include "clickablelabel.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>

namespace keldary {

namespace {

// A drop-down list as a screen reader meets it. On Linux, Qt names every list
// by its picked entry and leaves the label to the relations: the unit lists,
// which have no label of their own, were all announced as "in", labelled only
// by their frame. Here a list that the window has given a name is announced
// by that name ("Leg 1 unit"); a list without one keeps its entry as the name,
// as Qt and GTK do. The list is labelled by the captions whose buddy it is,
// wherever in the window they are (the rebar sizes lie on the window, their
// caption in the Parameters frame), and not by the frame, which a screen
// reader would otherwise read in place of the name.
class DropDownListAccessible : public QAccessibleWidget
{
public:
    explicit DropDownListAccessible(QComboBox *list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    {
    }

    QComboBox *list() const { return static_cast<QComboBox *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            if (!list()->accessibleName().isEmpty())
                return list()->accessibleName();
            return list()->currentText();
        case QAccessible::Value:
            return list()->currentText();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = list()->view()->isVisible();
        return s;
    }

    // The list of entries, as a child, so that a reader can walk the entries.
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == list()->view() ? 0 : -1;
    }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        auto result = QAccessibleWidget::relations(QAccessible::Relation(match & ~QAccessible::Label));
        if (!(match & QAccessible::Label))
            return result;
        for (QLabel *caption : list()->window()->findChildren<QLabel *>()) {
            if (caption->buddy() == list())
                result.append({QAccessible::queryAccessibleInterface(caption), QAccessible::Label});
        }
        return result;
    }

    // Opening the list, as Qt offers it, and taking the focus, which lets a
    // reader's "grab focus" move the keyboard to the list.
    QStringList actionNames() const override
    {
        return {showMenuAction(), pressAction(), setFocusAction()};
    }
    void doAction(const QString &actionName) override
    {
        if (actionName == showMenuAction() || actionName == pressAction()) {
            if (list()->view()->isVisible())
                list()->hidePopup();
            else
                list()->showPopup();
        } else {
            QAccessibleWidget::doAction(actionName);
        }
    }
    QString localizedActionDescription(const QString &actionName) const override
    {
        if (actionName == showMenuAction() || actionName == pressAction())
            return QComboBox::tr("Open the combo box selection popup");
        return QAccessibleWidget::localizedActionDescription(actionName);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }
};

// The provider's web address: a link, whose first (default) action opens the
// page as a click does.
class WebLinkAccessible : public QAccessibleWidget
{
public:
    explicit WebLinkAccessible(ClickableLabel *link)
        : QAccessibleWidget(link, QAccessible::Link)
    {
    }

    ClickableLabel *link() const { return static_cast<ClickableLabel *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && link()->accessibleName().isEmpty())
            return link()->text();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction())
            emit link()->clicked();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }
};

QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    // Asked once per class of the object, from its own class up to QObject.
    if (className == QLatin1String(ClickableLabel::staticMetaObject.className()))
        return new WebLinkAccessible(static_cast<ClickableLabel *>(object));
    if (className == QLatin1String(QComboBox::staticMetaObject.className())) {
        auto *list = static_cast<QComboBox *>(object);
        if (!list->isEditable())
            return new DropDownListAccessible(list);
    }
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&accessibleFor);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace keldary
