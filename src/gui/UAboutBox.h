#pragma once

#include "modalform.h"

#include <memory>

namespace Ui {
class TAboutBox;
}

namespace velnorix {

// The About box: the program's icon, name and version. It has no handlers of
// its own: its layout (UAboutBox.ui) makes OKButton the default button and
// lets it end the showing with mrOk.
class TAboutBox : public TModalForm {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget *parent = nullptr);
    ~TAboutBox() override;

private:
    std::unique_ptr<Ui::TAboutBox> ui;
};

// The one About box, created hidden at start-up.
extern TAboutBox *AboutBox;

} // namespace velnorix
