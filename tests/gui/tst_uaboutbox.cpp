#include "UAboutBox.h"
#include "windowtest.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

using namespace velnorix;

class TestAboutBox : public WindowTest {
    Q_OBJECT

private slots:
    void hasItsStoredLayout()
    {
        TAboutBox box;
        QCOMPARE(box.windowTitle(), QStringLiteral("关于本软件About"));
        QCOMPARE(box.size(), QSize(298, 263));
        QCOMPARE(box.minimumSize(), box.maximumSize());
        QCOMPARE(FrameButtons(box), Qt::WindowCloseButtonHint);

        auto *name = Child<QLabel>(box, "ProductName");
        QCOMPARE(name->text(), QStringLiteral("Velnorix网络地址计算器"));
        QCOMPARE(Child<QLabel>(box, "Version")->text(), QStringLiteral("版本号Version：2023"));
        QCOMPARE(name->parent(), Child<QFrame>(box, "Panel1"));
        name->ensurePolished(); // fonts come from the style sheet
        QCOMPARE(name->font().pixelSize(), 12);

        auto *ok = Child<QPushButton>(box, "OKButton");
        QCOMPARE(ok->text(), QStringLiteral("关闭&OK"));
        QVERIFY(ok->isDefault());
    }

    // The program's icon, twice: in the frame, and stretched a pixel in the panel.
    void showsTheProgramIcon()
    {
        TAboutBox box;
        const QImage icon = box.windowIcon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
        auto *picture = Child<QLabel>(box, "ProgramIcon");
        QCOMPARE(picture->pixmap().toImage().convertToFormat(QImage::Format_ARGB32), icon);
        QCOMPARE(icon.size(), QSize(32, 32));
        QCOMPARE(picture->size(), QSize(33, 33));
        QVERIFY(picture->hasScaledContents());
    }

    void closesWithItsButtonEnterOrCloseBoxButNotEsc_data()
    {
        QTest::addColumn<Closing>("closing");
        QTest::addColumn<int>("result");
        QTest::newRow("button") << Closing::Button << int(mrOk);
        QTest::newRow("Enter") << Closing::Enter << int(mrOk);
        QTest::newRow("close box") << Closing::CloseBox << int(mrCancel);
    }

    void closesWithItsButtonEnterOrCloseBoxButNotEsc()
    {
        QFETCH(Closing, closing);
        QFETCH(int, result);
        TAboutBox box;
        const ModalShowing showing = ShowAndClose(box, closing, "OKButton");
        QVERIFY(showing.openAfterEsc);
        QCOMPARE(showing.result, result);
        QVERIFY(CentredOnScreen(showing.geometry));
    }
};

QTEST_MAIN(TestAboutBox)
#include "tst_uaboutbox.moc"
