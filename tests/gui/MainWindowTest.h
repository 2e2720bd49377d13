#pragma once

#include "PageTexts.h"
#include "Unit1.h"

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

// Builds a fresh main window for every test, shows it and makes it the
// active window, so that clicks and keys reach it as a user's would.
class MainWindowTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The control declared as `name`; throws when the window has none.
    QWidget *control(const QString &name) const;
    template<class T> T *control(const QString &name) const { return qobject_cast<T *>(control(name)); }

    void showPage(const QString &caption);
    void click(const QString &button);
    // Clicks into the input, selects its whole text and types `text` over it.
    void typeInto(const QString &input, const QString &text);
    // The focused control, by declared name.
    QString focusName() const;
    QString paneText(const QString &pane) const;

    std::unique_ptr<TMain> main;
};

// Types `text` into `widget` key by key, characters beyond ASCII included.
void TypeText(QWidget *widget, const QString &text);

// A modal message box as the user met it.
struct ShownMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QStringList buttons;
};

// Runs `action`; if it opens a modal message box, records it and closes it
// with its first button, as the user would.
std::optional<ShownMessage> WhileMessageShown(const std::function<void()> &action);
