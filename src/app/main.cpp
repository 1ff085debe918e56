#include "UAboutBox.h"
#include "UMain.h"
#include "UVisitePhone.h"
#include "application.h"
#include "exceptions.h"

using namespace velnorix;

int main(int argc, char *argv[])
{
    TApplication Application(argc, argv);
    try {
        Application.SetTitle(QStringLiteral("Velnorix网络地址计算器2023"));
        Application.CreateForm(FrmMain);
        Application.CreateForm(FrmVisitePhone);
        Application.CreateForm(AboutBox);
        Application.Run();
    } catch (const Exception &error) {
        Application.ShowException(error.Message());
    } catch (...) {
        // An error from outside the calculator's own family has no message to show.
        Application.ShowException({});
    }
    return 0;
}
