// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "browser.h"
#include "formfixture.h"

#include "calc/numerictext.h"

#include <QDesktopServices>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>

#include <cmath>
#include <optional>

using namespace keldary;

// Random use of the real window, reproducible from its seed. Replay one seed:
//   KELDARY_MONKEY_SEED=7 KELDARY_MONKEY_ACTIONS=5000 tests/window/tst_monkey
// After every action the window must still be there, the result list must
// have changed only through Store Result and Remove Result and by one line,
// and the result box must hold nothing, what it held before, what the user
// typed into it, or a weight in "0.000" form. Store Result must take exactly
// the weights that belong to the inputs shown: typed by hand since the last
// Calculate, or calculated from inputs the line would record the same.

// What a stored line records, read from the window by its own rules: alloy,
// stock form, pieces, each shown text box with its unit where one is shown,
// and each shown size list.
static QString recordedKey(const FormFixture &f)
{
    QStringList key{QString::number(f.combo("cmbAlloy")->currentIndex()),
                    QString::number(f.combo("cmbShapes")->currentIndex()), f.edit("txtNumPieces")->text()};
    for (int i = 0; i < 5; ++i) {
        if (f.param(i)->isVisibleTo(f.form.get()))
            key << QString("field %1").arg(i) << f.param(i)->text()
                << (f.unit(i)->isVisibleTo(f.form.get()) ? QString::number(f.unit(i)->currentIndex()) : "-");
    }
    for (const char *list : {"cmbSize", "cmbSchedule", "cmbRebarSizes", "cmbTeeSizes"}) {
        if (f.combo(QLatin1String(list))->isVisibleTo(f.form.get()))
            key << QLatin1String(list) << QString::number(f.combo(QLatin1String(list))->currentIndex());
    }
    return key.join(u'\x1f');
}

class Monkey
{
public:
    Monkey(quint32 seed, FormFixture &f) : m_random(seed), m_f(f) {}

    int below(int n) { return int(m_random.bounded(n)); }

    QString randomText()
    {
        static const QStringList pieces{
            "", " ", "   ", "0", "1", "2", "12", "-3", "+4", "0.5", ".25", "7.", "2,5", "1,000", "1.000",
            "1,000.5", "1.000,5", "1e3", "1E-3", "1e308", "1e-308", "1e999", "-1e999", "9e307", "inf", "-inf",
            "nan", "NaN", "abc", "x", "W8x10", "½", "１２", "٣", "ß", "\u00a0", "\t", "--1", "1-", "0x10",
            "1 000", "3.4028235e38", "4.9e-324", "123456789012345678901234567890", "-0", "-0.0001", "0.0005",
        };
        // Half the time a number as the user's locale writes it, so that many
        // calculations go through, including huge and tiny ones.
        if (below(2) == 0) {
            const double magnitude = std::pow(10.0, below(40) - 20);
            const double value = (m_random.generateDouble() - 0.2) * magnitude;
            return QLocale().toString(value, below(2) ? 'g' : 'f', below(8));
        }
        QString text;
        const int parts = below(3) + 1;
        for (int i = 0; i < parts; ++i)
            text += pieces[below(int(pieces.size()))];
        if (below(20) == 0)
            text = QString(below(300), QChar(u'9'));
        return text;
    }

