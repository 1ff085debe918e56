#include "windowtest.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTextBlock>

#include <malloc.h>

#ifdef __SANITIZE_ADDRESS__
// From the AddressSanitizer runtime; GCC ships no header that declares it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

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

const QString BroadcastReport = QStringLiteral("广播地址:172.16.255.255\nBoardCast IP Addr:172.16.255.255\n");

const QString SubnetReport = QStringLiteral("子网位数:0\n网络地址位：24\n网络位总数：24\n计算出的子网掩码：255.255.255.0\n"
                                            "每段IP数量(含广播地址):255\n\n第0组有效网络开始地址:172.64.3.0\n"
                                            "第0组网络有效结束地址:172.64.3.254\n第0组网络广播地址:172.64.3.255\n");

const QString MaskReport = QStringLiteral("计算出可以容纳66台计算机联网的掩码值:255.255.255.128\n\n"
                                          "在该计算中包含了两个保留地址（网络地址和广播地址）。\n"
                                          "实际用户联网总计算机数为：64\n");

const QByteArray EnglishIni("[Setting]\nbChinese=0\n");

// The bytes the program holds on the heap, as the allocator in use counts
// them: AddressSanitizer's own, or glibc's, whose count includes the large
// blocks it maps one by one.
std::size_t HeapBytes()
{
#ifdef __SANITIZE_ADDRESS__
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#endif
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

class TestMainWindow : public MainWindowTest {
    Q_OBJECT

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
    void init() { StartTest(); }
    void cleanup() { EndTest(); }

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
        QTest::newRow("stored English") << EnglishIni << EnglishReport;
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

    // A line typed without a break at its end: the two appended reports start
    // on a line of their own, the two others replace it, in either language.
    void reportsAfterATypedLine_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QString>("panel");
        const QString note = QStringLiteral("note\n");
        for (const bool english : {false, true}) {
            const QByteArray ini = english ? EnglishIni : QByteArray();
            const char *language = english ? "English" : "Chinese";
            QTest::addRow("network, %s", language) << ini << QByteArray("BtnCalcLanAdr")
                                                   << note + (english ? EnglishReport : ChineseReport);
            QTest::addRow("broadcast, %s", language) << ini << QByteArray("BtnCalcBroadAddr") << note + BroadcastReport;
            QTest::addRow("subnet, %s", language) << ini << QByteArray("BtnComputeSubNet") << SubnetReport;
            QTest::addRow("mask, %s", language) << ini << QByteArray("BtnComputeMask") << MaskReport;
        }
    }

    void reportsAfterATypedLine()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QByteArray, button);
        QFETCH(QString, panel);
        if (!ini.isEmpty())
            WriteIni(ini);
        TFrmMain &w = Shown();
        Child<QCheckBox>(w, "ChkAutoClear")->setChecked(false);
        Child<QPlainTextEdit>(w, "Memo")->setPlainText(QStringLiteral("note"));
        Click(button);
        QCOMPARE(Panel(), panel);
        QCOMPARE(errors, QStringList());
    }

    // A mebibyte of text in any field: the parsers read it as they read short
    // text, and a refusal quotes it whole.
    void aMebibyteInAField_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QString>("line"); // a line the panel then holds
        QTest::addColumn<QString>("error");
        const qsizetype mebibyte = 1 << 20;
        const QString sevens(mebibyte, u'7');
        // 77...7 with 2^20 digits is 113 modulo 256.
        QTest::newRow("address") << QByteArray("EditNetAddress") << QStringLiteral("10.1.1.") + sevens
                                 << QByteArray("BtnCalcLanAdr") << QStringLiteral("IP地址:10.1.1.113") << QString();
        QTest::newRow("mask, parts past the fourth")
            << QByteArray("EditMask") << QStringLiteral("255.").repeated(mebibyte / 4) << QByteArray("BtnCalcBroadAddr")
            << QStringLiteral("广播地址:172.16.1.2") << QString();
        QTest::newRow("segment count") << QByteArray("EditIPSegCount") << sevens << QByteArray("BtnCalcLanAdr")
                                       << QString() << QStringLiteral("'%1' is not a valid integer value").arg(sevens);
        QTest::newRow("begin bits, leading zeros")
            << QByteArray("EditBeginNum") << QString(mebibyte, u'0') + QStringLiteral("24")
            << QByteArray("BtnComputeSubNet") << QStringLiteral("第0组网络广播地址:172.64.3.255") << QString();
        QTest::newRow("begin address, trailing junk")
            << QByteArray("EditBegIp") << QStringLiteral("10.0.0.0") + QString(mebibyte, u'x')
            << QByteArray("BtnComputeSubNet") << QStringLiteral("第0组有效网络开始地址:10.0.0.0") << QString();
        QTest::newRow("computers") << QByteArray("EditNum") << QString(mebibyte, u'-') << QByteArray("BtnComputeMask")
                                   << QString()
                                   << QStringLiteral("'%1' is not a valid integer value").arg(QString(mebibyte, u'-'));
    }

    void aMebibyteInAField()
    {
        QFETCH(QByteArray, field);
        QFETCH(QString, text);
        QFETCH(QByteArray, button);
        QFETCH(QString, line);
        QFETCH(QString, error);
        Shown();
        Memo()->setPlainText(QStringLiteral("earlier"));
        Type(field, text);
        Click(button);
        QCOMPARE(Child<QLineEdit>(*window, field)->text(), text);
        if (error.isEmpty()) {
            QCOMPARE(errors, QStringList());
            QVERIFY2(Panel().split(u'\n').contains(line), qPrintable(Panel().left(2000)));
        } else {
            QCOMPARE(errors, QStringList{error});
            QCOMPARE(Panel(), QStringLiteral("earlier"));
        }
    }

    // The largest division, 196,608 lines, ten times over: each replaces the
    // last, and once the panel is cleared the memory it took is given back.
    void theLargestDivisionTenTimesGivesItsMemoryBack()
    {
        TFrmMain &w = Shown();
        Type("EditIPSegCount", QStringLiteral("65536"));
        Type("EditBeginNum", QStringLiteral("16"));
        Type("EditBegIp", QStringLiteral("172.64.0.0"));
        auto clearPanel = [this, &w] {
            Child<QCheckBox>(w, "ChkAutoClear")->setChecked(true);
            Click("BtnCalcBroadAddr");
            QCOMPARE(Panel(), BroadcastReport + QStringLiteral("\n"));
        };
        // One round first, so that what the first report leaves for later
        // ones (glyph caches and the like) is in the baseline.
        Click("BtnComputeSubNet");
        clearPanel();
        const std::size_t baseline = HeapBytes();

        for (int press = 0; press < 10; ++press) {
            Click("BtnComputeSubNet");
            const QTextDocument *document = Memo()->document();
            QCOMPARE(document->blockCount(), 5 + 4 * 65536 + 1);
            QCOMPARE(document->lastBlock().previous().text(), QStringLiteral("第65535组网络广播地址:172.64.255.255"));
        }
        const std::size_t filled = HeapBytes();
        clearPanel();
        const std::size_t cleared = HeapBytes();
        QCOMPARE(errors, QStringList());
        // The full panel takes tens of mebibytes; a leak of even one report would show.
        const std::size_t tolerance = 4 << 20;
        QVERIFY2(filled > baseline + 8 * tolerance, qPrintable(QString::number(filled)));
        QVERIFY2(cleared < baseline + tolerance,
                 qPrintable(QStringLiteral("%1 bytes before, %2 after").arg(baseline).arg(cleared)));
    }

    void broadcastReportIsTheSameInBothLanguages_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<bool>("clear");
        QTest::addColumn<QString>("before");
        QTest::newRow("Chinese, cleared") << QByteArray() << true << QString();
        QTest::newRow("English, cleared") << EnglishIni << true << QString();
        QTest::newRow("appended") << QByteArray() << false << QStringLiteral("就绪\n");
    }

    void broadcastReportIsTheSameInBothLanguages()
    {
        QFETCH(QByteArray, ini);
        QFETCH(bool, clear);
        QFETCH(QString, before);
        if (!ini.isEmpty())
            WriteIni(ini);
        Child<QCheckBox>(Shown(), "ChkAutoClear")->setChecked(clear);
        Click("BtnCalcBroadAddr");
        QCOMPARE(Panel(), before + BroadcastReport + QStringLiteral("\n"));
    }

    void subnetAndMaskReportsAlwaysClearAndStayChinese_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QString>("report");
        QTest::newRow("subnet") << QByteArray("BtnComputeSubNet") << SubnetReport;
        QTest::newRow("mask") << QByteArray("BtnComputeMask") << MaskReport;
    }

    void subnetAndMaskReportsAlwaysClearAndStayChinese()
    {
        QFETCH(QByteArray, button);
        QFETCH(QString, report);
        TFrmMain &w = Shown();
        Child<QAction>(w, "MnuEnglish")->trigger();
        Child<QCheckBox>(w, "ChkAutoClear")->setChecked(false);
        Child<QPlainTextEdit>(w, "Memo")->setPlainText(QStringLiteral("earlier"));
        Click(button);
        QCOMPARE(Panel(), report);
        QVERIFY(errors.isEmpty());
    }

    void refusedInputLeavesThePanelUnchanged_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");
        const QString notANumber = QStringLiteral("'%1' is not a valid integer value");
        for (const char *button : {"BtnCalcLanAdr", "BtnCalcBroadAddr"}) {
            QTest::addRow("%s, empty count", button) << QByteArray(button) << QByteArray("EditIPSegCount") << QString()
                                                     << notANumber.arg(QString());
            QTest::addRow("%s, fraction", button) << QByteArray(button) << QByteArray("EditIPSegCount")
                                                  << QStringLiteral("1.5") << notANumber.arg(QStringLiteral("1.5"));
        }
        QTest::newRow("subnet, letters in count") << QByteArray("BtnComputeSubNet") << QByteArray("EditIPSegCount")
                                                  << QStringLiteral("abc") << notANumber.arg(QStringLiteral("abc"));
        QTest::newRow("subnet, letters in bits") << QByteArray("BtnComputeSubNet") << QByteArray("EditBeginNum")
                                                 << QStringLiteral("24a") << notANumber.arg(QStringLiteral("24a"));
        QTest::newRow("subnet, too many segments")
            << QByteArray("BtnComputeSubNet") << QByteArray("EditIPSegCount") << QStringLiteral("65537")
            << QStringLiteral("网络地址分段数不能大于65536\nNet IP Segment Count must not be greater than 65536");
        QTest::newRow("subnet, too many bits")
            << QByteArray("BtnComputeSubNet") << QByteArray("EditBeginNum") << QStringLiteral("33")
            << QStringLiteral("从高位全1开始的位数必须在1到32之间（网络位总数为1到32）\n"
                              "From HignBit All 1 Count must be between 1 and 32 (1 to 32 network bits in all)");
        QTest::newRow("mask, letters") << QByteArray("BtnComputeMask") << QByteArray("EditNum") << QStringLiteral("x")
                                       << notANumber.arg(QStringLiteral("x"));
        QTest::newRow("mask, below -2")
            << QByteArray("BtnComputeMask") << QByteArray("EditNum") << QStringLiteral("-3")
            << QStringLiteral("网段中需包含的计算机数必须在-2到2147483645之间\n"
                              "Subnet Computers Count must be between -2 and 2147483645");
    }

    void refusedInputLeavesThePanelUnchanged()
    {
        QFETCH(QByteArray, button);
        QFETCH(QByteArray, field);
        QFETCH(QString, text);
        QFETCH(QString, error);
        TFrmMain &w = Shown();
        Child<QPlainTextEdit>(w, "Memo")->setPlainText(QStringLiteral("earlier"));
        Type(field, text);
        Click(button);
        QCOMPARE(errors, QStringList{error});
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
