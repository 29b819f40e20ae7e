// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcess>
#include <QStringList>

// The text lines of a PDF file as pdftotext (poppler-utils) reads them in
// layout mode, where a run of spaces does not split a line; each simplified,
// empty lines dropped. A failure comes back as a line that says so.
inline QStringList pdfLines(const QString &fileName)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"),
                                                  QStringLiteral("UTF-8"), fileName, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return {QStringLiteral("pdftotext failed on ") + fileName};
    QStringList lines;
    for (const QString &line : QString::fromUtf8(pdftotext.readAllStandardOutput()).split(u'\n')) {
        const QString text = line.simplified();
        if (!text.isEmpty())
            lines << text;
    }
    return lines;
}
