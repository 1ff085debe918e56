#include "UVisitePhone.h"

#include "ui_UVisitePhone.h"

#include "exceptions.h"
#include "qrcode.h"
#include "website.h"

#include <QImage>
#include <QPixmap>

#include <algorithm>

namespace velnorix {

TFrmVisitePhone *FrmVisitePhone = nullptr;

namespace {

constexpr int PictureSide = 210;

// Black on white, 24 bits a pixel, written byte by byte into the lines:
// setPixel, which converts each colour, cost the program's start-up some six
// per cent.
QPixmap QrPicture(const QString &text)
{
    const std::vector<bool> dark = DrawQr(EncodeQr(text.toStdString()), PictureSide);
    QImage picture(PictureSide, PictureSide, QImage::Format_RGB888);
    for (int y = 0; y < PictureSide; ++y) {
        uchar *pixel = picture.scanLine(y);
        for (int x = 0; x < PictureSide; ++x, pixel += 3) {
            const uchar shade = dark[static_cast<std::size_t>(y * PictureSide + x)] ? 0 : 255;
            std::fill_n(pixel, 3, shade);
        }
    }
    return QPixmap::fromImage(picture);
}

} // namespace

TFrmVisitePhone::TFrmVisitePhone(QWidget *parent) : TModalForm(parent), ui(std::make_unique<Ui::TFrmVisitePhone>())
{
    ui->setupUi(this);
    ui->Img2DimsCode->setPixmap(QrPicture(WebSiteAddress()));
    ui->Img2DimsCode->adjustSize(); // the image takes the size of its picture
}

TFrmVisitePhone::~TFrmVisitePhone() = default;

void TFrmVisitePhone::BtnCloseClick()
{
    Guarded([this] { close(); });
}

} // namespace velnorix
