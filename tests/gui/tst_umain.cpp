#include "UMain.h"
#include "windowtest.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

#include <memory>

using namespace velnorix;

namespace {

const QString Title = QStringLiteral("Velnorix网络地址计算器2023");

const QString ChineseReport = QStringLiteral("IP地址:172.16.1.2\n"
                                             "掩码:255.255.0.0\n"
                                             "网关地址:172.16.1.1\n"
                                             "网络分段数:1\n"
                                             "网络地址:172.16.0.0\n"
                                             "网络地址类型:B\n"
                                             "默认掩码：255.255.0.0\n");

const QString EnglishReport = QStringLiteral("IP Addr:172.16.1.2\n"
                                             "Mask:255.255.0.0\n"
                                             "Gate Addr:172.16.1.1\n"
                                             "Net Segments Count:1\n"
                                             "Net Addr:172.16.0.0\n"
                                             "IP Addr Kind:B\n"
                                             "Default Mask：255.255.0.0\n");

// The settings file of the program under test: the test executable's own.
QString IniPath()
{
    return QCoreApplication::applicationFilePath() + QStringLiteral(".ini");
}

void WriteIni(const QByteArray &content)
{
    QFile file(IniPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray ReadIni()
{
    QFile file(IniPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TFrmMain> window;
    QStringList errors; // what the application's error box would have shown

    TFrmMain &Shown()
    {
        window = std::make_unique<TFrmMain>();
        ShowActive(*window);
        return *window;
    }

    QString Panel() const { return Child<QPlainTextEdit>(*window, "Memo")->toPlainText(); }
    void Click(const char *button) { QTest::mouseClick(Child<QPushButton>(*window, button), Qt::LeftButton); }
    void Type(const char *edit, const QString &text) { Child<QLineEdit>(*window, edit)->setText(text); }

    // Opens the Set menu by its access key, as a user would, and reads its ticks.
    QPair<bool, bool> SetMenuTicks()
    {
        QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
        auto *menu = Child<QMenu>(*window, "MnuSet");
        if (!QTest::qWaitFor([menu] { return menu->isVisible(); }))
            qFatal("the Set menu did not open");
        const QPair<bool, bool> ticks(Child<QAction>(*window, "MnuChinese")->isChecked(),
                                      Child<QAction>(*window, "MnuEnglish")->isChecked());
        menu->close();
        return ticks;
    }

private slots:
    void init()
    {
        FailOnUnboundHandlers();
        QFile::remove(IniPath());
        CollectErrors(errors);
    }

    void cleanup()
    {
        window.reset();
        SetExceptionHandler({});
        QFile::remove(IniPath());
    }

    void startsWithTheStoredLayoutInChinese()
    {
        TFrmMain &w = Shown();
        QCOMPARE(w.windowTitle(), Title);
        QCOMPARE(Child<QWidget>(w, "ClientArea")->size(), QSize(805, 446));
        QCOMPARE(Child<QStatusBar>(w, "StatusBar1")->size(), QSize(805, 19));
        QCOMPARE(w.size(), w.minimumSize());
        QCOMPARE(w.size(), w.maximumSize());
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!w.windowIcon().isNull());
        for (const char *button : {"BtnSave", "BtnLoad", "BtnPrint"})
            QCOMPARE(Child<QPushButton>(w, button)->icon().availableSizes(), QList<QSize>{QSize(16, 16)});

        QCOMPARE(Child<QLabel>(w, "LblNetAddr")->font().pixelSize(), 15);
        QCOMPARE(Child<QPlainTextEdit>(w, "Memo")->font().pixelSize(), 15);
        QCOMPARE(Panel(), QStringLiteral("就绪\n"));
        QVERIFY(Child<QCheckBox>(w, "ChkAutoClear")->isChecked());
        QCOMPARE(Child<QLabel>(w, "StatusPanel1")->text(), QStringLiteral("就绪"));
        QCOMPARE(Child<QLabel>(w, "StatusPanel1")->width(), 150);

        QCOMPARE(Child<QLabel>(w, "LblNetAddr")->text(), QStringLiteral("网络地址"));
        QCOMPARE(Child<QPushButton>(w, "BtnSave")->text(), QStringLiteral("保存到文本文件"));
        QCOMPARE(Child<QPushButton>(w, "BtnLoad")->text(), QStringLiteral("打开文本文件"));
        QCOMPARE(Child<QPushButton>(w, "BtnPrint")->text(), QStringLiteral("打印"));
        QCOMPARE(SetMenuTicks(), qMakePair(true, false));
    }

    void menuBarHoldsBothLanguagesInEveryCaption()
    {
        TFrmMain &w = Shown();
        QStringList titles;
        for (QAction *menu : Child<QMenuBar>(w, "MainMnu")->actions())
            titles << menu->text();
        QCOMPARE(titles, (QStringList{"文件&File", "设置&Set", "帮助&Help"}));
        QStringList help;
        for (QAction *item : Child<QMenu>(w, "MnuHelp")->actions())
            help << (item->isSeparator() ? QStringLiteral("-") : item->text());
        QCOMPARE(help, (QStringList{"帮助主题&Content", "访问本软件网站&Web", "手机二维码访问本软件网站&Phone", "-",
                                    "关于本软件&About"}));
    }

    void tabGoesFromAddressToGatewayToMaskToPanel()
    {
        TFrmMain &w = Shown();
        Child<QLineEdit>(w, "EditNetAddress")->setFocus();
        QStringList visited;
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, (QStringList{"EditGate", "EditMask", "Memo"}));
    }

    void fieldsTakeTextOfAnyLength()
    {
        const QString address = QStringLiteral("10.1.1.") + QString(100000, QLatin1Char('7'));
        Shown();
        Type("EditNetAddress", address);
        QCOMPARE(Child<QLineEdit>(*window, "EditNetAddress")->text(), address);
        Click("BtnCalcLanAdr"); // 77...7 with 100000 digits is 113 modulo 256
        QVERIFY(Panel().startsWith(QStringLiteral("IP地址:10.1.1.113\n")));
    }

    void networkReportFollowsTheLanguage_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("report");
        QTest::newRow("first start, Chinese") << QByteArray() << ChineseReport;
        QTest::newRow("stored English") << QByteArray("[Setting]\nbChinese=0\n") << EnglishReport;
    }

    void networkReportFollowsTheLanguage()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, report);
        if (!ini.isEmpty())
            WriteIni(ini);
        Shown();
        Click("BtnCalcLanAdr");
        QCOMPARE(Panel(), report + QStringLiteral("\n"));
        QVERIFY(errors.isEmpty());
    }

    void reportsAccumulateWhenTheClearBoxIsUnticked()
    {
        TFrmMain &w = Shown();
        Child<QCheckBox>(w, "ChkAutoClear")->setChecked(false);
        Click("BtnCalcLanAdr");
        Type("EditNetAddress", QString());
        Click("BtnCalcLanAdr"); // an emptied field repeats the previous address
        QCOMPARE(Panel(), QStringLiteral("就绪\n") + ChineseReport + QStringLiteral("\n") + ChineseReport
                              + QStringLiteral("\n"));
    }

    void reportGoesOnANewLineAfterTypedText()
    {
        TFrmMain &w = Shown();
        Child<QCheckBox>(w, "ChkAutoClear")->setChecked(false);
        Child<QPlainTextEdit>(w, "Memo")->setPlainText(QStringLiteral("note"));
        Click("BtnCalcLanAdr");
        QCOMPARE(Panel(), QStringLiteral("note\n") + ChineseReport);
    }

    void badSegmentCountLeavesThePanelUnchanged_data()
    {
        QTest::addColumn<QString>("count");
        QTest::newRow("empty") << QString();
        QTest::newRow("letters") << QStringLiteral("abc");
        QTest::newRow("fraction") << QStringLiteral("1.5");
    }

    void badSegmentCountLeavesThePanelUnchanged()
    {
        TFrmMain &w = Shown();
        Child<QPlainTextEdit>(w, "Memo")->setPlainText(QStringLiteral("earlier"));
        QFETCH(QString, count);
        Type("EditIPSegCount", count);
        Click("BtnCalcLanAdr");
        QCOMPARE(errors, QStringList{QStringLiteral("'%1' is not a valid integer value").arg(count)});
        QCOMPARE(Panel(), QStringLiteral("earlier"));
    }

    void languageSwitchRelabelsAndTicksOnly()
    {
        TFrmMain &w = Shown();
        Child<QPlainTextEdit>(w, "Memo")->setPlainText(QStringLiteral("kept"));
        Child<QAction>(w, "MnuEnglish")->trigger();
        QCOMPARE(Child<QLabel>(w, "LblHignBegin")->text(), QStringLiteral("From HignBit All 1 Count"));
        QCOMPARE(Child<QPushButton>(w, "BtnCalcBroadAddr")->text(), QStringLiteral("Compute Broadcast Addr"));
        QVERIFY(Child<QLabel>(w, "LblHignBegin")->width() >= Child<QLabel>(w, "LblHignBegin")->sizeHint().width());
        QCOMPARE(SetMenuTicks(), qMakePair(false, true));
        QCOMPARE(w.windowTitle(), Title);
        QCOMPARE(Child<QCheckBox>(w, "ChkAutoClear")->text(), QStringLiteral("每次显示前先清除过去的内容"));
        QCOMPARE(Child<QLineEdit>(w, "EditNetAddress")->text(), QStringLiteral("172.16.1.2"));
        QCOMPARE(Panel(), QStringLiteral("kept"));

        Child<QAction>(w, "MnuChinese")->trigger();
        QCOMPARE(Child<QLabel>(w, "LblHignBegin")->text(), QStringLiteral("从高位全1开始的位数"));
        QCOMPARE(SetMenuTicks(), qMakePair(true, false));
    }

    void chosenLanguageIsWrittenWhenTheWindowIsDestroyed()
    {
        WriteIni("[Other]\r\nkey=value\r\n[Setting]\r\nbChinese=1\r\n");
        Child<QAction>(Shown(), "MnuEnglish")->trigger();
        QCOMPARE(ReadIni(), QByteArray("[Other]\r\nkey=value\r\n[Setting]\r\nbChinese=1\r\n"));
        Child<QAction>(*window, "MnuExit")->trigger();
        window.reset();
        QCOMPARE(ReadIni(), QByteArray("[Other]\r\nkey=value\r\n[Setting]\r\nbChinese=0\r\n"));

        TFrmMain &next = Shown();
        QCOMPARE(Child<QLabel>(next, "LblNetAddr")->text(), QStringLiteral("Net IP Addr"));
        QCOMPARE(SetMenuTicks(), qMakePair(false, true));
    }

    void unwritableSettingsAreReportedAtExit()
    {
        QVERIFY(QDir().mkdir(IniPath())); // the settings path is taken by a folder
        Shown();
        window.reset();
        QDir().rmdir(IniPath());
        QCOMPARE(errors, QStringList{QStringLiteral("Unable to write to ") + IniPath()});
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_umain.moc"
