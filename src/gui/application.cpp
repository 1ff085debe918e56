#include "application.h"

#include "exceptions.h"
#include "modalform.h"

#include <QIcon>
#include <QMessageBox>

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
    QMessageBox box(QMessageBox::Critical, Title, QString::fromStdString(ExceptionBoxText(message)), QMessageBox::Ok,
                    QApplication::activeWindow());
    ShowModal(box);
}

} // namespace velnorix
