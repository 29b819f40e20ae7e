// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framestyle.h"

#include <QPainter>
#include <qdrawutil.h>
#include <QStyleOptionGroupBox>

namespace keldary {

FrameStyle::FrameStyle() = default;

QRect FrameStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                                 SubControl subControl, const QWidget *widget) const
{
    const auto *box = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
    if (control != CC_GroupBox || !box)
        return QProxyStyle::subControlRect(control, option, subControl, widget);

    const QFontMetrics &metrics = box->fontMetrics;
    const int captionHeight = metrics.height();
    const QRect label(8, 0, metrics.horizontalAdvance(box->text) + 4, captionHeight);
    const QRect frame = box->rect.adjusted(0, captionHeight / 2, 0, 0);
    switch (subControl) {
    case SC_GroupBoxLabel:
        return label;
    case SC_GroupBoxFrame:
        return frame;
    case SC_GroupBoxContents:
        return frame.adjusted(2, captionHeight / 2 + 2, -2, -2);
    default:
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    }
}

void FrameStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                    QPainter *painter, const QWidget *widget) const
{
    const auto *box = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
    if (control != CC_GroupBox || !box) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }

    const QRect label = subControlRect(control, option, SC_GroupBoxLabel, widget);
    const QRect frame = subControlRect(control, option, SC_GroupBoxFrame, widget);

    // An etched border that stops on either side of the caption.
    painter->save();
    QRegion border(box->rect);
    border -= label.adjusted(-1, 0, 1, 0);
    painter->setClipRegion(border);
    qDrawShadeRect(painter, frame, box->palette, true, 1, 0);
    painter->restore();

    proxy()->drawItemText(painter, label.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                          box->palette, box->state & State_Enabled, box->text, QPalette::WindowText);
}

} // namespace keldary
