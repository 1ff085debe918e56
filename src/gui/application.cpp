#include "application.h"

#include "exceptions.h"

#include <QIcon>
#include <QMessageBox>
#include <QPointer>

namespace velnorix {

TApplication::TApplication(int &argc, char **argv) : Application(argc, argv)
{
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/velnorix.xpm")));
    SetExceptionHandler([this](const std::string &message) { ShowException(message); });
}

// The newest window goes first, so the main window is destroyed last; its
// settings are written then, and an error doing so still gets its box.
TApplication::~TApplication()
{
    while (!Forms.empty())
        Forms.pop_back();
    SetExceptionHandler({});
}

void TApplication::Run()
{
    if (Forms.empty())
        return;
    Forms.front()->show();
    QApplication::exec();
}

void TApplication::ShowException(const std::string &message) const
{
    const QPointer<QWidget> active = QApplication::activeWindow();
    QMessageBox box(QMessageBox::Critical, Title, QString::fromStdString(ExceptionBoxText(message)), QMessageBox::Ok,
                    active);
    box.exec();
    // Hand the keyboard back to the window the error interrupted, also where
    // no window manager does it (a bare X server).
    if (active)
        active->activateWindow();
}

} // namespace velnorix
