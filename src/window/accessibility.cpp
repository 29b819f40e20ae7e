// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility.h"

#include "clickablelabel.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

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
//
// A reader takes a list's entry from the list's text: "Leg 1 unit, in" (a new
// entry picked in the closed list is announced where the list is made).
class DropDownListAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit DropDownListAccessible(QComboBox *list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The entry as read-only text, one run of attributes.
    QString text(int startOffset, int endOffset) const override
    {
        return list()->currentText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(list()->currentText().size()); }
    void selection(int, int *startOffset, int *endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
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

// A text box. A reader speaks the text run by run of its attributes (font,
// language). Qt's own text box reports an empty run at each offset, so a reader
// joined them into the text without its last character ("12.34" for "12.345",
// nothing for "7"); here the whole text is one run.
class TextBoxAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface
{
public:
    explicit TextBoxAccessible(QLineEdit *box)
        : QAccessibleWidget(box, QAccessible::EditableText)
    {
    }

    QLineEdit *box() const { return static_cast<QLineEdit *>(widget()); }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return box()->text();
        return QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString &text) override
    {
        if (t == QAccessible::Value)
            box()->setText(text);
        else
            QAccessibleWidget::setText(t, text);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = !box()->isReadOnly();
        s.readOnly = box()->isReadOnly();
        s.selectableText = true;
        s.focusable = true;
        return s;
    }

    QString text(int startOffset, int endOffset) const override
    {
        return box()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(box()->text().size()); }
    void selection(int index, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (index == 0 && box()->hasSelectedText()) {
            *startOffset = box()->selectionStart();
            *endOffset = box()->selectionEnd();
        }
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int) override { box()->deselect(); }
    void setSelection(int, int startOffset, int endOffset) override
    {
        box()->setSelection(startOffset, endOffset - startOffset);
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }

    QRect characterRect(int offset) const override
    {
        // Measured from the caret, whose place the box reports.
        const QLineEdit *edit = box();
        const QString text = edit->text();
        const QFontMetrics metrics(edit->font());
        const QRect caret = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int x = caret.x() + metrics.horizontalAdvance(text.left(offset))
            - metrics.horizontalAdvance(text.left(edit->cursorPosition()));
        const QRect r(x, caret.y(), metrics.horizontalAdvance(text.mid(offset, 1)), caret.height());
        return QRect(edit->mapToGlobal(r.topLeft()), r.size());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int, int endIndex) override { box()->setCursorPosition(endIndex); }
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

    void deleteText(int startOffset, int endOffset) override { replaceText(startOffset, endOffset, {}); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        if (!box()->isReadOnly())
            box()->setText(box()->text().replace(startOffset, endOffset - startOffset, text));
    }
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

// The windows whose controls are served here.
QList<QPointer<QWidget>> &servedWindows()
{
    static QList<QPointer<QWidget>> windows;
    return windows;
}

bool served(QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    return widget && servedWindows().contains(widget->window());
}

QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    if (!served(object))
        return nullptr;
    // Asked once per class of the object, from its own class up to QObject.
    if (className == QLatin1String(ClickableLabel::staticMetaObject.className()))
        return new WebLinkAccessible(static_cast<ClickableLabel *>(object));
    if (className == QLatin1String(QLineEdit::staticMetaObject.className())) {
        auto *box = static_cast<QLineEdit *>(object);
        if (box->echoMode() == QLineEdit::Normal)
            return new TextBoxAccessible(box);
    }
    if (className == QLatin1String(QComboBox::staticMetaObject.className())) {
        auto *list = static_cast<QComboBox *>(object);
        if (!list->isEditable())
            return new DropDownListAccessible(list);
    }
    return nullptr;
}

} // namespace

void installAccessibility(QWidget *window)
{
    static const bool installed = [] {
        QAccessible::installFactory(&accessibleFor);
        return true;
    }();
    Q_UNUSED(installed);
    servedWindows().removeAll(nullptr);
    servedWindows().append(window);
}

} // namespace keldary
