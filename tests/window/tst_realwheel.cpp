// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "displayserver.h"
#include "formfixture.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

// The mouse wheel as a user turns it: the window on a private X server, and
// wheel clicks made by the server's XTEST extension at a list's place on the
// screen. Only such events take Qt's own ways of giving a widget the focus by
// the wheel and of handing a wheel a widget did not use on to its parents;
// an event sent to the list directly takes neither.

namespace {

// Counts the wheel events that reach the window itself.
class WheelCounter : public QObject
{
public:
    int count = 0;

    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::Wheel;
        return false;
    }
};

} // namespace

class TestRealWheel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void wheel_data();
    void wheel();

private:
    Display *m_display = nullptr;
};

void TestRealWheel::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QString("xcb"));
    m_display = XOpenDisplay(nullptr);
    QVERIFY(m_display);
    int event = 0, error = 0, major = 0, minor = 0;
    QVERIFY(XTestQueryExtension(m_display, &event, &error, &major, &minor));
}

void TestRealWheel::cleanupTestCase()
{
    if (m_display)
        XCloseDisplay(m_display);
}

void TestRealWheel::wheel_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<QString>("list");
    QTest::addColumn<bool>("focused");

    QTest::newRow("alloy list without the focus") << 0 << "cmbAlloy" << false;
    QTest::newRow("stock form list without the focus") << 0 << "cmbShapes" << false;
    QTest::newRow("unit list without the focus") << 0 << "cmbUnits_1" << false;
    QTest::newRow("pipe size list without the focus") << 6 << "cmbSize" << false;
    QTest::newRow("rebar size list without the focus") << 8 << "cmbRebarSizes" << false;
    QTest::newRow("alloy list with the focus") << 0 << "cmbAlloy" << true;
    QTest::newRow("unit list with the focus") << 0 << "cmbUnits_1" << true;
    QTest::newRow("pipe schedule list with the focus") << 6 << "cmbSchedule" << true;
}

void TestRealWheel::wheel()
{
    QFETCH(int, shape);
    QFETCH(QString, list);
    QFETCH(bool, focused);
    FormFixture f;
    f.chooseShape(shape);
    // There is no window manager to activate the window: the test gives it the keyboard.
    f.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
    XSetInputFocus(m_display, f.form->winId(), RevertToParent, CurrentTime);
    XFlush(m_display);
    QTRY_VERIFY(f.form->isActiveWindow());
    WheelCounter atWindow;
    f.form->installEventFilter(&atWindow);
    QComboBox *combo = f.combo(list);
    const int before = combo->currentIndex();
    QWidget *typing = f.edit("txtNumPieces");
    typing->setFocus();
    if (focused)
        combo->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), focused ? static_cast<QWidget *>(combo) : typing);

    // Point at the list, then one notch down (button 5).
    const QPoint at = combo->mapToGlobal(combo->rect().center());
    XTestFakeMotionEvent(m_display, -1, at.x(), at.y(), CurrentTime);
    XTestFakeButtonEvent(m_display, 5, True, CurrentTime);
    XTestFakeButtonEvent(m_display, 5, False, CurrentTime);
    XFlush(m_display);

    if (focused) {
        QTRY_COMPARE(combo->currentIndex(), before + 1);
        QCOMPARE(atWindow.count, 0);
    } else {
        // The window gets the notch, scrolls nothing, and the list and the focus stay.
        QTRY_VERIFY(atWindow.count > 0);
        QCOMPARE(combo->currentIndex(), before);
        QCOMPARE(QApplication::focusWidget(), typing);
    }
    QCOMPARE(f.combo("cmbShapes")->currentIndex(), shape);
}

int main(int argc, char **argv)
{
    // A private X server for this test alone.
    DisplayServer xvfb;
    if (const QString problem = xvfb.start(QStringLiteral("xcb")); !problem.isEmpty()) {
        qCritical("%s", qPrintable(problem));
        return 1;
    }
    qputenv("DISPLAY", xvfb.env.value(QStringLiteral("DISPLAY")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", xvfb.env.value(QStringLiteral("XDG_RUNTIME_DIR")).toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "xcb");

    int status = 0;
    {
        QApplication app(argc, argv);
        TestRealWheel test;
        status = QTest::qExec(&test, argc, argv);
    }
    return status;
}

#include "tst_realwheel.moc"
