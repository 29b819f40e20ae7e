// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formfixture.h"

#include "window/messagesink.h"
#include "window/readablecolor.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QMessageBox>
#include <QProxyStyle>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTimer>

#include <cmath>

using namespace keldary;

class TestForm1 : public QObject
{
    Q_OBJECT

private slots:
    void freshStartLists_data();
    void freshStartLists();
    void pipeRebarAndTeeListsAtStart();
    void controlsAndCaptions_data();
    void controlsAndCaptions();
    void geometry_data();
    void geometry();
    void fontsAndHiddenLabels();
    void angleLayoutAtStart();
    void layouts_data();
    void layouts();
    void hiddenLabelsKeepCaptions();
    void shapeChangeKeepsTexts();
    void noSelectionChangesNothing();
    void combosCannotBeTypedInto();
    void tabOrder_data();
    void tabOrder();
    void altEClosesTheWindow();
    void enterAndEscapePressNoButton();
    void messageBoxHasOkOnlyAndNoIcon();
    void linkColours_data();
    void linkColours();
};

void TestForm1::freshStartLists_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("stock forms") << "cmbShapes" << forms::StockForms;
    QTest::newRow("alloys") << "cmbAlloy" << forms::Alloys;
    for (int i = 0; i < 5; ++i)
        QTest::addRow("units of field %d", i) << QStringLiteral("cmbUnits_%1").arg(i) << forms::Units;
    QTest::newRow("schedules") << "cmbSchedule" << forms::Schedules;
    QTest::newRow("rebar sizes") << "cmbRebarSizes" << forms::RebarSizes;
    QTest::newRow("tee sizes") << "cmbTeeSizes" << forms::TeeSizes;
}

void TestForm1::freshStartLists()
{
    QFETCH(QString, list);
    QFETCH(QStringList, entries);
    FormFixture f;
    QComboBox *combo = f.combo(list);
    QStringList actual;
    for (int i = 0; i < combo->count(); ++i)
        actual << combo->itemText(i);
    QCOMPARE(actual, entries);
    QCOMPARE(combo->currentIndex(), 0);
}

void TestForm1::pipeRebarAndTeeListsAtStart()
{
    FormFixture f;
    QComboBox *sizes = f.combo("cmbSize");
    QCOMPARE(sizes->count(), 33);
    QCOMPARE(sizes->currentText(), QString("1/8 - 0.405 in"));
    QCOMPARE(sizes->itemText(13), QString("4-1/2 - 5.000 in"));
    QCOMPARE(sizes->itemText(25), QString("20 - 20.00 in"));
    QCOMPARE(sizes->itemText(26), QString("24 - 24.00 in"));
    QCOMPARE(sizes->itemText(32), QString("36 - 36.00 in"));
    QCOMPARE(f.combo("cmbSchedule")->currentText(), QString("5"));
    QCOMPARE(f.combo("cmbRebarSizes")->currentText(), QString("3"));
    QCOMPARE(f.combo("cmbTeeSizes")->currentText(), QString("1 1/2 x 1 1/2 x .188"));
    QCOMPARE(f.results()->count(), 0);
    QCOMPARE(f.results()->currentRow(), -1);
}

