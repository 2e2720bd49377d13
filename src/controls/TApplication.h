#pragma once

#include <QApplication>

// The application object: names the program, gives every window the
// program's font, runs the main window and reports errors that an action
// could not recover from.
class TApplication : public QApplication {
    Q_OBJECT

public:
    TApplication(int &argc, char **argv);

    // Shows `window`, runs the event loop until it closes, and returns the
    // process's exit code.
    int Run(QWidget &window);

    // Shows `message`, with a full stop added, in a modal message box with
    // the error icon and one OK button, captioned with the application's
    // title.
    static void ShowException(const QString &message);
};
