// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formfixture.h"
#include "platformskip.h"

#include <QGroupBox>
#include <QImage>
#include <QPixmap>
#include <QtMath>
#include <QStyleOptionComboBox>

#include <set>

using namespace keldary;

// The window at the scale factor the test runs with (QT_SCALE_FACTOR): every
// visible control inside its container, none on another except where the
// layout lays them so, and no caption cut off.

// Controls the layout itself lays over one another by a pixel or more.
static const std::set<std::pair<QString, QString>> intendedOverlaps{
    {"lblParam_0", "lblParam_1"}, {"lblParam_1", "lblParam_2"}, {"lblParam_2", "lblParam_3"},
    {"lblParam_3", "lblParam_4"}, {"Label8", "Label9"}, {"Label9", "Label11"}, {"Label11", "Label12"},
    {"Frame2", "cmbRebarSizes"}, {"Label5", "txtResult"},
};

static bool intended(QString a, QString b)
{
    if (b < a)
        std::swap(a, b);
    return intendedOverlaps.count({a, b}) || intendedOverlaps.count({b, a});
}

// The named controls directly inside a container, as the user sees them.
static QList<QWidget *> shownControls(QWidget *container)
{
    QList<QWidget *> controls;
    for (QWidget *child : container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!child->isHidden() && !child->objectName().isEmpty() && !child->objectName().startsWith("qt_"))
            controls << child;
    }
    return controls;
}

static QList<QWidget *> containersOf(const FormFixture &f)
{
    QList<QWidget *> containers{f.form.get()};
    for (QGroupBox *frame : f.form->findChildren<QGroupBox *>())
        containers << frame;
    return containers;
}

class TestLayoutScale : public QObject
{
    Q_OBJECT

private slots:
    void windowScales();
    void controlsKeepTheirPlaces();
    void captionsFit();
    void bordersDrawn_data();
    void bordersDrawn();
    void captionsOnBorder_data();
    void captionsOnBorder();
};

void TestLayoutScale::windowScales()
{
    FormFixture f;
    f.show();
    const qreal scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qgetenv("QT_SCALE_FACTOR").toDouble() : 1.0;
    QCOMPARE(f.form->devicePixelRatioF(), scale);
    const QPixmap shot = f.form->grab();
    QCOMPARE(shot.size(), QSize(qRound(460 * scale), qRound(456 * scale)));
    QCOMPARE(shot.deviceIndependentSize().toSize(), QSize(460, 456));
}

void TestLayoutScale::controlsKeepTheirPlaces()
{
    FormFixture f;
    f.show();
    for (int shape = 0; shape < 17; ++shape) {
        f.chooseShape(shape);
        for (QWidget *container : containersOf(f)) {
            const QList<QWidget *> controls = shownControls(container);
            for (int i = 0; i < controls.size(); ++i) {
                const QString a = controls[i]->objectName();
                QVERIFY2(container->rect().contains(controls[i]->geometry()),
                         qPrintable(QString("%1 outside %2 in shape %3").arg(a, container->objectName()).arg(shape)));
                for (int j = i + 1; j < controls.size(); ++j) {
                    const QString b = controls[j]->objectName();
                    if (controls[i]->geometry().intersects(controls[j]->geometry()))
                        QVERIFY2(intended(a, b), qPrintable(QString("%1 overlaps %2 in shape %3").arg(a, b).arg(shape)));
                }
            }
        }
    }
}

