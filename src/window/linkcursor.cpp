// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linkcursor.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace keldary {

QCursor linkCursor()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath hand;
        hand.setFillRule(Qt::WindingFill);
        hand.addRoundedRect(QRectF(10, 1, 5, 17), 2.5, 2.5);  // index finger, tip at the hot spot
        hand.addRoundedRect(QRectF(14, 9, 5, 10), 2.5, 2.5);  // folded fingers
        hand.addRoundedRect(QRectF(18, 10, 5, 9), 2.5, 2.5);
        hand.addRoundedRect(QRectF(22, 11, 4.5, 8), 2.25, 2.25);
        hand.addRoundedRect(QRectF(5, 13, 7, 4), 2, 2);       // thumb
        hand.addRoundedRect(QRectF(8, 14, 18.5, 12), 4, 4);   // palm
        painter.setPen(QPen(Qt::black, 1.2));
        painter.setBrush(Qt::white);
        painter.drawPath(hand.simplified());
        painter.drawLine(QPointF(15, 13), QPointF(15, 17));
        painter.drawLine(QPointF(19, 13), QPointF(19, 17));
        painter.drawLine(QPointF(23, 14), QPointF(23, 17));
    }
    return QCursor(pixmap, 12, 1);
}

} // namespace keldary
