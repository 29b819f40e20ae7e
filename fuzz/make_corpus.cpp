// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the seed corpus of fuzz_calculator: every case of the calculation
// tests (tests/calccases.h) in the fuzzer's input layout (see the top of
// fuzz_calculator.cpp), plus a few texts no case types. With --check it
// writes nothing and says whether a folder holds exactly those seeds.
//
// Usage: make_corpus [--check] FOLDER

#include "calccases.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <climits>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>

using namespace calccases;

namespace {

struct Seed {
    QString name;
    CalcInput in;
    QString locale = QStringLiteral("C");
    std::optional<double> number; // for the formatting checks
    bool utf16 = false;
};

char position(int p)
{
    switch (p) {
    case SHRT_MIN: return char(252);
    case SHRT_MAX: return char(253);
    case INT_MIN: return char(254);
    case INT_MAX: return char(255);
    }
    Q_ASSERT(p >= -1 && p <= 40);
    return char(p + 1);
}

// The input bytes of a seed; empty for a locale the fuzzer does not vary.
QByteArray encode(const Seed &seed)
{
    const qsizetype locale = QStringList{"C", "en_US", "de_DE"}.indexOf(seed.locale);
    if (locale < 0)
        return {};
    const QStringList fields = forms::layoutOf(seed.in.shape).fields;
    int texts = seed.utf16 ? 1 : 0;
    int units = 0;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const QString shown = fields[i].section(u'|', 1);
        texts |= shown.contains(u'T') ? 2 << i : 0;
        units |= shown.contains(u'U') ? 1 << i : 0;
    }
    const CalcInput &in = seed.in;
    QByteArray out;
    for (char b : {char(locale), char(texts), char(units), position(in.shape), position(in.alloy)})
        out += b;
    for (int unit : in.units)
        out += position(unit);
    for (int p : {in.pipeSize, in.pipeSchedule, in.rebarSize, in.teeSize, int(fields.size())})
        out += position(p);
    for (const QString &text : {in.numPieces, in.params[0], in.params[1], in.params[2], in.params[3], in.params[4], in.result}) {
        const QByteArray bytes = seed.utf16 ? QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2)
                                            : text.toUtf8();
        Q_ASSERT(bytes.size() < 256);
        out += char(bytes.size()) + bytes;
    }
    if (seed.number) {
        char bytes[sizeof(double)];
        std::memcpy(bytes, &*seed.number, sizeof bytes); // little-endian, as the fuzzer reads it
        out += QByteArray(bytes, sizeof bytes);
    }
    return out;
}

QList<Seed> seeds()
{
    QList<Seed> all;
    for (const CalcCase &row : weightCases())
        all << Seed{row.name, row.in, row.locale, QString(row.result).replace(u',', u'.').toDouble()};
    for (const CalcCase &row : refusedCases())
        all << Seed{row.name, row.in, row.locale};

    // Texts the tables do not type: other encodings and scripts, the extremes
    // of the double range, both separators in both locales, 16-bit positions.
    const CalcInput roundBar = input(RoundBar, {{"1"}, {"1", Foot}});
    CalcInput extremes = shownBefore(input(Shape(SHRT_MAX), {{"1"}, {"1", Foot}}), "");
    extremes.alloy = SHRT_MIN;
    extremes.pipeSize = INT_MAX;
    extremes.pipeSchedule = INT_MIN;
    const QByteArray nines(70, '9');
    const QByteArray ones(80, '1');
    all << Seed{"utf-16 round bar", shownBefore(roundBar, "12.5"), "C", {}, true}
        << Seed{"arabic-indic digits", input(RoundBar, {{"\u0661"}, {"\u0661", Foot}}, "\u0662")}
        << Seed{"no-break space and tab", input(RoundBar, {{"\u00a01"}, {"1\t", Foot}})}
        << Seed{"de_DE point and comma mixed", input(Plate, {{"0,5"}, {"1.2"}, {"1.000,5", Foot}}), "de_DE"}
        << Seed{"en_US comma as decimal", input(Plate, {{"0,5"}, {"1,234.5"}, {"1e-3", Foot}}), "en_US"}
        << Seed{"largest and smallest doubles", shownBefore(input(Beam, {{"1"}, {"1.7976931348623157e308"}, {"1", Foot}}), "4.9e-324"),
                "C", 1.7976931348623157e308}
        << Seed{"exponents past the range", shownBefore(input(RoundBar, {{"1e-400"}, {"1e400", Foot}}, "1E+5"), "-1e309")}
        << Seed{"long digit string", input(RoundBar, {{("0." + nines).constData()}, {ones.constData(), Foot}}, "00001.50000")}
        << Seed{"rounding at half a thousandth", shownBefore(roundBar, "2.0005"), "C", 1.0005}
        << Seed{"16-bit positions", extremes}
        << Seed{"angles thicker than its legs", input(Angles, {{"1"}, {"1"}, {"3"}, {"12"}}), "C", -10.44};
    return all;
}

} // namespace

int main(int argc, char *argv[])
{
    const bool check = argc == 3 && std::strcmp(argv[1], "--check") == 0;
    if (argc != 2 && !check) {
        std::fprintf(stderr, "usage: make_corpus [--check] FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[argc - 1]));
    std::map<QString, QByteArray> files;
    QList<QByteArray> seen;
    static const QRegularExpression notSlug(QStringLiteral("[^a-z0-9]+"));
    for (const Seed &seed : seeds()) {
        const QByteArray data = encode(seed);
        if (data.isEmpty() || seen.contains(data))
            continue;
        seen << data;
        QString slug = seed.name.toLower().replace(notSlug, QStringLiteral("-"));
        while (slug.endsWith(u'-'))
            slug.chop(1);
        while (slug.startsWith(u'-'))
            slug.remove(0, 1);
        if (!files.emplace(slug, data).second) {
            std::fprintf(stderr, "two seeds named %s\n", qPrintable(slug));
            return 1;
        }
    }

    if (check) {
        int wrong = 0;
        for (const QString &name : folder.entryList(QDir::Files)) {
            if (!files.count(name))
                std::printf("%s: no case gives this seed any more\n", qPrintable(name)), ++wrong;
        }
        for (const auto &[name, data] : files) {
            QFile file(folder.filePath(name));
            if (!file.open(QIODevice::ReadOnly) || file.readAll() != data)
                std::printf("%s: missing or out of date\n", qPrintable(name)), ++wrong;
        }
        if (wrong)
            std::printf("%d seed(s) differ from the test cases; run make_corpus %s\n", wrong, argv[2]);
        return wrong ? 1 : 0;
    }
    if (!folder.mkpath(QStringLiteral(".")))
        return 1;
    for (const auto &[name, data] : files) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
            return 1;
    }
    std::printf("%zu seeds in %s\n", files.size(), argv[1]);
    return 0;
}