void TestForm1::controlsAndCaptions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");

    QTest::newRow("Frame1") << "Frame1" << "Metal Type and Form";
    QTest::newRow("Frame2") << "Frame2" << "Parameters";
    QTest::newRow("Frame3") << "Frame3" << "Results";
    QTest::newRow("Frame4") << "Frame4" << "Addtional Parameters";
    QTest::newRow("Label1") << "Label1" << "Form:";
    QTest::newRow("Label2") << "Label2" << "lb";
    QTest::newRow("Label3") << "Label3" << "Alloy:";
    QTest::newRow("Label4") << "Label4" << "Units:";
    QTest::newRow("Label5") << "Label5" << "Calculated Weight:";
    QTest::newRow("Label6") << "Label6" << "Number of Pieces:";
    QTest::newRow("Label7") << "Label7" << "PROOF COPY - NOT FOR DISTRIBUTION";
    QTest::newRow("Label8") << "Label8" << "Keldary";
    QTest::newRow("lblCompURL") << "lblCompURL" << "Tarnwick LTD";
    QTest::newRow("lblAuthorInfo2") << "lblAuthorInfo2" << "www.keldary.example";
    QTest::newRow("cmdCalculate") << "cmdCalculate" << "Calculate";
    QTest::newRow("cmdClearFields") << "cmdClearFields" << "Clear Fields";
    QTest::newRow("cmdStoreResult") << "cmdStoreResult" << "Store Result";
    QTest::newRow("cmdDeleteResult") << "cmdDeleteResult" << "Remove Result";
    QTest::newRow("cmdPrint") << "cmdPrint" << "Print Results";
    QTest::newRow("cmdExit") << "cmdExit" << "&Exit";
    QTest::newRow("txtNumPieces") << "txtNumPieces" << "1";
    QTest::newRow("txtResult") << "txtResult" << "";
    for (int i = 0; i < 5; ++i)
        QTest::addRow("txtParam_%d", i) << QStringLiteral("txtParam_%1").arg(i) << "";
    QTest::newRow("hidden field 4 keeps its first caption") << "lblParam_4" << "Label2";
}

void TestForm1::controlsAndCaptions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    FormFixture f;
    QWidget *widget = f.get<QWidget>(name);
    QString actual;
    if (auto *box = qobject_cast<QGroupBox *>(widget))
        actual = box->title();
    else if (auto *label = qobject_cast<QLabel *>(widget))
        actual = label->text();
    else if (auto *button = qobject_cast<QPushButton *>(widget))
        actual = button->text();
    else if (auto *edit = qobject_cast<QLineEdit *>(widget))
        actual = edit->text();
    QCOMPARE(actual, caption);
}

void TestForm1::geometry_data()
{
    // Places in pixels: the twips of the layout divided by 15, relative to the container.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("rect");

    QTest::newRow("Frame1") << "Frame1" << "Form1" << QRect(8, 8, 441, 57);
    QTest::newRow("Frame2") << "Frame2" << "Form1" << QRect(8, 72, 233, 193);
    QTest::newRow("Frame3") << "Frame3" << "Form1" << QRect(256, 152, 193, 73);
    QTest::newRow("Frame4") << "Frame4" << "Form1" << QRect(256, 72, 193, 65);
    QTest::newRow("rebar sizes over Frame2") << "cmbRebarSizes" << "Form1" << QRect(80, 112, 49, 19);
    QTest::newRow("alloy list") << "cmbAlloy" << "Frame1" << QRect(80, 24, 121, 19);
    QTest::newRow("form list") << "cmbShapes" << "Frame1" << QRect(288, 24, 105, 19);
    QTest::newRow("field 0 text") << "txtParam_0" << "Frame2" << QRect(72, 32, 73, 19);
    QTest::newRow("field 3 unit") << "cmbUnits_3" << "Frame2" << QRect(168, 128, 49, 19);
    QTest::newRow("field 4 label") << "lblParam_4" << "Frame2" << QRect(8, 160, 57, 25);
    QTest::newRow("pipe sizes on field 0") << "cmbSize" << "Frame2" << QRect(72, 32, 97, 19);
    QTest::newRow("tee sizes on field 0") << "cmbTeeSizes" << "Frame2" << QRect(72, 32, 145, 19);
    QTest::newRow("schedules on field 1") << "cmbSchedule" << "Frame2" << QRect(72, 64, 97, 19);
    QTest::newRow("pieces") << "txtNumPieces" << "Frame4" << QRect(112, 32, 73, 19);
    QTest::newRow("result") << "txtResult" << "Frame3" << QRect(32, 40, 121, 19);
    QTest::newRow("results list") << "lstResults" << "Form1" << QRect(8, 272, 441, 34);
    QTest::newRow("Exit") << "cmdExit" << "Form1" << QRect(392, 320, 57, 25);
    QTest::newRow("web address") << "lblAuthorInfo2" << "Form1" << QRect(272, 376, 144, 13);
}

