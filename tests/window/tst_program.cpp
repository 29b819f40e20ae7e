// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "displayserver.h"
#include "formfixture.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

// The built program as a user runs it: started on a private X server and on a
// private Wayland compositor, its window shown, then closed the way the user
// closes it. It must end with exit code 0 and nothing on stderr but Qt's own
// notes about the platform, and tell the desktop which desktop entry it is.

namespace {

const QString Title = QStringLiteral("Keldary - Metals Weight Calculator");
const QSize WindowSize(460, 456);

// What a program wrote to stderr, less Qt's own notes about the platform.
QStringList complaints(const QByteArray &stderrText)
{
    QStringList lines;
    for (const QString &line : QString::fromLocal8Bit(stderrText).split(u'\n', Qt::SkipEmptyParts)) {
        if (!line.startsWith(QLatin1String("qt.qpa.")))
            lines << line;
    }
    return lines;
}

// The class of window the desktop entry names, which a desktop on X matches
// against the window's WM_CLASS.
QString startupWindowClass()
{
    QFile entry(QStringLiteral(KELDARY_DESKTOP_ENTRY));
    if (!entry.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    for (const QByteArray &line : entry.readAll().split('\n')) {
        if (line.startsWith("StartupWMClass="))
            return QString::fromUtf8(line.mid(int(sizeof "StartupWMClass=") - 1));
    }
    return {};
}

} // namespace

class TestProgram : public QObject
{
    Q_OBJECT

private slots:
    void startAndClose_data();
    void startAndClose();
};

void TestProgram::startAndClose_data()
{
    QTest::addColumn<QString>("platform");
    QTest::newRow("X11 (Xvfb)") << "xcb";
    QTest::newRow("Wayland (weston)") << "wayland";
}

void TestProgram::startAndClose()
{
    QFETCH(QString, platform);
    if (platform == QLatin1String("wayland") && QStandardPaths::findExecutable(QStringLiteral("weston")).isEmpty())
        QSKIP("weston is not installed (Debian package weston): the program is not tried on Wayland");

    DisplayServer server;
    const QString failure = server.start(platform);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    // A desktop session has a UTF-8 locale; without one (a bare build machine
    // has none) Qt writes a notice of its own to stderr.
    server.env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));

    if (platform == QLatin1String("xcb")) {
        // mapwatch starts the program, waits for its window, closes it as a
        // window manager's close button does and succeeds only on exit code 0.
        QProcess run;
        run.setProcessEnvironment(server.env);
        run.start(QStringLiteral(MAPWATCH), {"-t", "60", "-p", "WM_NAME", "-p", "WM_CLASS", "-c", "--",
                                             QStringLiteral(KELDARY_PROGRAM)});
        QVERIFY(run.waitForFinished(90000));
        const QByteArray err = run.readAllStandardError();
        QVERIFY2(run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0, err.constData());
        QCOMPARE(complaints(err), QStringList());
        const QStringList out = QString::fromUtf8(run.readAllStandardOutput()).split(u'\n');
        QCOMPARE(out.value(0), "WM_NAME " + Title);
        // WM_CLASS is "instance,class"; the desktop entry names the class.
        QVERIFY(!startupWindowClass().isEmpty());
        QCOMPARE(out.value(1).section(u',', 1), startupWindowClass());
        return;
    }

    // On Wayland the compositor shows the program's window at its fixed size
    // and knows it by the program's desktop entry.
    QProcess program;
    program.setProcessEnvironment(server.env);
    program.start(QStringLiteral(KELDARY_PROGRAM));
    QVERIFY(program.waitForStarted());
    DisplayServer::View view;
    QDeadlineTimer deadline(60000);
    while (view.title.isEmpty() && !deadline.hasExpired() && program.state() == QProcess::Running) {
        QTest::qWait(100);
        view = server.waylandView();
    }
    program.kill();
    program.waitForFinished();
    QCOMPARE(view.title, Title);
    QCOMPARE(view.appId, QStringLiteral(KELDARY_APP_ID));
    QCOMPARE(view.size, WindowSize);
    QCOMPARE(complaints(program.readAllStandardError()), QStringList());

    // A compositor closes a window by asking the program; nothing but the
    // compositor can ask. The window itself runs again in this test program,
    // on the compositor: Calculate, then closed, and the program must end well.
    QProcess window;
    QProcessEnvironment env = server.env;
    env.insert(QStringLiteral("KELDARY_TEST_ON_COMPOSITOR"), QStringLiteral("1"));
    window.setProcessEnvironment(env);
    window.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(window.waitForFinished(90000));
    const QByteArray err = window.readAllStandardError();
    QVERIFY2(window.exitStatus() == QProcess::NormalExit && window.exitCode() == 0,
             (window.readAllStandardOutput() + err).constData());
    QCOMPARE(complaints(err), QStringList());
}

// The window on the compositor, run by startAndClose in a process of its own.
class WindowOnCompositor : public QObject
{
    Q_OBJECT

private slots:
    void calculateAndClose()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        FormFixture f;
        f.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
        QCOMPARE(f.form->windowHandle()->size(), WindowSize);

        // Round Bar: 2 in across, 10 ft long, 4 pieces. (A headless compositor
        // has no keyboard, and Qt's Wayland input method needs one for typed
        // keys: the texts are set.)
        f.chooseShape(10);
        f.param(0)->setText(QStringLiteral("2"));
        f.param(1)->setText(QStringLiteral("10"));
        f.unit(1)->setCurrentIndex(1);
        f.edit(QStringLiteral("txtNumPieces"))->setText(QStringLiteral("4"));
        QTest::mouseClick(f.get<QPushButton>(QStringLiteral("cmdCalculate")), Qt::LeftButton);
        QCOMPARE(f.edit(QStringLiteral("txtResult"))->text(), QLocale().toString(427.664, 'f', 3));

        // Closed as the compositor asks, the window goes, and with the last
        // window the program's event loop ends, as main's does, with 0.
        QTimer::singleShot(0, f.form.get(), [&f] { f.form->close(); });
        QTimer::singleShot(30000, qApp, [] { QApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!f.form->isVisible());
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    if (qEnvironmentVariableIsSet("KELDARY_TEST_ON_COMPOSITOR")) {
        WindowOnCompositor test;
        return QTest::qExec(&test, argc, argv);
    }
    TestProgram test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_program.moc"
