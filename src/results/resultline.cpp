// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resultline.h"

#include "calc/numerictext.h"
#include "data/alloytable.h"
#include "data/listentry.h"
#include "data/pipeschedules.h"
#include "data/pipesizes.h"
#include "data/rebartable.h"
#include "data/shapenames.h"
#include "data/teetable.h"
#include "data/text.h"
#include "data/unitnames.h"

#include <string_view>

using namespace Qt::StringLiterals;

namespace keldary {

namespace {

QString alloyName(int alloy)
{
    if (alloy < 0 || alloy >= AlloyCount)
        return {};
    return toQString(AlloyTable[static_cast<std::size_t>(alloy)].name);
}

// One dimension as the line shows it. A text that is no number is replaced by
// " 0.0 " and then carries one more leading space than a numeric one; stored
// lines have always looked like that, so the spacing is kept as it is.
QString fieldItem(const ResultSnapshot &snapshot, int field, bool withUnit, const QLocale &locale)
{
    const auto i = static_cast<std::size_t>(field);
    const QString &caption = snapshot.captions[i];
    const QString &typed = snapshot.params[i];
    const QString unit = withUnit ? toQString(entryAt(UnitNames, snapshot.units[i])) : QString();

    QString item = isNumericText(typed, locale) ? u" "_s + caption + u" "_s + typed + u" "_s
                                                : u"  "_s + caption + u" 0.0 "_s;
    return item + unit;
}

} // namespace

bool hasStorableResult(const ResultSnapshot &snapshot, const QLocale &locale)
{
    return isNumericText(snapshot.result, locale);
}

QString buildResultLine(const ResultSnapshot &snapshot, const QLocale &locale)
{
    QString line = alloyName(snapshot.alloy) + u"  "_s + toQString(entryAt(ShapeNames, snapshot.shape))
                   + u"  "_s;

    // The size-list shapes write their picked size in place of field 0 (and
    // field 1 for Pipe) and then only the length; they never look at which
    // fields are visible.
    switch (static_cast<Shape>(snapshot.shape)) {
    case Shape::Pipe:
        line += u"  Schedule: "_s + toQString(entryAt(PipeSchedules, snapshot.pipeSchedule))
                + u" Size: "_s + toQString(entryAt(PipeSizes, snapshot.pipeSize))
                + fieldItem(snapshot, 2, true, locale);
        break;
    case Shape::Tees:
        line += u" "_s + snapshot.captions[0] + u" "_s + toQString(entryAt(TeeSizes, snapshot.teeSize))
                + fieldItem(snapshot, 1, true, locale);
        break;
    case Shape::Rebar:
        line += u" "_s + snapshot.captions[0] + u" "_s + toQString(entryAt(RebarSizes, snapshot.rebarSize))
                + fieldItem(snapshot, 1, true, locale);
        break;
    default:
        for (int i = 0; i < ParamCount; ++i) {
            const auto at = static_cast<std::size_t>(i);
            if (snapshot.paramVisible[at])
                line += fieldItem(snapshot, i, snapshot.unitVisible[at], locale);
        }
        break;
    }

    return line + u"  Pieces: "_s + snapshot.numPieces + u"  Total Weight: "_s + snapshot.result
           + u" lbs."_s;
}

} // namespace keldary