    // One user action; returns what it was, for the failure message.
    QString act()
    {
        QListWidget *list = m_f.results();
        switch (below(16)) {
        case 0:
            m_f.chooseShape(below(17));
            return "choose shape " + m_f.combo("cmbShapes")->currentText();
        case 1:
            m_f.combo("cmbAlloy")->setCurrentIndex(below(26));
            return "choose alloy";
        case 2: {
            const int i = below(5);
            m_f.unit(i)->setCurrentIndex(below(6));
            return QString("choose unit of field %1").arg(i);
        }
        case 3: {
            static const char *lists[] = {"cmbSize", "cmbSchedule", "cmbRebarSizes", "cmbTeeSizes"};
            QComboBox *combo = m_f.combo(QLatin1String(lists[below(4)]));
            combo->setCurrentIndex(below(combo->count()));
            return "choose size in " + combo->objectName();
        }
        case 4:
        case 5:
        case 6: {
            const int i = below(5);
            const QString text = randomText();
            m_f.param(i)->setText(text);
            return QString("type \"%1\" into field %2").arg(text).arg(i);
        }
        case 7: {
            const QString text = below(3) ? QString::number(below(6)) : randomText();
            m_f.edit("txtNumPieces")->setText(text);
            return QString("type \"%1\" as pieces").arg(text);
        }
        case 8: {
            const QString text = below(2) ? randomText() : QString("%1.%2").arg(below(1000)).arg(below(1000));
            m_f.edit("txtResult")->setText(text);
            m_typedResult = text;
            return QString("type \"%1\" as result").arg(text);
        }
        case 9:
        case 10:
            m_f.press("cmdCalculate");
            return "Calculate";
        case 11:
            m_f.press("cmdClearFields");
            return "Clear Fields";
        case 12:
            m_f.press("cmdStoreResult");
            return "Store Result";
        case 13:
            if (list->count() > 0 && below(3) > 0) {
                list->setCurrentRow(below(list->count()));
                m_removedRow = list->currentRow();
            } else {
                list->clearSelection();
                m_removedRow = -1;
            }
            m_f.press("cmdDeleteResult");
            return "Remove Result";
        case 14:
            m_f.printer->status = PrintStatus(below(3));
            m_f.press("cmdPrint");
            return "Print Results";
        default:
            QTest::mouseClick(m_f.label("lblAuthorInfo2"), Qt::LeftButton);
            return "click the web address";
        }
    }

    QString m_typedResult;
    int m_removedRow = -1;

private:
    QRandomGenerator m_random;
    FormFixture &m_f;
};

class TestMonkey : public QObject
{
    Q_OBJECT

private slots:
    void randomUse_data();
    void randomUse();
};

void TestMonkey::randomUse_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("actions");
    QTest::addColumn<QString>("locale");

    if (qEnvironmentVariableIsSet("KELDARY_MONKEY_SEED")) {
        const quint32 seed = qEnvironmentVariableIntValue("KELDARY_MONKEY_SEED");
        const int actions = qEnvironmentVariableIsSet("KELDARY_MONKEY_ACTIONS")
            ? qEnvironmentVariableIntValue("KELDARY_MONKEY_ACTIONS") : 5000;
        QTest::addRow("seed %u", seed) << seed << actions << (seed % 2 ? "de_DE" : "en_US");
        return;
    }
    // 20,000 actions in all, under a decimal point and a decimal comma.
    for (quint32 seed : {1u, 2u, 3u, 4u})
        QTest::addRow("seed %u", seed) << seed << 5000 << (seed % 2 ? "de_DE" : "en_US");
}