void TestForm1::geometry()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, rect);
    FormFixture f;
    QWidget *widget = f.get<QWidget>(name);
    QCOMPARE(widget->parentWidget()->objectName(), container);
    QCOMPARE(widget->geometry(), rect);
    QCOMPARE(f.form->size(), QSize(460, 456));
}

// The families the window asks for: on Windows the TrueType successor of the
// layout's bitmap screen font, and Arial; their metric twin elsewhere.
#ifdef Q_OS_WIN
static const QString WindowFamily("Microsoft Sans Serif"), ListFamily("Arial");
#else
static const QString WindowFamily("Liberation Sans"), ListFamily("Liberation Sans");
#endif

void TestForm1::fontsAndHiddenLabels()
{
    FormFixture f;
    f.show();
    QCOMPARE(f.form->windowTitle(), QString("Keldary - Metals Weight Calculator"));
    // The family the window's text (and the report) is drawn in, not only the
    // one asked for: installed, and scalable to any size and width.
    const QFontInfo drawn(f.form->font());
    QCOMPARE(drawn.family(), WindowFamily);
    QVERIFY(QFontDatabase::isSmoothlyScalable(drawn.family(), drawn.styleName()));
    QVERIFY(!f.form->windowIcon().isNull());
    QCOMPARE(f.results()->font().family(), ListFamily);
    QCOMPARE(f.results()->font().pointSizeF(), 6.0);
    QCOMPARE(f.results()->font().stretch(), 100);
    QVERIFY(f.label("Label8")->font().bold());
    // The lists' narrower font, on the list and on its popup alike.
    for (QComboBox *combo : f.form->findChildren<QComboBox *>()) {
        QCOMPARE(combo->font().stretch(), 90);
        QCOMPARE(combo->font().family(), WindowFamily);
        QCOMPARE(combo->view()->font(), combo->font());
    }
    QVERIFY(f.label("lblAuthorInfo2")->font().underline());
    QCOMPARE(f.label("lblAuthorInfo2")->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    QCOMPARE(f.label("lblAuthorInfo")->cursor().hotSpot(), QPoint(12, 1));
    QCOMPARE(f.label("lblAuthorInfo")->cursor().pixmap().size(), QSize(32, 32));
    QVERIFY(!f.label("lblCompURL")->isVisible());
    QVERIFY(!f.label("Label7")->isVisible());
    for (const char *visible : {"Label8", "Label9", "Label11", "Label12", "lblAuthorInfo", "lblAuthorInfo2"})
        QVERIFY2(f.label(visible)->isVisible(), visible);
    // The rebar list lies on the window, above the Parameters frame.
    const QObjectList children = f.form->children();
    QVERIFY(children.indexOf(f.combo("cmbRebarSizes")) > children.indexOf(f.get<QGroupBox>("Frame2")));
}

// Each row "caption|LTU" with the shown controls; a row past the form's is hidden.
static void checkLayout(const FormFixture &f, int shape)
{
    const auto [fields, sizeLists] = forms::layoutOf(shape);
    for (int i = 0; i < 5; ++i) {
        const QString expected = fields.value(i, QStringLiteral("-"));
        const QString shown = expected.section('|', 1);
        QCOMPARE(!f.caption(i)->isHidden(), shown.contains('L'));
        QCOMPARE(!f.param(i)->isHidden(), shown.contains('T'));
        QCOMPARE(!f.unit(i)->isHidden(), shown.contains('U'));
        if (shown.contains('L'))
            QCOMPARE(f.caption(i)->text(), expected.section('|', 0, 0));
    }
    for (const char *list : {"cmbSize", "cmbSchedule", "cmbRebarSizes", "cmbTeeSizes"})
        QCOMPARE(!f.combo(QLatin1String(list))->isHidden(), sizeLists.contains(QLatin1String(list)));
}

void TestForm1::angleLayoutAtStart()
{
    FormFixture f;
    QCOMPARE(f.combo("cmbShapes")->currentText(), QString("Angles"));
    checkLayout(f, int(keldary::Shape::Angles));
}

void TestForm1::layouts_data()
{
    QTest::addColumn<int>("shape");
    for (int shape = 0; shape < keldary::ShapeCount; ++shape)
        QTest::newRow(qPrintable(forms::StockForms[shape])) << shape;
}

void TestForm1::layouts()
{
    QFETCH(int, shape);
    // Every layout is reached from every kind of predecessor, so no control is left
    // showing from the layout before.
    for (int before : {6, 8, 16, 9, 0}) {
        FormFixture f;
        f.chooseShape(before);
        f.chooseShape(shape);
        checkLayout(f, shape);
    }
}

void TestForm1::hiddenLabelsKeepCaptions()
{
    FormFixture f;
    f.chooseShape(9); // Rectangular Tube captions field 3 "Length:"
    f.chooseShape(10);
    QCOMPARE(f.caption(2)->text(), QString("Wall Thickness:"));
    QCOMPARE(f.caption(3)->text(), QString("Length:"));
    QVERIFY(f.caption(2)->isHidden());
}

void TestForm1::shapeChangeKeepsTexts()
{
    FormFixture f;
    f.chooseShape(9);
    const QStringList typed{"3", "2", "0.125", "10"};
    for (int i = 0; i < 4; ++i)
        f.param(i)->setText(typed[i]);
    f.unit(3)->setCurrentIndex(1);
    f.chooseShape(10);
    QVERIFY(f.param(2)->isHidden());
    QVERIFY(f.param(3)->isHidden());
    f.chooseShape(6);
    f.chooseShape(9);
    for (int i = 0; i < 4; ++i) {
        QVERIFY(!f.param(i)->isHidden());
        QCOMPARE(f.param(i)->text(), typed[i]);
    }
    QCOMPARE(f.unit(3)->currentIndex(), 1);
}

void TestForm1::noSelectionChangesNothing()
{
    FormFixture f;
    f.chooseShape(6);
    f.chooseShape(-1);
    checkLayout(f, int(keldary::Shape::Pipe));
}

void TestForm1::combosCannotBeTypedInto()
{
    FormFixture f;
    for (QComboBox *combo : f.form->findChildren<QComboBox *>())
        QVERIFY2(!combo->isEditable(), qPrintable(combo->objectName()));
}

void TestForm1::tabOrder_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<QStringList>("order");

    const QStringList tail{"txtNumPieces", "txtResult", "cmdCalculate", "cmdClearFields", "cmdStoreResult",
                           "cmdDeleteResult", "cmdPrint", "cmdExit", "lstResults", "cmbAlloy"};
    QTest::newRow("Angles") << 0
        << QStringList{"cmbAlloy", "cmbShapes", "txtParam_0", "cmbUnits_0", "txtParam_1", "cmbUnits_1",
                       "txtParam_2", "cmbUnits_2", "txtParam_3", "cmbUnits_3"} + tail;
    QTest::newRow("Pipe") << 6
        << QStringList{"cmbAlloy", "cmbShapes", "cmbSize", "cmbSchedule", "txtParam_2", "cmbUnits_2"} + tail;
    QTest::newRow("Rebar") << 8
        << QStringList{"cmbAlloy", "cmbShapes", "cmbRebarSizes", "txtParam_1", "cmbUnits_1"} + tail;
    QTest::newRow("Beam") << 1
        << QStringList{"cmbAlloy", "cmbShapes", "txtParam_0", "cmbUnits_0", "txtParam_1", "txtParam_2",
                       "cmbUnits_2"} + tail;
}

