// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resultline.h"

#include "calc/numerictext.h"
#include "data/alloytable.h"
#include "data/fieldlayouts.h"
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
QString fieldItem(const RecordedInputs::Field &field, const QLocale &locale)
{
    const QString unit = field.unit ? toQString(entryAt(UnitNames, *field.unit)) : QString();
    QString item = isNumericText(field.text, locale) ? u" "_s + field.caption + u" "_s + field.text + u" "_s
                                                     : u"  "_s + field.caption + u" 0.0 "_s;
    return item + unit;
}

} // namespace

bool hasStorableResult(const CalcInput &shown, const QLocale &locale)
{
    return isNumericText(shown.result, locale);
}

RecordedInputs recordedInputs(const CalcInput &shown)
{
    RecordedInputs recorded;
    recorded.alloy = shown.alloy;
    recorded.shape = shown.shape;
    recorded.numPieces = shown.numPieces;
    const auto record = [&](int field, bool withUnit) {
        const auto i = static_cast<std::size_t>(field);
        recorded.fields[i] = RecordedInputs::Field{shown.captions[i], shown.params[i],
                                                   withUnit ? std::optional(shown.units[i]) : std::nullopt};
    };

    // The size-list shapes write their picked size in place of field 0 (and
    // field 1 for Pipe) and then only the length, always with its unit. The
    // others write each row whose text box their layout shows, with the unit
    // where the row shows one.
    switch (static_cast<Shape>(shown.shape)) {
    case Shape::Pipe:
        recorded.pipeSchedule = shown.pipeSchedule;
        recorded.pipeSize = shown.pipeSize;
        record(2, true);
        break;
    case Shape::Tees:
        recorded.sizeCaption = shown.captions[0];
        recorded.teeSize = shown.teeSize;
        record(1, true);
        break;
    case Shape::Rebar:
        recorded.sizeCaption = shown.captions[0];
        recorded.rebarSize = shown.rebarSize;
        record(1, true);
        break;
    default:
        if (const FieldLayout *layout = fieldLayout(shown.shape)) {
            for (int i = 0; i < ParamCount; ++i) {
                const unsigned show = layout->fields[static_cast<std::size_t>(i)].show;
                if (show & ShowText)
                    record(i, show & ShowUnit);
            }
        }
        break;
    }
    return recorded;
}

QString buildResultLine(const CalcInput &shown, const QLocale &locale)
{
    const RecordedInputs recorded = recordedInputs(shown);
    QString line = alloyName(recorded.alloy) + u"  "_s + toQString(entryAt(ShapeNames, recorded.shape)) + u"  "_s;

    switch (static_cast<Shape>(recorded.shape)) {
    case Shape::Pipe:
        line += u"  Schedule: "_s + toQString(entryAt(PipeSchedules, recorded.pipeSchedule)) + u" Size: "_s
                + toQString(entryAt(PipeSizes, recorded.pipeSize));
        break;
    case Shape::Tees:
        line += u" "_s + recorded.sizeCaption + u" "_s + toQString(entryAt(TeeSizes, recorded.teeSize));
        break;
    case Shape::Rebar:
        line += u" "_s + recorded.sizeCaption + u" "_s + toQString(entryAt(RebarSizes, recorded.rebarSize));
        break;
    default:
        break;
    }
    for (const std::optional<RecordedInputs::Field> &field : recorded.fields) {
        if (field)
            line += fieldItem(*field, locale);
    }

    return line + u"  Pieces: "_s + recorded.numPieces + u"  Total Weight: "_s + shown.result + u" lbs."_s;
}

} // namespace keldary
