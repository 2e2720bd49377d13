// The four record pages driven end to end: typing, "Add", "Limpar Linhas",
// the focus order, and what every input shows and says about itself.

#include "MainWindowTest.h"
#include "WorkedExamples.h"

#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QTest>
#include <QToolTip>

#include <algorithm>

namespace {

using composer::RecordPage;

QString NameOf(composer::Text text)
{
    return ToQString(text);
}

class WorkedExampleTest : public MainWindowTest, public testing::WithParamInterface<WorkedExample> { };

TEST_P(WorkedExampleTest, AddAppendsTheStatementAndLimparLinhasEmptiesOnlyThisPane)
{
    const WorkedExample &example = GetParam();
    const RecordPage &page = PageNamed(example.page);
    const QString pane = NameOf(page.pane.name);

    // Something in another page's pane that this page's buttons must leave alone.
    const bool armor = example.page == u"Armor"_qs;
    showPage(armor ? u"Weapon"_qs : u"Armor"_qs);
    click(armor ? u"WAdd"_qs : u"ArmorAdd"_qs);
    const QString otherPane = armor ? u"WSQL"_qs : u"ArmorSQL"_qs;
    const QString otherText = paneText(otherPane);
    ASSERT_FALSE(otherText.isEmpty());

    showPage(NameOf(page.caption));
    for (const auto &[input, text] : example.typed)
        typeInto(input, text);
    click(NameOf(page.add.name));
    EXPECT_EQ(paneText(pane), example.statement + u'\n');

    // The inputs keep their texts, so a second "Add" writes the same line again.
    click(NameOf(page.add.name));
    EXPECT_EQ(paneText(pane), example.statement + u'\n' + example.statement + u'\n');

    click(NameOf(page.clear.name));
    EXPECT_EQ(paneText(pane), QString());
    click(NameOf(page.clear.name));
    EXPECT_EQ(paneText(pane), QString());
    EXPECT_EQ(paneText(otherPane), otherText);

    // After clearing, the next statement is the pane's first line.
    click(NameOf(page.add.name));
    EXPECT_EQ(paneText(pane), example.statement + u'\n');
    EXPECT_EQ(PageTexts(page, example.typed), [&] {
        std::vector<QString> shown;
        for (const composer::InputDecl &input : page.inputs) {
            QWidget *widget = control(NameOf(input.name));
            auto *combo = qobject_cast<QComboBox *>(widget);
            shown.push_back(combo ? combo->currentText() : qobject_cast<QLineEdit *>(widget)->text());
        }
        return shown;
    }());
}

INSTANTIATE_TEST_SUITE_P(Pages, WorkedExampleTest, testing::ValuesIn(kWorkedExamples),
    [](const testing::TestParamInfo<WorkedExample> &info) { return std::string(info.param.name); });

class RecordPageTest : public MainWindowTest, public testing::WithParamInterface<const RecordPage *> { };

TEST_P(RecordPageTest, TabVisitsTheControlsInTheirDeclaredOrder)
{
    const RecordPage &page = *GetParam();
    std::vector<std::pair<int, QString>> declared = {
        {page.add.tabOrder, NameOf(page.add.name)},
        {page.clear.tabOrder, NameOf(page.clear.name)},
        {page.pane.tabOrder, NameOf(page.pane.name)},
    };
    for (const composer::InputDecl &input : page.inputs)
        declared.emplace_back(input.tabOrder, NameOf(input.name));
    std::sort(declared.begin(), declared.end());
    QStringList expected;
    for (const auto &entry : declared)
        expected << entry.second;

    showPage(NameOf(page.caption));
    control(u"PageControl1"_qs)->setFocus(Qt::TabFocusReason);
    const QString tabStrip = focusName();
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << focusName();
    }
    EXPECT_EQ(visited, expected);

    // Past the last control the focus comes back to the tab strip, and
    // Shift+Tab walks back.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(focusName(), tabStrip);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(focusName(), expected.back());
}

