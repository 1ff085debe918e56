#include "modalform.h"

#include <QKeyEvent>

namespace velnorix {

TModalForm::TModalForm(QWidget *parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
}

void TModalForm::reject()
{
    done(mrCancel);
}

void TModalForm::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel))
        return;
    QDialog::keyPressEvent(event);
}

} // namespace velnorix
