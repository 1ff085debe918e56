#include "UVisitePhone.h"

#include "ui_UVisitePhone.h"

#include "exceptions.h"
#include "qrcode.h"
#include "website.h"

#include <QImage>
#include <QPixmap>

namespace velnorix {

TFrmVisitePhone *FrmVisitePhone = nullptr;

namespace {

constexpr int PictureSide = 210;

// Black on white, 24 bits a pixel.
QPixmap QrPicture(const QString &text)
{
    const std::vector<bool> dark = DrawQr(EncodeQr(text.toStdString()), PictureSide);
    QImage picture(PictureSide, PictureSide, QImage::Format_RGB888);
    for (int y = 0; y < PictureSide; ++y)
        for (int x = 0; x < PictureSide; ++x)
            picture.setPixel(x, y, dark[static_cast<std::size_t>(y * PictureSide + x)] ? qRgb(0, 0, 0)
                                                                                       : qRgb(255, 255, 255));
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
