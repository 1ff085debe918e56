#include "UAboutBox.h"

#include "ui_UAboutBox.h"

namespace velnorix {

TAboutBox *AboutBox = nullptr;

TAboutBox::TAboutBox(QWidget *parent) : TModalForm(parent), ui(std::make_unique<Ui::TAboutBox>())
{
    ui->setupUi(this);
}

TAboutBox::~TAboutBox() = default;

} // namespace velnorix
