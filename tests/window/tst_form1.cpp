// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formfixture.h"

#include "window/messagesink.h"
#include "window/readablecolor.h"

#include <QAbstractItemView>
#include <QApplication>
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
    void noCaptionIsClipped();
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

    QTest::newRow("stock forms") << "cmbShapes"
        << QStringList{"Angles", "Beam", "Channel", "Coil", "Flat Bar", "Hexagon Bar", "Pipe", "Plate",
                       "Rebar", "Rectangular Tube", "Round Bar", "Round Tube", "Sheet", "Square Bar",
                       "Square Tube", "Strip", "Tees"};
    QTest::newRow("alloys") << "cmbAlloy"
        << QStringList{"Steel (Default)", "Aluminum 1100", "Aluminum 2024", "Aluminum 5052", "Aluminum 6061",
                       "Aluminum 7075", "Beryllium", "Brass", "Copper", "Hastelloy Series", "Incoloy 800",
                       "Inconel 600", "Inconel 625", "Inconel 718", "Invar", "Kovar", "Magnesium",
                       "Molybdenum", "Monel 400", "Nickel 200", "Stainless 300 Series",
                       "Stainless 400 Series", "Tantalum", "Titanium", "Tungsten", "Zirconium"};
    const QStringList units{"in", "ft", "yd", "mm", "cm", "m"};
    for (int i = 0; i < 5; ++i)
        QTest::addRow("units of field %d", i) << QStringLiteral("cmbUnits_%1").arg(i) << units;
    QTest::newRow("schedules") << "cmbSchedule"
        << QStringList{"5", "10", "20", "30", "40", "60", "80", "100", "120", "140", "160"};
    QTest::newRow("rebar sizes") << "cmbRebarSizes"
        << QStringList{"3", "4", "5", "6", "7", "8", "9", "10", "11", "14", "18"};
    QTest::newRow("tee sizes") << "cmbTeeSizes"
        << QStringList{"1 1/2 x 1 1/2 x .188", "1 1/2 x 1 1/2 x .250", "1 3/3 x 1 3/3 x .25",
                       "2 x 2 x .250", "2 1/2 x 2 1/2 x .25"};
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

void TestForm1::fontsAndHiddenLabels()
{
    FormFixture f;
    f.show();
    QCOMPARE(f.form->windowTitle(), QString("Keldary - Metals Weight Calculator"));
    QVERIFY(!f.form->windowIcon().isNull());
    QCOMPARE(f.results()->font().family(), QString("Liberation Sans"));
    QCOMPARE(f.results()->font().pointSizeF(), 6.0);
    QCOMPARE(f.results()->font().stretch(), 100);
    QVERIFY(f.label("Label8")->font().bold());
    // The lists' narrower font, on the list and on its popup alike.
    for (QComboBox *combo : f.form->findChildren<QComboBox *>()) {
        QCOMPARE(combo->font().stretch(), 90);
        QCOMPARE(combo->font().family(), QString("Liberation Sans"));
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

// Expected layout of one field: "caption|LTU" with the shown controls, or "-" for a hidden field.
using FieldRows = QStringList;

static void checkLayout(const FormFixture &f, const FieldRows &fields, const QStringList &sizeLists)
{
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
    checkLayout(f, {"Leg 1:|LTU", "Leg 2:|LTU", "Thickness:|LTU", "Length:|LTU"}, {});
}

void TestForm1::layouts_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<FieldRows>("fields");
    QTest::addColumn<QStringList>("sizeLists");

    const FieldRows flat{"Thickness:|LTU", "Width:|LTU", "Length:|LTU"};
    const FieldRows bar{"Diameter:|LTU", "Length:|LTU"};
    const FieldRows perFoot{"Size:|LTU", "Weight/ft.:|LT", "Length:|LTU"};
    QTest::newRow("Angles") << 0 << FieldRows{"Leg 1:|LTU", "Leg 2:|LTU", "Thickness:|LTU", "Length:|LTU"} << QStringList{};
    QTest::newRow("Beam") << 1 << perFoot << QStringList{};
    QTest::newRow("Channel") << 2 << perFoot << QStringList{};
    QTest::newRow("Coil") << 3 << flat << QStringList{};
    QTest::newRow("Flat Bar") << 4 << flat << QStringList{};
    QTest::newRow("Hexagon Bar") << 5 << bar << QStringList{};
    QTest::newRow("Pipe") << 6 << FieldRows{"Size - Outer Diameter:|L", "Schedule:|L", "Length:|LTU"}
                          << QStringList{"cmbSize", "cmbSchedule"};
    QTest::newRow("Plate") << 7 << flat << QStringList{};
    QTest::newRow("Rebar") << 8 << FieldRows{"Size:|L", "Length:|LTU"} << QStringList{"cmbRebarSizes"};
    QTest::newRow("Rectangular Tube") << 9 << FieldRows{"Width:|LTU", "Height:|LTU", "Wall Thickness:|LTU", "Length:|LTU"}
                                      << QStringList{};
    QTest::newRow("Round Bar") << 10 << bar << QStringList{};
    QTest::newRow("Round Tube") << 11 << FieldRows{"Outer Diameter:|LTU", "Wall:|LTU", "Length:|LTU"} << QStringList{};
    QTest::newRow("Sheet") << 12 << flat << QStringList{};
    QTest::newRow("Square Bar") << 13 << bar << QStringList{};
    QTest::newRow("Square Tube") << 14 << FieldRows{"Size:|LTU", "Thickness:|LTU", "Length:|LTU"} << QStringList{};
    QTest::newRow("Strip") << 15 << flat << QStringList{};
    QTest::newRow("Tees") << 16 << FieldRows{"Size:|L", "Length:|LTU"} << QStringList{"cmbTeeSizes"};
}

void TestForm1::layouts()
{
    QFETCH(int, shape);
    QFETCH(FieldRows, fields);
    QFETCH(QStringList, sizeLists);
    // Every layout is reached from every kind of predecessor, so no control is left
    // showing from the layout before.
    for (int before : {6, 8, 16, 9, 0}) {
        FormFixture f;
        f.chooseShape(before);
        f.chooseShape(shape);
        checkLayout(f, fields, sizeLists);
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

static QStringList clippedLabels(const FormFixture &f)
{
    QStringList clipped;
    for (QLabel *label : f.form->findChildren<QLabel *>()) {
        if (label->isHidden())
            continue;
        const QFontMetrics metrics(label->font());
        const bool fits = label->wordWrap()
            ? label->heightForWidth(label->width()) <= label->height()
            : metrics.horizontalAdvance(label->text()) <= label->width() && metrics.height() <= label->height() + 2;
        if (!fits)
            clipped << label->objectName() + ": " + label->text();
    }
    for (QPushButton *button : f.form->findChildren<QPushButton *>()) {
        if (QFontMetrics(button->font()).horizontalAdvance(button->text().remove('&')) > button->width() - 8)
            clipped << button->objectName();
    }
    return clipped;
}

void TestForm1::noCaptionIsClipped()
{
    FormFixture f;
    for (int shape = 0; shape < 17; ++shape) {
        f.chooseShape(shape);
        const QStringList clipped = clippedLabels(f);
        QVERIFY2(clipped.isEmpty(), qPrintable(QString::number(shape) + ": " + clipped.join(", ")));
    }
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
    checkLayout(f, {"Size - Outer Diameter:|L", "Schedule:|L", "Length:|LTU"}, {"cmbSize", "cmbSchedule"});
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
