// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formfixture.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QFileDialog>

using namespace keldary;

// name of the control -> what a screen reader announces for it
using Names = QMap<QString, QString>;

// A list is announced through the label that names it, or by its own name
// where no label names it (a unit list); any other control by its name.
static QString spokenName(QAccessibleInterface *node)
{
    if (node->role() == QAccessible::ComboBox) {
        for (const auto &relation : node->relations(QAccessible::Label)) {
            if (!qobject_cast<QLabel *>(relation.first->object()))
                continue; // the frame's caption labels every control inside it
            QString caption = relation.first->text(QAccessible::Name);
            if (caption.endsWith(':'))
                caption.chop(1);
            return caption;
        }
    }
    return node->text(QAccessible::Name);
}

static void collect(QAccessibleInterface *node, Names &names)
{
    if (!node || node->state().invisible)
        return;
    switch (node->role()) {
    case QAccessible::EditableText:
    case QAccessible::ComboBox:
    case QAccessible::List:
    case QAccessible::PushButton:
    case QAccessible::Link:
        if (node->object() && !node->object()->objectName().isEmpty())
            names.insert(node->object()->objectName(), spokenName(node));
        return;
    default:
        break;
    }
    for (int i = 0; i < node->childCount(); ++i)
        collect(node->child(i), names);
}

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void namesFollowTheCaptions_data();
    void namesFollowTheCaptions();
    void everyFocusableControlIsNamed();
    void onlyTheWindowsOwnControls_data();
    void onlyTheWindowsOwnControls();
};

void TestAccessibility::namesFollowTheCaptions_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<Names>("expected");

    QTest::newRow("Angles") << 0 << Names{{"txtParam_0", "Leg 1"}, {"cmbUnits_0", "Leg 1 unit"},
                                          {"txtParam_1", "Leg 2"}, {"txtParam_2", "Thickness"},
                                          {"cmbUnits_1", "Leg 2 unit"}, {"cmbUnits_2", "Thickness unit"},
                                          {"txtParam_3", "Length"}, {"cmbUnits_3", "Length unit"}};
    QTest::newRow("Beam") << 1 << Names{{"txtParam_0", "Size"}, {"cmbUnits_0", "Size unit"},
                                        {"txtParam_1", "Weight/ft."}, {"txtParam_2", "Length"}};
    QTest::newRow("Pipe") << 6 << Names{{"cmbSize", "Size - Outer Diameter"}, {"cmbSchedule", "Schedule"},
                                        {"txtParam_2", "Length"}, {"cmbUnits_2", "Length unit"}};
    QTest::newRow("Rebar") << 8 << Names{{"cmbRebarSizes", "Size"}, {"txtParam_1", "Length"}};
    QTest::newRow("Rectangular Tube") << 9 << Names{{"txtParam_0", "Width"}, {"txtParam_1", "Height"},
                                                    {"txtParam_2", "Wall Thickness"},
                                                    {"cmbUnits_2", "Wall Thickness unit"}, {"txtParam_3", "Length"}};
    QTest::newRow("Round Bar") << 10 << Names{{"txtParam_0", "Diameter"}, {"txtParam_1", "Length"}};
    QTest::newRow("Tees") << 16 << Names{{"cmbTeeSizes", "Size"}, {"txtParam_1", "Length"}};
}

void TestAccessibility::namesFollowTheCaptions()
{
    QFETCH(int, shape);
    QFETCH(Names, expected);
    FormFixture f;
    f.show();
    // Through another layout first, so a name left over from it would show.
    f.chooseShape(shape == 9 ? 6 : 9);
    f.chooseShape(shape);
    Names names;
    collect(QAccessible::queryAccessibleInterface(f.form.get()), names);

    const Names always{{"cmbAlloy", "Alloy"}, {"cmbShapes", "Form"}, {"txtNumPieces", "Number of Pieces"},
                       {"txtResult", "Calculated Weight, lb"}, {"lstResults", "Stored results"},
                       {"cmdCalculate", "Calculate"}, {"cmdClearFields", "Clear Fields"},
                       {"cmdStoreResult", "Store Result"}, {"cmdDeleteResult", "Remove Result"},
                       {"cmdPrint", "Print Results"}, {"cmdExit", "Exit"},
                       {"lblAuthorInfo2", "www.keldary.example"}};
    for (auto it = expected.begin(); it != expected.end(); ++it)
        QCOMPARE(names.value(it.key()), it.value());
    for (auto it = always.begin(); it != always.end(); ++it)
        QCOMPARE(names.value(it.key()), it.value());
    // Hidden controls are not announced.
    QVERIFY(!names.contains("txtParam_4"));
}

void TestAccessibility::everyFocusableControlIsNamed()
{
    FormFixture f;
    f.show();
    for (int shape = 0; shape < 17; ++shape) {
        f.chooseShape(shape);
        Names names;
        collect(QAccessible::queryAccessibleInterface(f.form.get()), names);
        for (auto it = names.begin(); it != names.end(); ++it)
            QVERIFY2(!it.value().trimmed().isEmpty(), qPrintable(QString("%1 in shape %2").arg(it.key()).arg(shape)));
        QVERIFY(names.size() >= 13);
    }
}

void TestAccessibility::onlyTheWindowsOwnControls_data()
{
    QTest::addColumn<bool>("inDialog");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("ours");
    QTest::newRow("the window's text box") << false << "txtParam_0" << true;
    QTest::newRow("the window's list") << false << "cmbUnits_0" << true;
    QTest::newRow("the file dialog's text box") << true << "fileNameEdit" << false;
    QTest::newRow("the file dialog's list") << true << "fileTypeCombo" << false;
}

// The window's own text boxes give their text as one run, and its lists take
// the focus as an action; the controls of a window of its own, such as the
// dialog in which the report is saved as a PDF, keep Qt's.
void TestAccessibility::onlyTheWindowsOwnControls()
{
    QFETCH(bool, inDialog);
    QFETCH(QString, name);
    QFETCH(bool, ours);
    FormFixture f;
    f.show();
    QFileDialog dialog(f.form.get());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.show();
    QWidget *control = (inDialog ? static_cast<QWidget *>(&dialog) : f.form.get())->findChild<QWidget *>(name);
    QVERIFY(control);
    QAccessibleInterface *node = QAccessible::queryAccessibleInterface(control);
    QVERIFY(node);
    if (auto *box = qobject_cast<QLineEdit *>(control)) {
        box->setText("12.345");
        int start = -1, end = -1;
        node->textInterface()->attributes(0, &start, &end);
        QCOMPARE(end == 6, ours);
    } else {
        QCOMPARE(node->actionInterface()->actionNames().contains(QAccessibleActionInterface::setFocusAction()), ours);
    }
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
