#include "UMain.h"

#include "ui_UMain.h"

#include "UAboutBox.h"
#include "UVisitePhone.h"
#include "exceptions.h"
#include "filedialog.h"
#include "fileio.h"
#include "modalform.h"
#include "paths.h"
#include "reportpanel.h"
#include "reports.h"
#include "website.h"
#include "windowplacement.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QShowEvent>
#include <QUrl>

namespace velnorix {

TFrmMain *FrmMain = nullptr;

namespace {

// The captions of the seven field labels, then the seven buttons, in the
// order they are put on. The captions stored in the layout never show.
template <class Component>
struct Caption {
    Component *Ui::TFrmMain::*component;
    const char *chinese;
    const char *english;

    QString Text(bool inChinese) const { return QString::fromUtf8(inChinese ? chinese : english); }
};

constexpr Caption<QLabel> LabelCaptions[] = {
    {&Ui::TFrmMain::LblNetAddr, "网络地址", "Net IP Addr"},
    {&Ui::TFrmMain::LblMask, "掩码", "Mask"},
    {&Ui::TFrmMain::LblGate, "网关地址", "Gate IP Addr"},
    {&Ui::TFrmMain::LblCount, "网络地址分段数", "Net IP Segment Count"},
    {&Ui::TFrmMain::LblHignBegin, "从高位全1开始的位数", "From HignBit All 1 Count"},
    {&Ui::TFrmMain::LblSubBegin, "子网开始的地址", "Subnet begin Address"},
    {&Ui::TFrmMain::LblCompterCount, "网段中需包含的计算机数", "Subnet Computers Count"},
};

constexpr Caption<QPushButton> ButtonCaptions[] = {
    {&Ui::TFrmMain::BtnCalcLanAdr, "计算网络地址", "Compute Net Addr"},
    {&Ui::TFrmMain::BtnComputeSubNet, "计算网络分段后的子网", "Compute SubNet"},
    {&Ui::TFrmMain::BtnComputeMask, "计算掩码", "Compute Mask"},
    {&Ui::TFrmMain::BtnCalcBroadAddr, "得到广播地址", "Compute Broadcast Addr"},
    {&Ui::TFrmMain::BtnSave, "保存到文本文件", "Save To Text File"},
    {&Ui::TFrmMain::BtnLoad, "打开文本文件", "Load From Text File"},
    {&Ui::TFrmMain::BtnPrint, "打印", "Print"},
};

// The status bar's second panel: one notice in both languages.
constexpr char StatusNotice[] = "IPv4 网络地址计算 · IPv4 network address calculator";

std::unique_ptr<Ui::TFrmMain> BuildLayout(QMainWindow *window)
{
    auto ui = std::make_unique<Ui::TFrmMain>();
    ui->setupUi(window);
    return ui;
}

std::string ExecutablePath()
{
    return QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
}

std::string Text(const QLineEdit *edit)
{
    return edit->text().toStdString();
}

// The compiled help lies beside the executable; it is looked for afresh each
// time, so a copy put there while the program runs is found.
std::string HelpFilePath()
{
    return ExtractFilePath(ExecutablePath()) + "Velnorix.chm";
}

// Modal over the whole application, although `owner` holds it.
void ShowHelpFileMissing(QWidget *owner, const QString &path)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("系统提示System Hint"),
                    QStringLiteral("不能打开帮助文件") + path + QStringLiteral("\nCan not Open Help File") + path,
                    QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText); // a path is never markup
    box.setWindowModality(Qt::ApplicationModal);
    ShowModal(box);
}

QLabel *StatusPanel(const char *name, const QString &text)
{
    auto *panel = new QLabel(text);
    panel->setObjectName(QString::fromLatin1(name));
    return panel;
}

} // namespace

TFrmMain::TFrmMain(QWidget *parent)
    : QMainWindow(parent), ui(BuildLayout(this)), DialogFolder(QDir::currentPath()), IniDatas(ExecutablePath())
{
    // What Designer cannot store: a named separator, the status bar's two
    // panels and a frame without a maximise button.
    ui->N1->setSeparator(true);

    QLabel *ready = StatusPanel("StatusPanel1", QStringLiteral("就绪"));
    ready->setFixedWidth(150);
    ui->StatusBar1->addWidget(ready);
    ui->StatusBar1->addWidget(StatusPanel("StatusPanel2", QString::fromUtf8(StatusNotice)), 1);

    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    CentreOnScreen(*this);
}

TFrmMain::~TFrmMain() = default;

void TFrmMain::showEvent(QShowEvent *event)
{
    // Only the show the program asks for, not a restore from the task bar.
    if (!event->spontaneous())
        Guarded([this] { FormShow(); });
    QMainWindow::showEvent(event);
}

void TFrmMain::FormShow()
{
    SetInterface(IniDatas.bChinese);
}

void TFrmMain::SetChineseInterface()
{
    SetInterface(true);
}

void TFrmMain::SetEnglishInterface()
{
    SetInterface(false);
}

