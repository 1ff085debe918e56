#include "UVisitePhone.h"
#include "website.h"
#include "windowtest.h"

#include <QLabel>
#include <QPushButton>

#include <qrencode.h>

#include <memory>

using namespace velnorix;

namespace {

// The smallest rectangle holding every black pixel; white and black are the
// only colours allowed.
QRect DarkPixels(const QImage &picture)
{
    QRect dark;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            if (pixel != qRgb(0, 0, 0) && pixel != qRgb(255, 255, 255))
                qFatal("pixel %d,%d is neither black nor white", x, y);
            if (pixel == qRgb(0, 0, 0))
                dark |= QRect(x, y, 1, 1);
        }
    return dark;
}

} // namespace

class TestVisitePhone : public WindowTest {
    Q_OBJECT

private slots:
    void hasItsStoredLayout()
    {
        TFrmVisitePhone form;
        QCOMPARE(form.windowTitle(), QStringLiteral("手机二维码访问本软件网站Visite with 2-Dims Code"));
        QCOMPARE(form.size(), QSize(211, 247));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QCOMPARE(FrameButtons(form), Qt::WindowCloseButtonHint);
        QCOMPARE(Child<QLabel>(form, "Img2DimsCode")->geometry(), QRect(0, 0, 210, 210));
        auto *button = Child<QPushButton>(form, "BtnClose");
        QCOMPARE(button->text(), QStringLiteral("关闭&Close"));
        button->ensurePolished(); // fonts come from the style sheet
        QCOMPARE(button->font().pixelSize(), 15);
    }

    // Compared with libqrencode's own matrix for the address, module by
    // module, without decoding the picture.
    void pictureIsTheQrCodeOfTheWebSite()
    {
        TFrmVisitePhone form;
        const QImage picture = Child<QLabel>(form, "Img2DimsCode")->pixmap().toImage();
        QCOMPARE(picture.size(), QSize(210, 210));
        const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
            QRcode_encodeString(WebSiteAddress().toUtf8().constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1), &QRcode_free);
        QVERIFY(code);

        // Finder patterns fill three corners of the symbol, so the black
        // pixels span all of it.
        const QRect symbol = DarkPixels(picture);
        const int scale = symbol.width() / code->width;
        QCOMPARE(symbol.width(), scale * code->width);
        QCOMPARE(symbol.height(), symbol.width());
        const QMargins quiet(symbol.left(), symbol.top(), 209 - symbol.right(), 209 - symbol.bottom());
        QVERIFY(quiet.left() >= 4 * scale && quiet.top() >= 4 * scale);
        QVERIFY(qAbs(quiet.left() - quiet.right()) <= 1 && qAbs(quiet.top() - quiet.bottom()) <= 1);

        int wrong = 0;
        for (int y = symbol.top(); y <= symbol.bottom(); ++y)
            for (int x = symbol.left(); x <= symbol.right(); ++x) {
                const int module = (y - symbol.top()) / scale * code->width + (x - symbol.left()) / scale;
                const bool dark = (code->data[module] & 1) != 0;
                wrong += (picture.pixel(x, y) == qRgb(0, 0, 0)) != dark;
            }
        QCOMPARE(wrong, 0);
    }

    void closesWithItsButtonEnterOrCloseBoxButNotEsc_data()
    {
        QTest::addColumn<Closing>("closing");
        QTest::newRow("button") << Closing::Button;
        QTest::newRow("Enter on the focused button") << Closing::Enter;
        QTest::newRow("close box") << Closing::CloseBox;
    }

    void closesWithItsButtonEnterOrCloseBoxButNotEsc()
    {
        QFETCH(Closing, closing);
        TFrmVisitePhone form;
        const ModalShowing showing = ShowAndClose(form, closing, "BtnClose");
        QVERIFY(showing.openAfterEsc);
        QCOMPARE(showing.result, int(mrCancel));
        QVERIFY(CentredOnScreen(showing.geometry));
    }
};

QTEST_MAIN(TestVisitePhone)
#include "tst_uvisitephone.moc"
