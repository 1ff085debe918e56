#include "UAboutBox.h"
#include "UMain.h"
#include "UVisitePhone.h"
#include "website.h"
#include "windowtest.h"

#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include <memory>

using namespace velnorix;

namespace {

// What the Help menu hands to the desktop: the help file and the web site.
constexpr const char *UrlSchemes[] = {"file", "http", "https"};

} // namespace

// Stands in for the desktop's browser and help viewer, so that no test starts one.
class UrlLog : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void Open(const QUrl &url) { opened << url; }
};

class TestHelpMenu : public WindowTest {
    Q_OBJECT

    std::unique_ptr<TFrmMain> main;
    std::unique_ptr<TFrmVisitePhone> phone;
    std::unique_ptr<TAboutBox> about;
    UrlLog urls;

    // Where the program looks for its help: beside the running executable,
    // here the test's, where the build puts no help file.
    static QString HelpFile() { return QCoreApplication::applicationDirPath() + QStringLiteral("/Velnorix.chm"); }

    // Picks an item of the Help menu by its access key, as a user would:
    // Alt+H, then the item's letter.
    void ChooseFromHelpMenu(Qt::Key item)
    {
        QTest::keyClick(main.get(), Qt::Key_H, Qt::AltModifier);
        auto *menu = Child<QMenu>(*main, "MnuHelp");
        if (!QTest::qWaitFor([menu] { return menu->isVisible(); }))
            qFatal("the Help menu did not open");
        QTest::keyClick(menu, item);
    }

private slots:
    void init()
    {
        WindowTest::init();
        QFile::remove(HelpFile());
        urls.opened.clear();
        for (const char *scheme : UrlSchemes)
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &urls, "Open");
        // The three windows of the program, as its start-up creates them.
        main = std::make_unique<TFrmMain>();
        phone = std::make_unique<TFrmVisitePhone>();
        about = std::make_unique<TAboutBox>();
        FrmMain = main.get();
        FrmVisitePhone = phone.get();
        AboutBox = about.get();
        ShowActive(*main);
    }

    void cleanup()
    {
        for (const char *scheme : UrlSchemes)
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
        FrmMain = nullptr;
        FrmVisitePhone = nullptr;
        AboutBox = nullptr;
        about.reset();
        phone.reset();
        main.reset();
        QFile::remove(HelpFile());
        QFile::remove(QCoreApplication::applicationFilePath() + QStringLiteral(".ini"));
        WindowTest::cleanup();
    }

    void contentWithoutHelpFileNamesItsPathTwice()
    {
        QString caption, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QWidget *owner = nullptr;
        Qt::WindowModality modality = Qt::NonModal;
        ModalWatch watch([&](QWidget &modal) {
            auto *box = qobject_cast<QMessageBox *>(&modal);
            if (!box) {
                modal.close(); // some other window: the checks below fail
                return;
            }
            caption = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->standardButtons();
            owner = box->parentWidget();
            modality = box->windowModality();
            box->button(QMessageBox::Ok)->click();
        });
        ChooseFromHelpMenu(Qt::Key_C);

        QCOMPARE(watch.Count(), 1);
        QCOMPARE(caption, QStringLiteral("系统提示System Hint"));
        QCOMPARE(text, QStringLiteral("不能打开帮助文件") + HelpFile() + QStringLiteral("\nCan not Open Help File")
                           + HelpFile());
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(buttons, QMessageBox::Ok);
        QCOMPARE(owner, main.get());
        QCOMPARE(modality, Qt::ApplicationModal);
        QVERIFY(urls.opened.isEmpty());
        QTRY_COMPARE(QApplication::activeWindow(), main.get()); // the keyboard is back for the next command
    }

    void contentOpensTheHelpFileBesideTheProgram()
    {
        QFile help(HelpFile());
        QVERIFY(help.open(QIODevice::WriteOnly));
        help.close();
        ModalWatch watch([](QWidget &modal) { modal.close(); });
        ChooseFromHelpMenu(Qt::Key_C);
        QCOMPARE(watch.Count(), 0);
        QCOMPARE(urls.opened, QList<QUrl>{QUrl::fromLocalFile(HelpFile())});
    }

    void webOpensTheWebSite()
    {
        ChooseFromHelpMenu(Qt::Key_W);
        QCOMPARE(urls.opened, QList<QUrl>{QUrl(WebSiteAddress())});
        QVERIFY(urls.opened.front().isValid());
    }

    // The offscreen platform has no browser at all.
    void webWithoutABrowserSaysNothing()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        ModalWatch watch([](QWidget &modal) { modal.close(); });
        ChooseFromHelpMenu(Qt::Key_W);
        QCOMPARE(watch.Count(), 0);
    }

    void phoneShowsTheSameQrWindowWithTheSamePicture()
    {
        QList<QWidget *> shown;
        QList<QImage> pictures;
        ModalWatch watch([&](QWidget &modal) {
            shown << &modal;
            pictures << Child<QLabel>(modal, "Img2DimsCode")->pixmap().toImage();
            QTest::mouseClick(Child<QPushButton>(modal, "BtnClose"), Qt::LeftButton);
        });
        ChooseFromHelpMenu(Qt::Key_P);
        QTRY_COMPARE(QApplication::activeWindow(), main.get());
        ChooseFromHelpMenu(Qt::Key_P);
        QCOMPARE(shown, (QList<QWidget *>{phone.get(), phone.get()}));
        QVERIFY(!pictures.front().isNull());
        QCOMPARE(pictures.back(), pictures.front());
    }

    void aboutShowsTheSameAboutBox()
    {
        QList<QWidget *> shown;
        ModalWatch watch([&](QWidget &modal) {
            shown << &modal;
            QTest::mouseClick(Child<QPushButton>(modal, "OKButton"), Qt::LeftButton);
        });
        ChooseFromHelpMenu(Qt::Key_A);
        QTRY_COMPARE(QApplication::activeWindow(), main.get());
        ChooseFromHelpMenu(Qt::Key_A);
        QCOMPARE(shown, (QList<QWidget *>{about.get(), about.get()}));
    }
};

QTEST_MAIN(TestHelpMenu)
#include "tst_helpmenu.moc"
