// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QSize>
#include <QTemporaryDir>
#include <QTest>

// A private display server: an X server (Xvfb) or a Wayland compositor
// (weston, headless), with a runtime directory of its own. Stopped with the object.
class DisplayServer
{
public:
    ~DisplayServer()
    {
        m_server.kill();
        m_server.waitForFinished();
    }

    // Empty on success, else what went wrong.
    QString start(const QString &platform)
    {
        if (!m_runtime.isValid())
            return QStringLiteral("no runtime directory");
        QFile::setPermissions(m_runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        m_server.setProcessEnvironment(env);
        m_server.setProcessChannelMode(QProcess::SeparateChannels);

        if (platform == QLatin1String("xcb")) {
            // The tests' X server (tests/harness/xvfb.sh) picks a free display
            // itself and writes its number to stdout.
            m_server.start(QStringLiteral("bash"), {QStringLiteral(KELDARY_HARNESS "/xvfb.sh"), "800x600"});
            if (!m_server.waitForStarted())
                return QStringLiteral("Xvfb does not start");
            QByteArray number;
            QDeadlineTimer deadline(20000);
            while (!number.endsWith('\n') && !deadline.hasExpired() && m_server.state() == QProcess::Running) {
                m_server.waitForReadyRead(100);
                number += m_server.readAllStandardOutput();
            }
            if (!number.endsWith('\n'))
                return QStringLiteral("Xvfb gave no display: ") + QString::fromLocal8Bit(m_server.readAllStandardError());
            env.insert(QStringLiteral("DISPLAY"), u':' + QString::fromLatin1(number.trimmed()));
            return {};
        }

        const QString socket = QStringLiteral("keldary-test");
        m_server.start(QStringLiteral("weston"), {"--backend=headless-backend.so", "--no-config",
                                                   "--socket=" + socket, "--idle-time=0", "--debug"});
        if (!m_server.waitForStarted())
            return QStringLiteral("weston does not start");
        env.insert(QStringLiteral("WAYLAND_DISPLAY"), socket);
        QDeadlineTimer deadline(20000);
        while (!QFile::exists(m_runtime.filePath(socket + ".lock")) || !QFile::exists(m_runtime.filePath(socket))) {
            if (deadline.hasExpired() || m_server.state() != QProcess::Running)
                return QStringLiteral("weston does not open its socket: ") + QString::fromLocal8Bit(m_server.readAllStandardError());
            QTest::qWait(50);
        }
        return {};
    }

    // The compositor's view of our window: its title, the desktop entry it
    // names (its application id) and the size of its opaque content, once mapped.
    struct View
    {
        QString title, appId;
        QSize size;
    };
    View waylandView() const
    {
        QProcess debug;
        debug.setProcessEnvironment(env);
        debug.start(QStringLiteral("weston-debug"), {"scene-graph"});
        debug.waitForFinished(10000);
        static const QRegularExpression view(QStringLiteral(
            R"(top-level window '([^']*)' of ([^,]*),[^\n]*\n\s*position:[^\n]*\n\s*\[opaque: \((-?\d+), (-?\d+)\) -> \((-?\d+), (-?\d+)\)\])"));
        const QRegularExpressionMatch m = view.match(QString::fromUtf8(debug.readAllStandardOutput()));
        if (!m.hasMatch())
            return {};
        return {m.captured(1), m.captured(2),
                QSize(m.captured(5).toInt() - m.captured(3).toInt(), m.captured(6).toInt() - m.captured(4).toInt())};
    }

    QProcessEnvironment env;

private:
    QTemporaryDir m_runtime;
    QProcess m_server;
};