void TestMonkey::randomUse()
{
    QFETCH(quint32, seed);
    QFETCH(int, actions);
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));
    const QLocale used;
    const QRegularExpression weight(QStringLiteral("^-?[0-9]+") + QRegularExpression::escape(used.decimalPoint())
                                    + QStringLiteral("[0-9]{3}$"));
    const QString negativeZero = QStringLiteral("-0") + used.decimalPoint() + QStringLiteral("000");
    const QStringList titles{"Invalid Input", "Illegal Input", "Store Failed", "Remove Failed", "Print Failed"};
    const QString notCurrent = "The weight shown was not calculated from the current inputs";
    const QString noCalculation = "There is no calculation to be stored";
    const QString angleThickness = "The Thickness is too large in proportion to the Legs";
    const QStringList texts{"The Tube Wall Cannot exceed the Outer Diameter",
                            "The Thickness is too large in proportion to the Width",
                            "The Thickness is too large in proportion to the Width and/or Height", angleThickness,
                            "This pipe size is not made in the selected schedule",
                            "The result is too large to calculate", noCalculation, notCurrent,
                            "Please select a calculation to delete",
                            "The report could not be printed"};

    BrowserStandIn catcher;
    FormFixture f;
    f.show();
    Monkey monkey(seed, f);
    QStringList stored;
    int weights = 0, storedLines = 0, removedLines = 0, notCurrentRefusals = 0;
    // The model of whose weight the result box shows: the user's while it
    // differs, as a number, from what the last Calculate left there.
    QString calculated;
    std::optional<QString> weighedKey;

    for (int step = 0; step < actions; ++step) {
        const QString before = f.edit("txtResult")->text();
        const qsizetype messagesBefore = f.messages.size();
        const QString action = monkey.act();
        const QString where = QString("seed %1, step %2: %3 (replay with KELDARY_MONKEY_SEED=%1 KELDARY_MONKEY_ACTIONS=%4)")
                                  .arg(seed).arg(step).arg(action).arg(step + 1);

        QVERIFY2(f.form->isVisible(), qPrintable(where));
        const QList<Message> said = f.messages.mid(messagesBefore);
        for (const Message &message : said) {
            QVERIFY2(titles.contains(message.title), qPrintable(where));
            QVERIFY2(texts.contains(message.text) || message.text.startsWith("You entered an illegal value for the "),
                     qPrintable(where + " said " + message.text));
            QVERIFY2(!message.text.contains("nan", Qt::CaseInsensitive), qPrintable(where));
            if (message.text == angleThickness)
                QVERIFY2(f.combo("cmbShapes")->currentIndex() == 0, qPrintable(where));
        }

        const QStringList lines = f.lines();
        if (action == "Store Result") {
            const bool typedByHand = numberFromText(before) != numberFromText(calculated);
            const bool belongs = typedByHand || weighedKey == recordedKey(f);
            const bool added = lines.size() == stored.size() + 1;
            if (added) {
                QVERIFY2(belongs && said.isEmpty(), qPrintable(where + " stored a weight of other inputs"));
                QVERIFY2(lines.mid(0, stored.size()) == stored, qPrintable(where));
                QVERIFY2(lines.last().endsWith(before + " lbs."), qPrintable(where));
                stored = lines;
                ++storedLines;
            } else {
                QVERIFY2(lines == stored, qPrintable(where + " changed the list"));
                QVERIFY2(said.size() == 1, qPrintable(where));
                // A shown weight is a number: only its origin can refuse it.
                if (belongs)
                    QVERIFY2(said.first().text == noCalculation && !before.contains(weight), qPrintable(where));
                else if (before.contains(weight))
                    QVERIFY2(said.first().text == notCurrent, qPrintable(where + " said " + said.first().text));
                else
                    QVERIFY2(said.first().text == notCurrent || said.first().text == noCalculation, qPrintable(where));
                notCurrentRefusals += said.first().text == notCurrent;
            }
        } else if (action == "Remove Result" && lines.size() + 1 == stored.size()) {
            QVERIFY2(monkey.m_removedRow >= 0, qPrintable(where));
            stored.removeAt(monkey.m_removedRow);
            QVERIFY2(lines == stored, qPrintable(where));
            QVERIFY2(f.results()->selectionModel()->selectedRows().isEmpty(), qPrintable(where));
            ++removedLines;
        } else {
            QVERIFY2(lines == stored, qPrintable(where + " changed the list"));
        }

        const QString result = f.edit("txtResult")->text();
        if (action.startsWith("type") && action.endsWith("as result"))
            QVERIFY2(result == monkey.m_typedResult, qPrintable(where));
        else if (action == "Clear Fields")
            QVERIFY2(result.isEmpty(), qPrintable(where));
        else if (action == "Calculate")
            QVERIFY2(result == before || result.contains(weight), qPrintable(where + " gave " + result));
        else
            QVERIFY2(result == before, qPrintable(where));
        if (action == "Calculate") {
            // Every run that computes nothing says why; a silent run wrote a weight.
            calculated = result;
            weighedKey = said.isEmpty() ? std::optional(recordedKey(f)) : std::nullopt;
        }
        if (action == "Calculate") {
            weights += result != before;
            QVERIFY2(result == before || result != negativeZero, qPrintable(where + " gave " + result));
            QVERIFY2(result == before || !result.contains("inf", Qt::CaseInsensitive), qPrintable(where));
        }
    }
    qInfo("%d actions: %d new weights, %d lines stored, %d refused as not current, %d removed, %d messages, "
          "%d links opened", actions, weights, storedLines, notCurrentRefusals, removedLines, int(f.messages.size()),
          catcher.opened.size());
    QLocale::setDefault(QLocale::c());
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