void TestLayoutScale::captionsFit()
{
    FormFixture f;
    f.show();
    for (int shape = 0; shape < 17; ++shape) {
        f.chooseShape(shape);
        for (QLabel *label : f.form->findChildren<QLabel *>()) {
            if (label->isHidden() || label->objectName().isEmpty())
                continue;
            const QFontMetrics metrics(label->font());
            const bool fits = label->wordWrap()
                ? label->heightForWidth(label->width()) <= label->height()
                : metrics.horizontalAdvance(label->text()) <= label->width()
                    && metrics.height() <= label->height() + 2;
            QVERIFY2(fits, qPrintable(QString("%1 \"%2\" in shape %3: %4 x %5 in %6 x %7").arg(
                label->objectName(), label->text()).arg(shape).arg(metrics.horizontalAdvance(label->text()))
                .arg(metrics.height()).arg(label->width()).arg(label->height())));
        }
        for (QPushButton *button : f.form->findChildren<QPushButton *>()) {
            const int textWidth = QFontMetrics(button->font()).horizontalAdvance(QString(button->text()).remove('&'));
            QVERIFY2(textWidth <= button->width() - 8, qPrintable(button->objectName()));
        }
        for (QComboBox *combo : f.form->findChildren<QComboBox *>()) {
            if (combo->isHidden())
                continue;
            // The longest entry of a list shows whole beside its arrow.
            QStyleOptionComboBox option;
            option.initFrom(combo);
            option.frame = true;
            const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                               QStyle::SC_ComboBoxEditField, combo);
            for (int i = 0; i < combo->count(); ++i) {
                const int width = QFontMetrics(combo->font()).horizontalAdvance(combo->itemText(i));
                QVERIFY2(width <= field.width(), qPrintable(QString("%1: \"%2\" %3 > %4").arg(
                    combo->objectName(), combo->itemText(i)).arg(width).arg(field.width())));
            }
        }
    }
}

// The window as the screen shows it, in device pixels.
static QImage screenImage(const FormFixture &f)
{
    return f.form->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A border pixel is darker than the window's background; the background and
// the light half of an etched line are not.
static bool isBackground(QRgb pixel, QRgb background) { return pixel == background; }
static bool isDark(QRgb pixel, QRgb background) { return qGray(pixel) + 16 < qGray(background); }

// Where a control lies in the window's image, in device pixels.
static QRectF onScreen(const QImage &image, const QWidget *control)
{
    const qreal dpr = image.devicePixelRatio();
    return {QPointF(control->mapTo(control->window(), QPoint(0, 0))) * dpr, QSizeF(control->size()) * dpr};
}

// The pixels across one side of a control: from 3 px outside it to `depth`
// px inside, at `along` (0 to 1) of the side's length. Device pixels.
static QList<QRgb> across(const QImage &image, const QWidget *control, char side, qreal along, int depth)
{
    const qreal dpr = image.devicePixelRatio();
    const QRectF r = onScreen(image, control);
    QPointF start, step;
    switch (side) {
    case 't': start = {r.left() + along * r.width(), r.top() - 3 * dpr}; step = {0, 1}; break;
    case 'b': start = {r.left() + along * r.width(), r.bottom() + 3 * dpr}; step = {0, -1}; break;
    case 'l': start = {r.left() - 3 * dpr, r.top() + along * r.height()}; step = {1, 0}; break;
    default: start = {r.right() + 3 * dpr, r.top() + along * r.height()}; step = {-1, 0}; break;
    }
    QList<QRgb> pixels;
    for (int i = 0; i < qCeil((3 + depth) * dpr); ++i) {
        const QPoint p = (start + i * step).toPoint();
        pixels << image.pixel(p);
    }
    return pixels;
}

void TestLayoutScale::bordersDrawn_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<char>("side");
    QTest::addColumn<qreal>("along");
    QTest::addColumn<int>("depth");

    // A frame's top border runs through its caption's middle, so its scan
    // reaches deeper; the scans keep clear of the controls in the frames.
    for (const char *frame : {"Frame1", "Frame2", "Frame3", "Frame4"}) {
        QTest::addRow("%s top", frame) << frame << 't' << 0.97 << 12;
        QTest::addRow("%s bottom", frame) << frame << 'b' << 0.97 << 4;
        QTest::addRow("%s left", frame) << frame << 'l' << 0.5 << 4;
        QTest::addRow("%s right", frame) << frame << 'r' << 0.5 << 4;
    }
    for (char side : {'t', 'b', 'l', 'r'})
        QTest::addRow("lstResults %c", side) << "lstResults" << side << 0.75 << 4;
}

