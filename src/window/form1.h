// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/weightcalculation.h"
#include "messagesink.h"
#include "results/report.h"
#include "results/storerule.h"

#include <QWidget>

#include <array>
#include <memory>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace keldary {

class ClickableLabel;
class ReportPrinter;

// The calculator's one window. Its handlers read the controls, hand the values
// to the calculation core or the result list, and write the answer back.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    // Where messages go; the program shows message boxes.
    void setMessageSink(MessageSink sink);
    // Where Print Results sends the report; by default CUPS, created on first use.
    void setReportPrinter(std::unique_ptr<ReportPrinter> printer);
    // Where questions and the choice of a file go; the program shows dialogs.
    void setUserDialogs(UserDialogs dialogs);

    // Window coordinates are laid out in twips; 15 twips make one pixel.
    static QRect fromTwips(int left, int top, int width, int height);

private:
    void createControls();
    void setTabOrder();

    void Form_Load();
    void InitUnits();
    void InitAlloys();
    void InitShapes();
    void InitPipe();
    void InitRebar();
    void InitTees();

    void cmbShapes_Click();
    void ChangeFields();
    void cmdCalculate_Click();
    void CalculateWeight();
    void cmdClearFields_Click();
    void cmdStoreResult_Click();
    void cmdDeleteResult_Click();
    void cmdPrint_Click();
    void cmdExit_Click();
    void lblAuthorInfo2_Click();
    void writeResult(const QString &text);

    // Everything the window's controls hold, read once for Calculate and Store Result.
    CalcInput readControls() const;
    void showMessage(const Message &message);
    void saveReportInstead(const std::vector<ReportLine> &report);

    MessageSink m_messageSink;
    UserDialogs m_dialogs;
    std::unique_ptr<ReportPrinter> m_printer;
    StoreRule m_storeRule;
    // Set while Calculate or Clear Fields writes txtResult: that text is not typed by hand.

    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QGroupBox *Frame3 = nullptr;
    QGroupBox *Frame4 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Label12 = nullptr;
    QLabel *lblCompURL = nullptr;
    QLabel *lblAuthorInfo = nullptr;
    ClickableLabel *lblAuthorInfo2 = nullptr;
    QComboBox *cmbAlloy = nullptr;
    QComboBox *cmbShapes = nullptr;
    QComboBox *cmbSize = nullptr;
    QComboBox *cmbSchedule = nullptr;
    QComboBox *cmbRebarSizes = nullptr;
    QComboBox *cmbTeeSizes = nullptr;
    std::array<QLabel *, ParamCount> lblParam{};
    std::array<QLineEdit *, ParamCount> txtParam{};
    std::array<QComboBox *, ParamCount> cmbUnits{};
    QLineEdit *txtNumPieces = nullptr;
    QLineEdit *txtResult = nullptr;
    QListWidget *lstResults = nullptr;
    QPushButton *cmdCalculate = nullptr;
    QPushButton *cmdClearFields = nullptr;
    QPushButton *cmdStoreResult = nullptr;
    QPushButton *cmdDeleteResult = nullptr;
    QPushButton *cmdPrint = nullptr;
    QPushButton *cmdExit = nullptr;
};

} // namespace keldary