void TestForm1::tabOrder()
{
    QFETCH(int, shape);
    QFETCH(QStringList, order);
    FormFixture f;
    f.chooseShape(shape);
    f.show();
    f.combo("cmbAlloy")->setFocus();
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, order);
}

void TestForm1::altEClosesTheWindow()
{
    FormFixture f;
    f.show();
    f.param(0)->setFocus();
    QTest::keyClick(f.param(0), Qt::Key_E, Qt::AltModifier);
    // An access key presses its button the way a click does, shown for a moment first.
    QTRY_VERIFY(!f.form->isVisible());
}

void TestForm1::enterAndEscapePressNoButton()
{
    FormFixture f;
    f.show();
    f.param(0)->setFocus();
    QSignalSpy calculate(f.get<QPushButton>("cmdCalculate"), &QPushButton::clicked);
    QSignalSpy exit(f.get<QPushButton>("cmdExit"), &QPushButton::clicked);
    QTest::keyClick(f.param(0), Qt::Key_Return);
    QTest::keyClick(f.param(0), Qt::Key_Escape);
    QCOMPARE(calculate.count(), 0);
    QCOMPARE(exit.count(), 0);
    QVERIFY(f.form->isVisible());
    QVERIFY(f.messages.isEmpty());
}

// A style that puts icons on dialog buttons, as some desktops' styles do.
class ButtonIconStyle : public QProxyStyle
{
public:
    ButtonIconStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

void TestForm1::messageBoxHasOkOnlyAndNoIcon()
{
    const QString styleBefore = QApplication::style()->name();
    QApplication::setStyle(new ButtonIconStyle);
    const auto restore = qScopeGuard([&] { QApplication::setStyle(styleBefore); });
    QWidget parent;
    parent.show();

    // The box is read and closed from inside its own event loop; the checks
    // come after it has closed, so a failing one cannot leave it open.
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::Critical;
    QList<QMessageBox::StandardButton> buttons;
    bool buttonIcons = true;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttonIcons = false;
        for (QAbstractButton *button : box->buttons()) {
            buttons << box->standardButton(button);
            buttonIcons = buttonIcons || !button->icon().isNull();
        }
        box->done(QMessageBox::Ok);
    });
    keldary::messageBoxSink(&parent)({"There is no calculation to be stored", "Store Failed"});
    QCOMPARE(title, QString("Store Failed"));
    QCOMPARE(text, QString("There is no calculation to be stored"));
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
    QVERIFY(!buttonIcons);
}

