// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framestyle.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QtMath>
#include <qdrawutil.h>

namespace keldary {

namespace {

// Paints a frame that `paint` draws at scale 1 as bands one pixel wide along
// the edges of `rect`, at any scale, in whole screen pixels: each band as wide
// as the scale allows (at least one pixel), flush with the edges of `rect` as
// the screen rounds them. Lines of one logical pixel drawn at a fractional
// scale come out one or two pixels wide, look doubled, or fall outside the
// control's pixels and are lost. A frame around a list first fills its inside
// with `inside`, the list's own background: the list's contents start at the
// next logical pixel, and no line of the window's background may show between
// them and a band narrower than that pixel.
template <typename Paint>
void paintCrisp(QPainter *painter, QRect rect, Paint paint, const QBrush &inside = Qt::NoBrush)
{
    const qreal dpr = painter->device()->devicePixelRatio();
    if (qFuzzyCompare(dpr, 1.0)) {
        paint(painter, rect);
        return;
    }

    // The frame at scale 1, on a sample big enough for the two bands of each side.
    constexpr int Size = 8;
    constexpr int Bands = 2;
    QImage sample(Size, Size, QImage::Format_ARGB32);
    sample.fill(Qt::transparent);
    {
        QPainter samplePainter(&sample);
        paint(&samplePainter, sample.rect());
    }

    constexpr qreal Slack = 0.01;
    const QTransform toDevice = painter->deviceTransform();
    const QRectF exact = toDevice.mapRect(QRectF(rect));
    const QRect device(QPoint(qCeil(exact.left() - Slack), qCeil(exact.top() - Slack)),
                       QPoint(qFloor(exact.right() + Slack) - 1, qFloor(exact.bottom() + Slack) - 1));
    const int width = qMax(1, qFloor(dpr + Slack));

    painter->save();
    painter->setWorldTransform(toDevice.inverted() * painter->worldTransform()); // now in screen pixels
    painter->setRenderHint(QPainter::Antialiasing, false);
    if (inside.style() != Qt::NoBrush)
        painter->fillRect(device.adjusted(width, width, -width, -width), inside);
    const auto fill = [&](const QRect &area, int x, int y) {
        const QColor color = QColor::fromRgba(sample.pixel(x, y));
        if (color.alpha() > 0)
            painter->fillRect(area, color);
    };
    for (int band = 0; band < Bands; ++band) {
        const int inset = band * width;
        const QRect r = device.adjusted(inset, inset, -inset, -inset);
        if (r.width() < 2 * width || r.height() < 2 * width)
            break;
        // Top and left first: at the corners bottom and right lie above them, as in the sample.
        fill(QRect(r.left(), r.top(), r.width(), width), Size / 2, band);
        fill(QRect(r.left(), r.top(), width, r.height()), band, Size / 2);
        fill(QRect(r.left(), r.bottom() - width + 1, r.width(), width), Size / 2, Size - 1 - band);
        fill(QRect(r.right() - width + 1, r.top(), width, r.height()), Size - 1 - band, Size / 2);
    }
    painter->restore();
}

} // namespace

FrameStyle::FrameStyle() = default;

QStyle *frameStyle()
{
    // The style goes with the application; an application made after it gets a new one.
    static QPointer<QStyle> style;
    if (!style) {
        style = new FrameStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

QRect FrameStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                                 SubControl subControl, const QWidget *widget) const
{
    const auto *box = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
    if (control != CC_GroupBox || !box)
        return QProxyStyle::subControlRect(control, option, subControl, widget);

    const QFontMetrics &metrics = box->fontMetrics;
    const int captionHeight = metrics.height();
    // The caption starts 8 px in from the frame's left edge, with 2 px of room on either side of its text.
    const QRect label(8, 0, metrics.horizontalAdvance(box->text) + 4, captionHeight);
    // The border runs through the middle of the caption.
    const QRect frame = box->rect.adjusted(0, captionHeight / 2, 0, 0);
    switch (subControl) {
    case SC_GroupBoxLabel:
        return label;
    case SC_GroupBoxFrame:
        return frame;
    case SC_GroupBoxContents:
        // Inside the etched border, two pixels wide, and below the caption.
        return frame.adjusted(2, captionHeight / 2 + 2, -2, -2);
    default:
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    }
}

void FrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                               const QWidget *widget) const
{
    const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option);
    if (element != PE_Frame || !frame) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    paintCrisp(painter, frame->rect, [&](QPainter *p, const QRect &r) {
        QStyleOptionFrame sample(*frame);
        sample.rect = r;
        QProxyStyle::drawPrimitive(element, &sample, p, widget);
    }, frame->palette.base());
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
    border -= label.adjusted(-1, 0, 1, 0); // one more pixel of gap each side of the caption
    painter->setClipRegion(border);
    paintCrisp(painter, frame, [box](QPainter *p, const QRect &r) { qDrawShadeRect(p, r, box->palette, true, 1, 0); });
    painter->restore();

    // The text starts after the caption's 2 px of room.
    proxy()->drawItemText(painter, label.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                          box->palette, box->state & State_Enabled, box->text, QPalette::WindowText);
}

} // namespace keldary
