#pragma once

#include "modalform.h"

#include <memory>

namespace Ui {
class TFrmVisitePhone;
}

namespace velnorix {

// The QR-code window: the product web site's address as a QR code, for a
// phone to scan. The picture is drawn once, when the window is built; every
// showing after that shows the same one. The layout lives in UVisitePhone.ui,
// which also binds BtnCloseClick by name.
class TFrmVisitePhone : public TModalForm {
    Q_OBJECT

public:
    explicit TFrmVisitePhone(QWidget *parent = nullptr);
    ~TFrmVisitePhone() override;

private slots:
    void BtnCloseClick();

private:
    std::unique_ptr<Ui::TFrmVisitePhone> ui;
};

// The one QR-code window, created hidden at start-up.
extern TFrmVisitePhone *FrmVisitePhone;

} // namespace velnorix
