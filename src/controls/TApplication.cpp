#include "TApplication.h"

#include <QFont>
#include <QFontDatabase>
#include <QMessageBox>

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(u"Varnholt"_qs);
    setApplicationVersion(u"1.0.0.9"_qs);
    setOrganizationName(u"Quarnet"_qs);
    // Lets desktops match the window to the installed desktop entry and icon.
    setDesktopFileName(u"varnholt"_qs);

    // The window is laid out in pixels for 8-point Tahoma at 96 DPI (11 pixels
    // high); the program carries a metric-compatible Tahoma so that every
    // label measures the same on machines that lack the font.
    QFontDatabase::addApplicationFont(u":/fonts/tahoma.ttf"_qs);
    QFont font(u"Tahoma"_qs);
    font.setPixelSize(11);
    setFont(font);
}

int TApplication::Run(QWidget &window)
{
    window.show();
    exec();
    // Closing the window is the only way out, and it ends the run normally.
    return 0;
}

void TApplication::ShowException(const QString &message)
{
    QMessageBox box(QMessageBox::Critical, applicationDisplayName(), message + u'.', QMessageBox::Ok);
    box.exec();
}
