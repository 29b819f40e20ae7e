// SPDX-FileCopyrightText: 2026 The Keldary developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include "accessibility.h"
#include "announcement.h"
#include "clickablelabel.h"
#include "framestyle.h"
#include "linkcursor.h"
#include "readablecolor.h"
#include "resultlistbox.h"
#include "windowfonts.h"

#include "data/alloytable.h"
#include "data/fieldlayouts.h"
#include "data/pipeschedules.h"
#include "data/pipesizes.h"
#include "data/provider.h"
#include "data/rebartable.h"
#include "data/teetable.h"
#include "data/text.h"
#include "data/unitnames.h"
#include "results/report.h"
#include "results/reportprinter.h"
#include "results/weblink.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTimer>
#include <QWheelEvent>

namespace keldary {

namespace {

template <typename Widget>
Widget *place(QWidget *parent, const char *name, QRect geometry)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

QLabel *label(QWidget *parent, const char *name, const QString &caption, QRect geometry)
{
    auto *widget = place<QLabel>(parent, name, geometry);
    widget->setText(caption);
    widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return widget;
}

QGroupBox *frame(QWidget *parent, const char *name, const QString &caption, QRect geometry)
{
    auto *widget = place<QGroupBox>(parent, name, geometry);
    widget->setTitle(caption);
    widget->setStyle(frameStyle());
    return widget;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, QRect geometry)
{
    auto *widget = place<QPushButton>(parent, name, geometry);
    widget->setText(caption);
    widget->setAutoDefault(false);
    widget->setDefault(false);
    return widget;
}

// A drop-down list that has its own font from the start. QComboBox answers a
// change of font by building its popup list to hand the font on; the window's
// eleven lists would build eleven popups before the window first shows. A
// popup built later, when its list first opens, takes the list's font itself.
// A turn of the mouse wheel over a list that does not have the focus is meant
// for the window: it passes on and changes nothing. A focused list keeps the
// wheel; the wheel alone does not give a list the focus.
class DropDownList : public QComboBox
{
public:
    DropDownList(QWidget *parent, const QFont &font)
        : QComboBox(parent)
    {
        m_settingUp = true;
        setFont(font);
        m_settingUp = false;
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void wheelEvent(QWheelEvent *event) override
    {
        if (hasFocus())
            QComboBox::wheelEvent(event);
        else
            event->ignore();
    }

    void changeEvent(QEvent *event) override
    {
        if (m_settingUp && event->type() == QEvent::FontChange)
            QWidget::changeEvent(event);
        else
            QComboBox::changeEvent(event);
    }

private:
    bool m_settingUp = false;
};

QComboBox *dropDownList(QWidget *parent, const char *name, QRect geometry)
{
    auto *widget = new DropDownList(parent, dropDownFont());
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    widget->setEditable(false);
    widget->setInsertPolicy(QComboBox::NoInsert);
    return widget;
}

// What a screen reader calls the control beside a label: its caption without the colon.
QString spokenName(const QLabel *caption)
{
    QString name = caption->text();
    if (name.endsWith(u':'))
        name.chop(1);
    return name;
}

void setColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

// The blues of the provider's name and web address, unless the desktop's theme
// (dark, high contrast) would hide them.
void setLinkColor(QWidget *widget, const QColor &color)
{
    const QPalette &palette = widget->palette();
    setColor(widget, readableColor(color, palette.color(QPalette::Window), palette.color(QPalette::Link)));
}

void styleFont(QWidget *widget, qreal pointSize, bool bold, bool underline)
{
    QFont font = windowFont();
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    widget->setFont(font);
}

} // namespace

QRect Form1::fromTwips(int left, int top, int width, int height)
{
    constexpr double TwipsPerPixel = 15.0;
    return QRect(qRound(left / TwipsPerPixel), qRound(top / TwipsPerPixel),
                 qRound(width / TwipsPerPixel), qRound(height / TwipsPerPixel));
}

Form1::Form1(QWidget *parent)
    : QWidget(parent)
    , m_messageSink(messageBoxSink(this))
    , m_dialogs(standardDialogs(this))
{
    installAccessibility();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Keldary - Metals Weight Calculator"));
    // Reading the icon makes Qt load its image-format plugins; the window is
    // shown first and takes its icon a moment later.
    QTimer::singleShot(0, this, [this] { setWindowIcon(QIcon(QStringLiteral(":/icons/keldary-32.png"))); });
    setFont(windowFont());
    // The layout is fixed: the controls keep their places whatever the window's size.
    setFixedSize(fromTwips(0, 0, 6900, 6840).size());

    createControls();
    setTabOrder();
    Form_Load();
}

Form1::~Form1() = default;

void Form1::setMessageSink(MessageSink sink)
{
    m_messageSink = std::move(sink);
}

void Form1::setReportPrinter(std::unique_ptr<ReportPrinter> printer)
{
    m_printer = std::move(printer);
}

void Form1::setUserDialogs(UserDialogs dialogs)
{
    m_dialogs = std::move(dialogs);
}

void Form1::createControls()
{
    Frame1 = frame(this, "Frame1", QStringLiteral("Metal Type and Form"), fromTwips(120, 120, 6612, 852));
    Label3 = label(Frame1, "Label3", QStringLiteral("Alloy:"), fromTwips(240, 360, 612, 252));
    Label3->setAlignment(Qt::AlignRight | Qt::AlignTop);
    cmbAlloy = dropDownList(Frame1, "cmbAlloy", fromTwips(1200, 360, 1812, 288));
    Label1 = label(Frame1, "Label1", QStringLiteral("Form:"), fromTwips(3480, 360, 492, 252));
    Label1->setAlignment(Qt::AlignRight | Qt::AlignTop);
    cmbShapes = dropDownList(Frame1, "cmbShapes", fromTwips(4320, 360, 1572, 288));

    Frame2 = frame(this, "Frame2", QStringLiteral("Parameters"), fromTwips(120, 1080, 3492, 2892));
    Label4 = label(Frame2, "Label4", QStringLiteral("Units:"), fromTwips(2520, 120, 852, 252));
    for (int i = 0; i < ParamCount; ++i) {
        const int top = 480 + 480 * i;
        const QByteArray suffix = QByteArray::number(i);
        // Two lines high: captions such as "Size - Outer Diameter:" wrap inside the label.
        // The last row's would reach down onto the frame's bottom border, so it stops above it.
        lblParam[i] = label(Frame2, ("lblParam_" + suffix).constData(), QStringLiteral("Label2"),
                            fromTwips(120, top, 852, i == ParamCount - 1 ? 372 : 492));
        lblParam[i]->setWordWrap(true);
        txtParam[i] = place<QLineEdit>(Frame2, ("txtParam_" + suffix).constData(), fromTwips(1080, top, 1092, 288));
        cmbUnits[i] = dropDownList(Frame2, ("cmbUnits_" + suffix).constData(), fromTwips(2520, top, 732, 288));
    }
    cmbSize = dropDownList(Frame2, "cmbSize", fromTwips(1080, 480, 1452, 288));
    cmbTeeSizes = dropDownList(Frame2, "cmbTeeSizes", fromTwips(1080, 480, 2172, 288));
    cmbSchedule = dropDownList(Frame2, "cmbSchedule", fromTwips(1080, 960, 1452, 288));

    // "Addtional" is the caption the window has always shown; users know the frame by it.
    Frame4 = frame(this, "Frame4", QStringLiteral("Addtional Parameters"), fromTwips(3840, 1080, 2892, 972));
    Label6 = label(Frame4, "Label6", QStringLiteral("Number of Pieces:"), fromTwips(120, 480, 1452, 252));
    txtNumPieces = place<QLineEdit>(Frame4, "txtNumPieces", fromTwips(1680, 480, 1092, 288));
    txtNumPieces->setText(QStringLiteral("1"));

    Frame3 = frame(this, "Frame3", QStringLiteral("Results"), fromTwips(3840, 2280, 2892, 1092));
    Label5 = label(Frame3, "Label5", QStringLiteral("Calculated Weight:"), fromTwips(120, 360, 1452, 252));
    txtResult = place<QLineEdit>(Frame3, "txtResult", fromTwips(480, 600, 1812, 288));
    Label2 = label(Frame3, "Label2", QStringLiteral("lb"), fromTwips(2400, 600, 372, 252));

    // The rebar sizes lie on the window itself, over the Parameters frame, so they
    // are created after it to be drawn above it.
    cmbRebarSizes = dropDownList(this, "cmbRebarSizes", fromTwips(1200, 1680, 732, 288));
    cmbRebarSizes->raise();

    cmdCalculate = button(this, "cmdCalculate", QStringLiteral("Calculate"), fromTwips(3960, 3600, 1212, 372));
    cmdClearFields = button(this, "cmdClearFields", QStringLiteral("Clear Fields"), fromTwips(5400, 3600, 1212, 372));
    lstResults = place<ResultListBox>(this, "lstResults", fromTwips(120, 4080, 6612, 516));
    lstResults->setFont(listFont());
    lstResults->setStyle(frameStyle());
    lstResults->setSelectionMode(QAbstractItemView::SingleSelection);
    lstResults->setSortingEnabled(false);
    cmdStoreResult = button(this, "cmdStoreResult", QStringLiteral("Store Result"), fromTwips(120, 4800, 1212, 372));
    cmdDeleteResult = button(this, "cmdDeleteResult", QStringLiteral("Remove Result"), fromTwips(1560, 4800, 1332, 372));
    cmdPrint = button(this, "cmdPrint", QStringLiteral("Print Results"), fromTwips(3120, 4800, 1212, 372));
    cmdExit = button(this, "cmdExit", QStringLiteral("&Exit"), fromTwips(5880, 4800, 852, 372));

    Label8 = label(this, "Label8", toQString(provider::Name), fromTwips(120, 5280, 2415, 255));
    styleFont(Label8, 8.25, true, false);
    Label9 = label(this, "Label9", toQString(provider::Address), fromTwips(120, 5520, 2415, 255));
    Label11 = label(this, "Label11", toQString(provider::Phone), fromTwips(120, 5760, 2535, 255));
    Label12 = label(this, "Label12", toQString(provider::Fax), fromTwips(120, 6000, 2535, 255));
    lblCompURL = label(this, "lblCompURL", QStringLiteral("Tarnwick LTD"), fromTwips(120, 6240, 2655, 375));
    styleFont(lblCompURL, 8.25, false, true);
    setLinkColor(lblCompURL, QColor(0, 0, 255));
    lblCompURL->hide();
    lblAuthorInfo = label(this, "lblAuthorInfo", toQString(provider::Copyright), fromTwips(3720, 5400, 2730, 195));
    lblAuthorInfo->setCursor(linkCursor());
    lblAuthorInfo2 = place<ClickableLabel>(this, "lblAuthorInfo2", fromTwips(4080, 5640, 2160, 195));
    lblAuthorInfo2->setText(toQString(provider::WebHost));
    lblAuthorInfo2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    styleFont(lblAuthorInfo2, 8.25, false, true);
    setLinkColor(lblAuthorInfo2, QColor(0, 0, 192));
    Label7 = label(this, "Label7", QStringLiteral("PROOF COPY - NOT FOR DISTRIBUTION"), fromTwips(2880, 6000, 3975, 735));
    Label7->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    styleFont(Label7, 13.5, true, false);
    setColor(Label7, palette().color(QPalette::Disabled, QPalette::WindowText));
    Label7->hide();

    Label3->setBuddy(cmbAlloy);
    Label1->setBuddy(cmbShapes);
    Label6->setBuddy(txtNumPieces);
    Label5->setBuddy(txtResult);
    txtNumPieces->setAccessibleName(spokenName(Label6));
    // The weight box is read with its unit, the label beside it.
    txtResult->setAccessibleName(spokenName(Label5) + QStringLiteral(", ") + Label2->text());
    Label5->setAccessibleName(txtResult->accessibleName() + u':');
    lstResults->setAccessibleName(QStringLiteral("Stored results"));

    connect(cmbShapes, &QComboBox::currentIndexChanged, this, &Form1::cmbShapes_Click);
    connect(cmdCalculate, &QPushButton::clicked, this, &Form1::cmdCalculate_Click);
    connect(cmdClearFields, &QPushButton::clicked, this, &Form1::cmdClearFields_Click);
    connect(cmdStoreResult, &QPushButton::clicked, this, &Form1::cmdStoreResult_Click);
    connect(cmdDeleteResult, &QPushButton::clicked, this, &Form1::cmdDeleteResult_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &Form1::cmdPrint_Click);
    connect(cmdExit, &QPushButton::clicked, this, &Form1::cmdExit_Click);
    connect(lblAuthorInfo2, &ClickableLabel::clicked, this, &Form1::lblAuthorInfo2_Click);
}

void Form1::setTabOrder()
{
    // Keyboard order of the controls that take the focus; frames and labels hold
    // places in it but are passed over, and hidden controls are skipped by Qt.
    const QWidget *order[] = {
        cmbAlloy, cmbShapes,
        txtParam[0], cmbUnits[0], cmbSize, cmbRebarSizes, cmbTeeSizes,
        txtParam[1], cmbUnits[1], cmbSchedule,
        txtParam[2], cmbUnits[2],
        txtParam[3], cmbUnits[3],
        txtParam[4], cmbUnits[4],
        txtNumPieces, txtResult,
        cmdCalculate, cmdClearFields, cmdStoreResult, cmdDeleteResult, cmdPrint, cmdExit,
        lstResults,
    };
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(const_cast<QWidget *>(order[i - 1]), const_cast<QWidget *>(order[i]));
}

void Form1::Form_Load()
{
    InitUnits();
    InitAlloys();
    InitShapes();
    InitPipe();
    InitRebar();
    InitTees();
}

void Form1::InitUnits()
{
    for (QComboBox *units : cmbUnits) {
        for (std::string_view name : UnitNames)
            units->addItem(toQString(name));
        units->setCurrentIndex(0);
    }
}

void Form1::InitAlloys()
{
    for (const AlloyEntry &alloy : AlloyTable)
        cmbAlloy->addItem(toQString(alloy.name));
    cmbAlloy->setCurrentIndex(0);
}

void Form1::InitShapes()
{
    {
        // The first entry added would select itself; the selection that lays out
        // the fields comes after the list is complete.
        const QSignalBlocker blocker(cmbShapes);
        for (std::string_view name : ShapeNames)
            cmbShapes->addItem(toQString(name));
        cmbShapes->setCurrentIndex(-1);
    }
    // Selecting a stock form by program runs the same layout as a user's choice.
    cmbShapes->setCurrentIndex(0);
}

void Form1::InitPipe()
{
    for (std::string_view schedule : PipeSchedules)
        cmbSchedule->addItem(toQString(schedule));
    for (std::string_view size : PipeSizes)
        cmbSize->addItem(toQString(size));
    cmbSize->setCurrentIndex(0);
    cmbSchedule->setCurrentIndex(0);
}

void Form1::InitRebar()
{
    for (std::string_view size : RebarSizes)
        cmbRebarSizes->addItem(toQString(size));
    cmbRebarSizes->setCurrentIndex(0);
}

void Form1::InitTees()
{
    for (std::string_view size : TeeSizes)
        cmbTeeSizes->addItem(toQString(size));
    cmbTeeSizes->setCurrentIndex(0);
}

void Form1::cmbShapes_Click()
{
    ChangeFields();
}

void Form1::ChangeFields()
{
    const FieldLayout *shown = fieldLayout(cmbShapes->currentIndex());
    if (!shown)
        return;
    const FieldLayout &layout = *shown;

    // A hidden label keeps the caption it had; only shown labels are captioned.
    // A screen reader announces the controls of a row by the row's caption: text
    // boxes by their name, lists through the label that names them.
    for (int i = 0; i < ParamCount; ++i) {
        if (layout.fields[i].show & ShowLabel) {
            lblParam[i]->setText(toQString(layout.fields[i].caption));
            lblParam[i]->setBuddy(txtParam[i]);
            txtParam[i]->setAccessibleName(spokenName(lblParam[i]));
            cmbUnits[i]->setAccessibleName(spokenName(lblParam[i]) + QStringLiteral(" unit"));
        }
    }
    const auto nameList = [](QLabel *caption, QComboBox *list) {
        caption->setBuddy(list);
        list->setAccessibleName(spokenName(caption));
    };
    if (layout.size)
        nameList(lblParam[0], cmbSize);
    if (layout.schedule)
        nameList(lblParam[1], cmbSchedule);
    if (layout.rebar)
        nameList(lblParam[0], cmbRebarSizes);
    if (layout.tee)
        nameList(lblParam[0], cmbTeeSizes);
    for (int i = 0; i < ParamCount; ++i)
        lblParam[i]->setVisible(layout.fields[i].show & ShowLabel);
    for (int i = 0; i < ParamCount; ++i)
        txtParam[i]->setVisible(layout.fields[i].show & ShowText);
    for (int i = 0; i < ParamCount; ++i)
        cmbUnits[i]->setVisible(layout.fields[i].show & ShowUnit);
    cmbSize->setVisible(layout.size);
    cmbSchedule->setVisible(layout.schedule);
    cmbRebarSizes->setVisible(layout.rebar);
    cmbTeeSizes->setVisible(layout.tee);
}

void Form1::cmdCalculate_Click()
{
    CalculateWeight();
}

CalcInput Form1::readControls() const
{
    CalcInput input;
    input.numPieces = txtNumPieces->text();
    input.shape = cmbShapes->currentIndex();
    input.alloy = cmbAlloy->currentIndex();
    for (int i = 0; i < ParamCount; ++i) {
        input.params[i] = txtParam[i]->text();
        input.units[i] = cmbUnits[i]->currentIndex();
        input.captions[i] = lblParam[i]->text();
    }
    input.pipeSize = cmbSize->currentIndex();
    input.pipeSchedule = cmbSchedule->currentIndex();
    input.rebarSize = cmbRebarSizes->currentIndex();
    input.teeSize = cmbTeeSizes->currentIndex();
    input.result = txtResult->text();
    return input;
}

void Form1::CalculateWeight()
{
    const CalcInput input = readControls();
    const CalcOutcome outcome = keldary::CalculateWeight(input);
    // The message comes first; the result box is written once it is answered.
    if (outcome.message)
        showMessage(*outcome.message);
    writeResult(outcome.result);
    m_storeRule.calculated(input, outcome);
    if (outcome.weighed)
        announce(txtResult, txtResult->text() + u' ' + Label2->text());
}

void Form1::cmdClearFields_Click()
{
    for (QLineEdit *param : txtParam)
        param->clear();
    txtNumPieces->setText(QStringLiteral("1"));
    writeResult(QString());
}

void Form1::writeResult(const QString &text)
{
    if (txtResult->text() != text)
        txtResult->setText(text);
}

void Form1::cmdStoreResult_Click()
{
    const CalcInput shown = readControls();
    if (const std::optional<Message> refusal = m_storeRule.refusal(shown)) {
        showMessage(*refusal);
        return;
    }
    lstResults->addItem(buildResultLine(shown));
    // The new line shows at once, without taking the selection.
    lstResults->scrollToItem(lstResults->item(lstResults->count() - 1));
}

void Form1::cmdDeleteResult_Click()
{
    const QModelIndexList selected = lstResults->selectionModel()->selectedRows();
    if (selected.isEmpty()) {
        showMessage({QStringLiteral("Please select a calculation to delete"), QStringLiteral("Remove Failed")});
        return;
    }
    // The list would select the next line by itself; a second press must ask
    // again rather than delete a line the user never picked. Unselected first,
    // the list selects nothing, and no screen reader is sent to a line while
    // the focus stays on the button.
    const int row = selected.first().row();
    lstResults->clearSelection();
    lstResults->setCurrentItem(nullptr);
    delete lstResults->takeItem(row);
}

void Form1::cmdPrint_Click()
{
    QStringList lines;
    for (int i = 0; i < lstResults->count(); ++i)
        lines << lstResults->item(i)->text();
    const ProviderBlock providerBlock{Label8->text(), Label9->text(), Label11->text(), Label12->text()};

    // The printing system is first touched here, not at start-up.
    if (!m_printer)
        m_printer = makeSystemPrinter(font());
    const std::vector<ReportLine> report = buildReport(lines, providerBlock);
    switch (m_printer->print(report)) {
    case PrintStatus::Printed:
        break;
    case PrintStatus::NoPrinter:
        saveReportInstead(report);
        break;
    case PrintStatus::Refused:
        showMessage({QStringLiteral("The report could not be printed"), QStringLiteral("Print Failed")});
        break;
    }
}

// Without a printer the same report can still be kept, as a PDF file.
void Form1::saveReportInstead(const std::vector<ReportLine> &report)
{
    const Question offer{QStringLiteral("No printer is available. Save the report as a PDF file instead?"),
                         QStringLiteral("Print Results"), QStringLiteral("Save as PDF..."),
                         QStringLiteral("Cancel")};
    if (!m_dialogs.ask || !m_dialogs.ask(offer) || !m_dialogs.saveFileName)
        return;
    const QString suggested = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                                  .filePath(QStringLiteral("Metal weights.pdf"));
    const QString fileName = m_dialogs.saveFileName(QStringLiteral("Save Report as PDF"), suggested,
                                                    QStringLiteral("PDF files (*.pdf)"));
    if (fileName.isEmpty())
        return;
    if (!saveReportAsPdf(report, font(), fileName))
        showMessage({QStringLiteral("The report could not be saved"), QStringLiteral("Print Failed")});
}

void Form1::cmdExit_Click()
{
    close();
}

void Form1::lblAuthorInfo2_Click()
{
    if (!openProviderPage())
        showMessage({QStringLiteral("No web browser could be started to open ") + lblAuthorInfo2->text(),
                     QStringLiteral("Web Link")});
}

void Form1::showMessage(const Message &message)
{
    if (m_messageSink)
        m_messageSink(message);
}

} // namespace keldary