// Each border is drawn, once: across it, the pixels that are not the
// window's background form one unbroken line that holds a dark part, never
// two lines side by side, and none is missing.
void TestLayoutScale::bordersDrawn()
{
    QFETCH(QString, control);
    QFETCH(char, side);
    QFETCH(qreal, along);
    QFETCH(int, depth);
    if (control == u"lstResults")
        SKIP_ON_WINDOWS("the Windows style draws the list's edge as a sunken edge: a dark and a light line apart");

    FormFixture f;
    f.show();
    const QImage image = screenImage(f);
    const QRgb background = f.form->palette().color(QPalette::Window).rgb();
    const QList<QRgb> pixels = across(image, f.get<QWidget>(control), side, along, depth);

    QString seen;
    for (QRgb pixel : pixels)
        seen += isBackground(pixel, background) ? u'.' : isDark(pixel, background) ? u'#' : u'o';
    // Runs of border pixels, e.g. "...#o...": one run, dark beside light
    // (an etched line, or a list's outline beside its white inside).
    const QStringList runs = seen.split(u'.', Qt::SkipEmptyParts);
    QVERIFY2(runs.size() == 1 && runs.first().contains(u'#') && runs.first().contains(u'o'), qPrintable(seen));
    // A line one pixel wide at scale 1 is no wider on the screen than the
    // scale: at 1.5, one pixel, not two that look like a double line.
    const qsizetype dark = runs.first().count(u'#');
    QVERIFY2(dark <= qMax(1, qFloor(image.devicePixelRatio())), qPrintable(seen));
}

void TestLayoutScale::captionsOnBorder_data()
{
    QTest::addColumn<QString>("frame");
    for (const char *frame : {"Frame1", "Frame2", "Frame3", "Frame4"})
        QTest::newRow(frame) << frame;
}

// A frame's caption sits on its top border: the border's dark line runs at
// the height of the middle of the caption's capitals and stops on either side
// of the caption, a few pixels from its first and last letter.
void TestLayoutScale::captionsOnBorder()
{
    QFETCH(QString, frame);
    FormFixture f;
    f.show();
    const QImage image = screenImage(f);
    const qreal dpr = image.devicePixelRatio();
    const QRgb background = f.form->palette().color(QPalette::Window).rgb();
    const auto *box = f.get<QGroupBox>(frame);
    const QRect r = onScreen(image, box).toRect();
    const auto ink = [&](int x, int y) { return qGray(image.pixel(x, y)) + 100 < qGray(background); };

    // The border's top line, found at the frame's right end, clear of the caption.
    const int probe = r.right() - qRound(4 * dpr);
    int line = r.top();
    while (line < r.bottom() && !isDark(image.pixel(probe, line), background))
        ++line;

    // Along that line: where it stops for the caption (the letters may
    // cross the line's row, so the gap runs from the first pixel that is not
    // the line to the last).
    const QRgb lineColor = image.pixel(probe, line);
    QList<int> gap;
    for (int x = r.left() + qRound(2 * dpr); x < probe; ++x) {
        if (image.pixel(x, line) != lineColor)
            gap << x;
    }
    QVERIFY2(!gap.isEmpty(), "the top line has no gap for the caption");

    // The caption's letters: in the frame's top rows, left of anything else in the frame.
    const int band = qCeil(QFontMetrics(box->font()).height() * dpr);
    const int reach = r.left() + qCeil((QFontMetrics(box->font()).horizontalAdvance(box->title()) + 20) * dpr);
    QRect letters, first;
    bool inFirst = true;
    for (int x = r.left(); x < reach; ++x) {
        QRect column;
        for (int y = r.top(); y < r.top() + band; ++y) {
            if (ink(x, y))
                column |= QRect(x, y, 1, 1);
        }
        if (column.isNull() && !letters.isNull())
            inFirst = false;
        letters |= column;
        if (inFirst)
            first |= column;
    }
    QVERIFY2(!letters.isNull(), "no caption");

    // The line through the middle of the first letter, a capital. Letters
    // and line each lie on whole screen pixels: at 1.25 the letters come out
    // a little higher than the scale alone would put them.
    const qreal middle = (first.top() + first.bottom()) / 2.0;
    const qreal lineMiddle = line + (qMax(1, qFloor(dpr)) - 1) / 2.0;
    QVERIFY2(qAbs(middle - lineMiddle) <= 1.25 * dpr,
             qPrintable(QString("line at %1, letters' middle at %2").arg(lineMiddle).arg(middle)));

    // The gap holds the caption with a little room on either side, no more.
    const qreal before = (letters.left() - gap.first()) / dpr;
    const qreal after = (gap.last() - letters.right()) / dpr;
    QVERIFY2(before >= 1 && before <= 5 && after >= 1 && after <= 5,
             qPrintable(QString("gap %1 to %2, caption %3 to %4").arg(gap.first()).arg(gap.last())
                            .arg(letters.left()).arg(letters.right())));
}

QTEST_MAIN(TestLayoutScale)
#include "tst_layoutscale.moc"