TEST_P(RecordPageTest, InputsShowTheirDefaultsAndAreNamedByTheirLabels)
{
    const RecordPage &page = *GetParam();
    for (const composer::InputDecl &input : page.inputs) {
        const QString name = NameOf(input.name);
        QWidget *widget = control(name);
        auto *combo = qobject_cast<QComboBox *>(widget);
        const QString shown = combo ? combo->currentText() : qobject_cast<QLineEdit *>(widget)->text();
        EXPECT_EQ(shown, NameOf(input.defaultText)) << name.toStdString();
        EXPECT_EQ(widget->accessibleName(), NameOf(input.label.caption)) << name.toStdString();
        if (combo) {
            QStringList choices;
            for (composer::Text choice : input.choices)
                choices << NameOf(choice);
            QStringList listed;
            for (int i = 0; i < combo->count(); ++i)
                listed << combo->itemText(i);
            EXPECT_EQ(listed, choices) << name.toStdString();
        } else {
            EXPECT_EQ(qobject_cast<QLineEdit *>(widget)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        }
    }
}

TEST_P(RecordPageTest, OnlyInputsWithATooltipShowOneWhenThePointerRests)
{
    const RecordPage &page = *GetParam();
    showPage(NameOf(page.caption));
    for (const composer::InputDecl &input : page.inputs) {
        const QString name = NameOf(input.name);
        QWidget *widget = control(name);
        if (auto *combo = qobject_cast<QComboBox *>(widget))
            widget = combo->lineEdit(); // the pointer rests on the edit part
        QToolTip::hideText();
        const QPoint at = widget->rect().center();
        QHelpEvent rest(QEvent::ToolTip, at, widget->mapToGlobal(at));
        QApplication::sendEvent(widget, &rest);
        const QString shown = QToolTip::isVisible() ? QToolTip::text() : QString();
        EXPECT_EQ(shown, NameOf(input.tooltip)) << name.toStdString();
    }
    QToolTip::hideText();
}

TEST_P(RecordPageTest, ControlsStandWhereDeclared)
{
    const RecordPage &page = *GetParam();
    auto rect = [](composer::Placement p) { return QRect(p.left, p.top, p.width, p.height); };
    for (const composer::InputDecl &input : page.inputs) {
        EXPECT_EQ(control(NameOf(input.name))->geometry(), rect(input.place)) << NameOf(input.name).toStdString();
        const QRect label = control(NameOf(input.label.name))->geometry();
        EXPECT_EQ(label.topLeft(), rect(input.label.place).topLeft()) << NameOf(input.label.name).toStdString();
    }
    EXPECT_EQ(control(NameOf(page.add.name))->geometry(), rect(page.add.place));
    EXPECT_EQ(control(NameOf(page.clear.name))->geometry(), rect(page.clear.place));
    EXPECT_EQ(control(NameOf(page.pane.name))->geometry(), rect(page.pane.place));
}

INSTANTIATE_TEST_SUITE_P(Pages, RecordPageTest, testing::ValuesIn(composer::RecordPages()),
    [](const testing::TestParamInfo<const RecordPage *> &info) { return NameOf(info.param->name).toStdString(); });

TEST_F(MainWindowTest, SwitchingPagesKeepsEveryTextAndPane)
{
    typeInto(u"ArmorName"_qs, u"Scout's Vest"_qs);
    click(u"ArmorAdd"_qs);
    const QString pane = paneText(u"ArmorSQL"_qs);
    for (const char *caption : {"EtcItem", "Weapon", "ArmorSets", "Info", "Armor"})
        showPage(QString::fromLatin1(caption));
    EXPECT_EQ(control<QLineEdit>(u"ArmorName"_qs)->text(), u"Scout's Vest"_qs);
    EXPECT_EQ(paneText(u"ArmorSQL"_qs), pane);
}

} // namespace
