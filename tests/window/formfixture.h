// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calccases.h"
#include "results/reportprinter.h"
#include "window/form1.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

// A calculator window for a test: messages and questions are collected instead
// of shown (no test can block on a modal box) and nothing reaches a real printer.
class FakePrinter : public keldary::ReportPrinter
{
public:
    keldary::PrintStatus status = keldary::PrintStatus::Printed;
    std::vector<std::vector<keldary::ReportLine>> printed;

    keldary::PrintStatus print(const std::vector<keldary::ReportLine> &lines) override
    {
        printed.push_back(lines);
        return status;
    }
};

class FormFixture
{
public:
    FormFixture()
        : form(std::make_unique<keldary::Form1>())
    {
        form->setMessageSink([this](const keldary::Message &message) { messages.append(message); });
        keldary::UserDialogs dialogs;
        dialogs.ask = [this](const keldary::Question &question) {
            questions.append(question);
            return answer;
        };
        dialogs.saveFileName = [this](const QString &, const QString &suggestedPath, const QString &) {
            suggestedFiles.append(suggestedPath);
            return chosenFile;
        };
        form->setUserDialogs(std::move(dialogs));
        auto fake = std::make_unique<FakePrinter>();
        printer = fake.get();
        form->setReportPrinter(std::move(fake));
    }

    void show()
    {
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    template <typename T>
    T *get(const QString &name) const
    {
        T *widget = form->findChild<T *>(name);
        if (!widget)
            qFatal("no control named %s", qPrintable(name));
        return widget;
    }

    QComboBox *combo(const QString &name) const { return get<QComboBox>(name); }
    QLineEdit *edit(const QString &name) const { return get<QLineEdit>(name); }
    QLabel *label(const QString &name) const { return get<QLabel>(name); }
    QListWidget *results() const { return get<QListWidget>(QStringLiteral("lstResults")); }
    QLineEdit *param(int i) const { return edit(QStringLiteral("txtParam_%1").arg(i)); }
    QComboBox *unit(int i) const { return combo(QStringLiteral("cmbUnits_%1").arg(i)); }
    QLabel *caption(int i) const { return label(QStringLiteral("lblParam_%1").arg(i)); }

    void press(const char *button) const { get<QPushButton>(QLatin1String(button))->click(); }

    void chooseShape(int shape) const { combo(QStringLiteral("cmbShapes"))->setCurrentIndex(shape); }

    // Fills the window as a user leaves it before pressing Calculate: every
    // text box, unit list and size list, shown or not.
    void enter(const keldary::CalcInput &in) const
    {
        chooseShape(in.shape);
        combo(QStringLiteral("cmbAlloy"))->setCurrentIndex(in.alloy);
        for (int i = 0; i < keldary::ParamCount; ++i) {
            param(i)->setText(in.params[std::size_t(i)]);
            unit(i)->setCurrentIndex(in.units[std::size_t(i)]);
        }
        edit(QStringLiteral("txtNumPieces"))->setText(in.numPieces);
        combo(QStringLiteral("cmbSize"))->setCurrentIndex(in.pipeSize);
        combo(QStringLiteral("cmbSchedule"))->setCurrentIndex(in.pipeSchedule);
        combo(QStringLiteral("cmbRebarSizes"))->setCurrentIndex(in.rebarSize);
        combo(QStringLiteral("cmbTeeSizes"))->setCurrentIndex(in.teeSize);
        edit(QStringLiteral("txtResult"))->setText(in.result);
    }

    // Stores one line for each weight typed into the result box.
    void store(std::initializer_list<const char *> weights) const
    {
        for (const char *weight : weights) {
            edit(QStringLiteral("txtResult"))->setText(QLatin1String(weight));
            press("cmdStoreResult");
        }
    }

    QStringList lines() const
    {
        QStringList out;
        for (int i = 0; i < results()->count(); ++i)
            out << results()->item(i)->text();
        return out;
    }

    std::unique_ptr<keldary::Form1> form;
    QList<keldary::Message> messages;
    // Questions are answered with `answer`, and a save dialog with `chosenFile`
    // (empty: cancelled).
    QList<keldary::Question> questions;
    bool answer = false;
    QStringList suggestedFiles;
    QString chosenFile;
    FakePrinter *printer = nullptr;
};