void TFrmMain::SetInterface(bool chinese)
{
    for (const auto &caption : LabelCaptions) {
        QLabel *label = ui.get()->*caption.component;
        label->setText(caption.Text(chinese));
        label->adjustSize(); // labels fit their caption, as the English ones are longer
    }
    for (const auto &caption : ButtonCaptions)
        (ui.get()->*caption.component)->setText(caption.Text(chinese));
}

void TFrmMain::ReadInputs()
{
    const std::string address = Text(ui->EditNetAddress), mask = Text(ui->EditMask), gate = Text(ui->EditGate),
                      segmentCount = Text(ui->EditIPSegCount);
    ReadAddressFields(IPAddress, {address, mask, gate, segmentCount});
}

void TFrmMain::BtnCalcLanAdrClick()
{
    Guarded([this] {
        ReadInputs();
        IPAddress.ComputeNet();
        ClearIfAsked();
        ShowLanAdrReport();
    });
}

void TFrmMain::ClearIfAsked()
{
    if (ui->ChkAutoClear->isChecked())
        MemoClear(ui->Memo);
}

void TFrmMain::ShowLanAdrReport()
{
    IPAddress.AddrKind = TIPAddress::GetKind(IPAddress.AddrBytes[3]);
    MemoAdd(ui->Memo, LanAdrReport(IPAddress, IniDatas.bChinese));
}

void TFrmMain::BtnCalcBroadAddrClick()
{
    Guarded([this] {
        ReadInputs();
        const std::string report = BroadcastReport(IPAddress);
        ClearIfAsked();
        MemoAdd(ui->Memo, report);
    });
}

// The subnet and mask reports always replace the panel's text, but only once
// their input has been read and accepted: a refused input leaves it as it was.
void TFrmMain::BtnComputeSubNetClick()
{
    Guarded([this] {
        const SubnetDivision division =
            SubnetDivision::FromFields(Text(ui->EditIPSegCount), Text(ui->EditBeginNum), Text(ui->EditBegIp));
        MemoReplace(ui->Memo, [&division](PanelAppender &panel) { SubnetReport(division, panel); });
    });
}

void TFrmMain::BtnComputeMaskClick()
{
    Guarded([this] {
        const ComputerMask computers = ComputerMask::FromField(Text(ui->EditNum));
        MemoReplace(ui->Memo, [&computers](PanelAppender &panel) { MaskReport(computers, panel); });
    });
}

void TFrmMain::BtnSaveClick()
{
    Guarded([this] {
        if (const auto path = FileDialog(SaveDlg, "SaveDlg", QFileDialog::AcceptSave).Execute())
            MemoSaveToFile(ui->Memo, *path);
    });
}

void TFrmMain::BtnLoadClick()
{
    Guarded([this] {
        if (const auto path = FileDialog(OpenDlg, "OpenDlg", QFileDialog::AcceptOpen).Execute())
            MemoLoadFromFile(ui->Memo, *path);
    });
}

TFileDialog &TFrmMain::FileDialog(TFileDialog *&dialog, const char *name, QFileDialog::AcceptMode mode)
{
    if (!dialog)
        dialog = new TFileDialog(this, QString::fromLatin1(name), mode, DialogFolder);
    return *dialog;
}

// Straight to the default printer, without a print dialog.
void TFrmMain::BtnPrintClick()
{
    Guarded([this] {
        const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
        if (defaultPrinter.isNull())
            throw Exception("There is no default printer currently selected");
        QPrinter printer(defaultPrinter, QPrinter::HighResolution);
        MemoPrint(ui->Memo, printer);
    });
}

// Runs each time the Set menu opens, so its ticks always show the language in force.
void TFrmMain::MnuSetClick()
{
    Guarded([this] {
        ui->MnuChinese->setChecked(IniDatas.bChinese);
        ui->MnuEnglish->setChecked(!IniDatas.bChinese);
    });
}

void TFrmMain::MnuEnglishClick()
{
    Guarded([this] {
        IniDatas.bChinese = false;
        SetEnglishInterface();
    });
}

void TFrmMain::MnuChineseClick()
{
    Guarded([this] {
        IniDatas.bChinese = true;
        SetChineseInterface();
    });
}

void TFrmMain::MnuExitClick()
{
    Guarded([this] { close(); });
}

// Help file and web site open in whatever the desktop associates with them;
// when nothing does, the user is not told, as there is nothing to do about it.
void TFrmMain::MnuContentClick()
{
    Guarded([this] {
        const std::string path = HelpFilePath();
        const QString name = QFile::decodeName(path.c_str());
        if (FileExists(path))
            QDesktopServices::openUrl(QUrl::fromLocalFile(name));
        else
            ShowHelpFileMissing(this, name);
    });
}

void TFrmMain::MnuWebClick()
{
    Guarded([] { QDesktopServices::openUrl(QUrl(WebSiteAddress())); });
}

void TFrmMain::MnuPhoneClick()
{
    Guarded([] { ShowModal(*FrmVisitePhone); });
}

void TFrmMain::MnuAboutClick()
{
    Guarded([] { ShowModal(*AboutBox); });
}

} // namespace velnorix
