// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formfixture.h"

#include <QGroupBox>
#include <QPixmap>
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
            const bool fits = label->wordWrap()
                ? label->heightForWidth(label->width()) <= label->height()
                : QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width();
            QVERIFY2(fits, qPrintable(QString("%1 \"%2\" in shape %3").arg(label->objectName(), label->text()).arg(shape)));
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

QTEST_MAIN(TestLayoutScale)
#include "tst_layoutscale.moc"
