#pragma once

#include "Uinidatas.h"
#include "Uipaddress.h"

#include <QFileDialog>
#include <QMainWindow>
#include <QString>

#include <memory>

namespace Ui {
class TFrmMain;
}

namespace velnorix {

class TFileDialog;

// The calculator's main window. The layout, with every field, button and menu
// item, lives in UMain.ui, which also binds the handlers below by name. The
// handlers read the fields, let the core compute and build the report text,
// and append it to the report panel, which the user can save, load and print.
// Settings are read when the window is built and written when it is destroyed.
//
// The layout is placed in pixels, so its font is asked for in pixels too (the
// style sheet of ClientArea): the Chinese system font first, then
// simplified-Chinese CJK fonts, so that Han characters never fall back to
// Japanese glyph forms. The menu and status bars keep the system font.
class TFrmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit TFrmMain(QWidget *parent = nullptr);
    ~TFrmMain() override;

    void SetChineseInterface();
    void SetEnglishInterface();

private slots:
    void BtnCalcLanAdrClick();
    void BtnCalcBroadAddrClick();
    void BtnComputeSubNetClick();
    void BtnComputeMaskClick();
    void BtnSaveClick();
    void BtnLoadClick();
    void BtnPrintClick();
    void MnuSetClick();
    void MnuEnglishClick();
    void MnuChineseClick();
    void MnuExitClick();
    void MnuContentClick();
    void MnuWebClick();
    void MnuPhoneClick();
    void MnuAboutClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // In this order: the layout is built first, then the settings are read,
    // then the address record starts at zero; destruction runs backwards, so
    // the settings file is written while the window still exists.
    std::unique_ptr<Ui::TFrmMain> ui;
    // Designer cannot hold dialogs, so the window builds them and owns them as
    // it owns the components of the layout. Qt's file dialog costs more to
    // build than the whole rest of the window, so each is built when first
    // opened, and then kept with the file and filter confirmed in it.
    TFileDialog *SaveDlg = nullptr;
    TFileDialog *OpenDlg = nullptr;
    // Where the dialogs open until a file is confirmed: the working folder at
    // start, whichever folder the other dialog has been to since.
    QString DialogFolder;
    TIniDatas IniDatas;
    TIPAddress IPAddress;

    void FormShow();
    void ReadInputs();
    void ShowLanAdrReport();
    void ClearIfAsked();
    void SetInterface(bool chinese);
    TFileDialog &FileDialog(TFileDialog *&dialog, const char *name, QFileDialog::AcceptMode mode);
};

// The main window, created first at start-up.
extern TFrmMain *FrmMain;

} // namespace velnorix
