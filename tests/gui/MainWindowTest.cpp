#include "MainWindowTest.h"

#include "TRichEdit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <stdexcept>

void MainWindowTest::SetUp()
{
    main = std::make_unique<TMain>();
    main->show();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
}

void MainWindowTest::TearDown()
{
    main.reset();
}

QWidget *MainWindowTest::control(const QString &name) const
{
    auto *widget = main->findChild<QWidget *>(name);
    if (!widget)
        throw std::invalid_argument("the window has no control named " + name.toStdString());
    return widget;
}

void MainWindowTest::showPage(const QString &caption)
{
    QTabBar *tabs = control<QTabWidget>(u"PageControl1"_qs)->tabBar();
    for (int i = 0; i < tabs->count(); ++i) {
        if (tabs->tabText(i) == caption) {
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(i).center());
            return;
        }
    }
    throw std::invalid_argument("no page captioned " + caption.toStdString());
}

void MainWindowTest::click(const QString &button)
{
    QWidget *widget = control(button);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void MainWindowTest::typeInto(const QString &input, const QString &text)
{
    QWidget *widget = control(input);
    auto *combo = qobject_cast<QComboBox *>(widget);
    QWidget *editPart = combo ? combo->lineEdit() : widget;
    QTest::mouseClick(editPart, Qt::LeftButton, {}, editPart->rect().center());
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(widget, Qt::Key_Delete);
    TypeText(widget, text);
}

void TypeText(QWidget *widget, const QString &text)
{
    for (QChar c : text) {
        // QTest knows the keys of ASCII characters only; others come as text
        // from a key it does not name, as from an input method or a layout.
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

QString MainWindowTest::focusName() const
{
    QWidget *focus = QApplication::focusWidget();
    // The edit part of a drop-down list stands for the list.
    while (focus && focus->objectName().isEmpty())
        focus = focus->parentWidget();
    return focus ? focus->objectName() : QString();
}

QString MainWindowTest::paneText(const QString &pane) const
{
    return control<TRichEdit>(pane)->toPlainText();
}

std::optional<ShownMessage> WhileMessageShown(const std::function<void()> &action)
{
    std::optional<ShownMessage> shown;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&shown] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || shown)
            return;
        shown = ShownMessage{box->windowTitle(), box->text(), box->icon(), {}};
        for (QAbstractButton *button : box->buttons())
            shown->buttons << button->text();
        QTest::mouseClick(box->buttons().front(), Qt::LeftButton);
    });
    poll.start();
    action();
    return shown;
}
