// The yardstick for the program's start-up: the least window built from the
// same toolkit that looks like the program's, a fixed 838 x 578 window with
// a page control of five empty tabs, no style, no fonts of its own.

#include <QApplication>
#include <QTabWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTabWidget window;
    window.setWindowTitle(u"Bare Window"_qs);
    window.setFixedSize(838, 578);
    for (const QString &caption : {u"Armor"_qs, u"EtcItem"_qs, u"Weapon"_qs, u"ArmorSets"_qs, u"Info"_qs})
        window.addTab(new QWidget, caption);
    window.show();
    return app.exec();
}
