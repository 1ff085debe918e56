#include "UMain.h"
#include "application.h"
#include "exceptions.h"

using namespace velnorix;

int main(int argc, char *argv[])
{
    TApplication Application(argc, argv);
    TFrmMain *FrmMain = nullptr;
    try {
        Application.SetTitle(QStringLiteral("Velnorix网络地址计算器2023"));
        Application.CreateForm(FrmMain);
        Application.Run();
    } catch (const Exception &error) {
        Application.ShowException(error.Message());
    } catch (...) {
        // An error from outside the calculator's own family has no message to show.
        Application.ShowException({});
    }
    return 0;
}
