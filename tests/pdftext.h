// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "results/report.h"

#include <QProcess>
#include <QStringList>

#include <algorithm>

// What a poppler-utils tool prints about a PDF file; empty if it failed.
inline QString toolOutput(const QString &name, const QStringList &args)
{
    QProcess process;
    process.start(name, args);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text lines of a PDF file as pdftotext reads them in layout mode, where
// a run of spaces does not split a line; each simplified, empty lines dropped.
// A failure comes back as a line that says so. Pages end with a form feed.
inline QStringList pdfLines(const QString &fileName, int *pages = nullptr)
{
    const QString text = toolOutput(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"),
                                                                  QStringLiteral("UTF-8"), fileName, QStringLiteral("-")});
    if (text.isEmpty())
        return {QStringLiteral("pdftotext failed on ") + fileName};
    if (pages)
        *pages = int(text.count(u'\f'));
    QStringList lines;
    for (const QString &line : text.split(u'\n')) {
        const QString simplified = QString(line).remove(u'\f').simplified();
        if (!simplified.isEmpty())
            lines << simplified;
    }
    return lines;
}

// The lines of a report as pdfLines gives them back from its PDF.
inline QStringList printedTexts(const std::vector<keldary::ReportLine> &report)
{
    QStringList texts;
    for (const keldary::ReportLine &line : report) {
        if (!line.text.isEmpty())
            texts << line.text.simplified();
    }
    return texts;
}

// One font of a PDF file by its PostScript name, without the "ABCDEF+" that
// marks an embedded subset.
struct PdfFont {
    QString name;
    bool embedded = false;
    bool operator==(const PdfFont &) const = default;
};

// The fonts pdffonts lists for a file, each once, by name.
inline QList<PdfFont> pdfFonts(const QString &fileName)
{
    const QString listing = toolOutput(QStringLiteral("pdffonts"), {fileName});
    if (listing.isEmpty())
        return {{QStringLiteral("pdffonts failed on ") + fileName}};
    QList<PdfFont> fonts;
    // Two heading lines, then one line per font: its name first, and its
    // "emb" column fifth from the end (the type before it may hold spaces).
    for (const QString &row : listing.split(u'\n', Qt::SkipEmptyParts).mid(2)) {
        const QStringList columns = row.split(u' ', Qt::SkipEmptyParts);
        const PdfFont font{columns.first().section(u'+', -1),
                           columns.size() >= 6 && columns[columns.size() - 5] == u"yes"};
        if (!fonts.contains(font))
            fonts << font;
    }
    std::sort(fonts.begin(), fonts.end(), [](const PdfFont &a, const PdfFont &b) {
        return std::pair(a.name, a.embedded) < std::pair(b.name, b.embedded);
    });
    return fonts;
}
