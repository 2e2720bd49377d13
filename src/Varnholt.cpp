#include "TApplication.h"
#include "TStyleManager.h"
#include "Unit1.h"

int main(int argc, char *argv[])
{
    TApplication Application(argc, argv);
    TStyleManager::TrySetStyle(u"Carbon"_qs, true);
    TMain Main;
    return Application.Run(Main);
}