// The blue names keep their blue where it stands out from the window (contrast
// of 4.5 : 1), else take the theme's link colour, else the nearest readable one.
void TestForm1::linkColours_data()
{
    QTest::addColumn<QColor>("wanted");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("link");
    QTest::addColumn<QColor>("expected"); // invalid: a colour just readable, near the blue

    QTest::newRow("web address, light window") << QColor(0, 0, 192) << QColor(239, 239, 239) << QColor(0, 0, 255) << QColor(0, 0, 192);
    QTest::newRow("name, light window") << QColor(0, 0, 255) << QColor(239, 239, 239) << QColor(0, 0, 192) << QColor(0, 0, 255);
    QTest::newRow("dark window, readable link") << QColor(0, 0, 192) << QColor(50, 50, 50) << QColor(138, 180, 248) << QColor(138, 180, 248);
    QTest::newRow("dark window, dark link") << QColor(0, 0, 192) << QColor(50, 50, 50) << QColor(0, 0, 255) << QColor();
    QTest::newRow("black window, yellow link") << QColor(0, 0, 255) << QColor(0, 0, 0) << QColor(255, 255, 0) << QColor(255, 255, 0);
    QTest::newRow("mid grey, dark link") << QColor(0, 0, 255) << QColor(128, 128, 128) << QColor(0, 0, 128) << QColor();
}

void TestForm1::linkColours()
{
    QFETCH(QColor, wanted);
    QFETCH(QColor, background);
    QFETCH(QColor, link);
    QFETCH(QColor, expected);
    const QColor drawn = readableColor(wanted, background, link);
    if (expected.isValid()) {
        QCOMPARE(drawn, expected);
        return;
    }
    // WCAG 2 contrast, worked out here on its own.
    const auto luminance = [](const QColor &c) {
        const auto lin = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
    };
    const double a = luminance(drawn), b = luminance(background);
    const double ratio = (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
    QVERIFY2(ratio >= 4.5 && ratio < 4.7, qPrintable(QString::number(ratio)));
    // Still a blue: blue is its strongest part.
    QVERIFY(drawn.blue() > drawn.red() && drawn.blue() > drawn.green());
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
