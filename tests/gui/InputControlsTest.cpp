// The inputs' own behaviour where Qt's defaults differ from what the pages
// need: length limits and digits-only bound typing alone, drop-downs keep a
// typed text exactly, pasted line breaks never reach an input, and
// placeholders show only in an unfocused empty box.

#include "MainWindowTest.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace {

QString InputText(QWidget *input)
{
    if (auto *combo = qobject_cast<QComboBox *>(input))
        return combo->currentText();
    return qobject_cast<QLineEdit *>(input)->text();
}

struct TypingCase {
    const char *name;
    QString page;
    QString input;
    QString typed;
    QString shown;
};

void PrintTo(const TypingCase &c, std::ostream *os)
{
    *os << c.name;
}

class TypingTest : public MainWindowTest, public testing::WithParamInterface<TypingCase> { };

TEST_P(TypingTest, KeepsWhatTheRulesAllow)
{
    const TypingCase &c = GetParam();
    showPage(c.page);
    typeInto(c.input, c.typed);
    EXPECT_EQ(InputText(control(c.input)), c.shown);
}

const TypingCase kTypingCases[] = {
    {"DigitsOnlyRefusesLettersAndMinus", u"Armor"_qs, u"ArmorID"_qs, u"9a-0.0 1"_qs, u"9001"_qs},
    {"SixthDigitOfAnIdIsRefused", u"EtcItem"_qs, u"ItemID"_qs, u"123456"_qs, u"12345"_qs},
    {"TwoDigitLimit", u"Weapon"_qs, u"WCrit"_qs, u"987"_qs, u"98"_qs},
    {"SixDigitLimit", u"Weapon"_qs, u"WHitMod"_qs, u"12345678"_qs, u"123456"_qs},
    {"ThreeDigitSkillLevel", u"ArmorSets"_qs, u"ArmorSetSkillLvl"_qs, u"0071"_qs, u"007"_qs},
    {"NameStopsAtEightyCharacters", u"Armor"_qs, u"ArmorName"_qs, QString(85, u'n'), QString(80, u'n')},
    {"NameTakesAnyCharacter", u"Weapon"_qs, u"WN"_qs, u"\"`;\\ Preço'"_qs, u"\"`;\\ Preço'"_qs},
    {"DropDownTextStopsAtItsLimit", u"Armor"_qs, u"ArmorGrade"_qs, u"xyzzy"_qs, u"xyzz"_qs},
};

INSTANTIATE_TEST_SUITE_P(Inputs, TypingTest, testing::ValuesIn(kTypingCases),
    [](const testing::TestParamInfo<TypingCase> &info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, DeclaredMinusOneStaysAndDigitsGoAfterIt)
{
    auto *duration = control<QLineEdit>(u"ArmorDuration"_qs);
    EXPECT_EQ(duration->text(), u"-1"_qs);
    QTest::mouseClick(duration, Qt::LeftButton);
    QTest::keyClick(duration, Qt::Key_End);
    TypeText(duration, u"-x5"_qs);
    EXPECT_EQ(duration->text(), u"-15"_qs);
}

struct DropDownCase {
    const char *name;
    QString page;
    QString input;
    QString typed;
};

void PrintTo(const DropDownCase &c, std::ostream *os)
{
    *os << c.name;
}

class DropDownTest : public MainWindowTest, public testing::WithParamInterface<DropDownCase> { };

// Neither Enter nor leaving the list may rewrite a typed text to a choice's
// capitals or add it to the list.
TEST_P(DropDownTest, TypedTextStaysExactlyAsTyped)
{
    const DropDownCase &c = GetParam();
    showPage(c.page);
    auto *combo = control<QComboBox>(c.input);
    QStringList choices;
    for (int i = 0; i < combo->count(); ++i)
        choices << combo->itemText(i);

    typeInto(c.input, c.typed);
    EXPECT_EQ(combo->currentText(), c.typed);
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_EQ(combo->currentText(), c.typed);
    QTest::keyClick(combo, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), combo->lineEdit());
    EXPECT_EQ(combo->currentText(), c.typed);

    QStringList after;
    for (int i = 0; i < combo->count(); ++i)
        after << combo->itemText(i);
    EXPECT_EQ(after, choices);
}

const DropDownCase kDropDownCases[] = {
    {"ChoiceInCapitals", u"Armor"_qs, u"ArmorType"_qs, u"HEAVY"_qs},
    {"OneLetterChoiceInCapitals", u"Armor"_qs, u"ArmorGrade"_qs, u"S"_qs},
    {"FlagInMixedCase", u"Weapon"_qs, u"WTrade"_qs, u"True"_qs},
    {"TextMatchingNoChoice", u"EtcItem"_qs, u"item_type"_qs, u"Potion2"_qs},
    {"WordThatBeginsNoChoice", u"Weapon"_qs, u"WType"_qs, u"axe"_qs},
};

INSTANTIATE_TEST_SUITE_P(Inputs, DropDownTest, testing::ValuesIn(kDropDownCases),
    [](const testing::TestParamInfo<DropDownCase> &info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, TypingCompletesToTheFirstChoiceWithoutRegardToCase)
{
    auto *bodyPart = control<QComboBox>(u"ArmorBodyPart"_qs);
    typeInto(u"ArmorBodyPart"_qs, u"RF"_qs);
    // The typed capitals stay; the rest of the choice follows, selected.
    EXPECT_EQ(bodyPart->currentText(), u"RFinger,lfinger"_qs);
    EXPECT_EQ(bodyPart->lineEdit()->selectedText(), u"inger,lfinger"_qs);

    // The next character replaces the selection and completes again.
    typeInto(u"ArmorBodyPart"_qs, u"r"_qs);
    EXPECT_EQ(bodyPart->currentText(), u"rear,lear"_qs);
    TypeText(bodyPart, u"f"_qs);
    EXPECT_EQ(bodyPart->currentText(), u"rfinger,lfinger"_qs);
    QTest::keyClick(bodyPart, Qt::Key_Tab);

    // A completed choice longer than the typing limit goes in whole.
    click(u"ArmorAdd"_qs);
    EXPECT_TRUE(paneText(u"ArmorSQL"_qs).contains(u", 'rfinger,lfinger', "_qs))
        << paneText(u"ArmorSQL"_qs).toStdString();
}

TEST_F(MainWindowTest, PickingAChoiceLongerThanTheLimitPutsItInWhole)
{
    auto *bodyPart = control<QComboBox>(u"ArmorBodyPart"_qs);
    const int ring = bodyPart->findText(u"rfinger,lfinger"_qs);
    ASSERT_GE(ring, 0);

    // From the open list, with the mouse.
    bodyPart->showPopup();
    QAbstractItemView *list = bodyPart->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
    const QModelIndex item = list->model()->index(ring, 0);
    list->scrollTo(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(item).center());
    EXPECT_EQ(bodyPart->currentText(), u"rfinger,lfinger"_qs);

    // With the arrow keys, from the choice above it that the user typed.
    typeInto(u"ArmorBodyPart"_qs, u"REAR,LEAR"_qs);
    QTest::keyClick(bodyPart, Qt::Key_Down);
    EXPECT_EQ(bodyPart->currentText(), u"rfinger,lfinger"_qs);
}

struct PasteCase {
    const char *name;
    QString input;
    QString before; // typed first
    int cursor; // where the paste goes in that text
    QString pasted;
    QString shown;
};

void PrintTo(const PasteCase &c, std::ostream *os)
{
    *os << c.name;
}

class PasteTest : public MainWindowTest, public testing::WithParamInterface<PasteCase> { };

TEST_P(PasteTest, KeepsOnlyTheFirstLineAndNoFilter)
{
    const PasteCase &c = GetParam();
    QWidget *input = control(c.input);
    auto *combo = qobject_cast<QComboBox *>(input);
    QLineEdit *edit = combo ? combo->lineEdit() : qobject_cast<QLineEdit *>(input);
    typeInto(c.input, c.before);
    edit->setCursorPosition(c.cursor);
    QGuiApplication::clipboard()->setText(c.pasted);
    QTest::keyClick(input, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(InputText(input), c.shown);
}

const PasteCase kPasteCases[] = {
    {"SecondLineDropped", u"ArmorName"_qs, {}, 0, u"Scout's Vest\nINSERT INTO x"_qs, u"Scout's Vest"_qs},
    {"WindowsLineBreaks", u"ArmorSkills"_qs, {}, 0, u"1-1;\r\n2-2;\r\n"_qs, u"1-1;"_qs},
    {"PastedIntoTheMiddle", u"ArmorName"_qs, u"AB"_qs, 1, u"x\ny\nz"_qs, u"AxB"_qs},
    {"UnicodeLineSeparator", u"ArmorName"_qs, {}, 0, u"one\u2028two"_qs, u"one"_qs},
    {"OnlyALineBreak", u"ArmorName"_qs, u"keep"_qs, 4, u"\n"_qs, u"keep"_qs},
    {"DigitsOnlyDoesNotFilterPaste", u"ArmorID"_qs, {}, 0, u"12ab"_qs, u"12ab"_qs},
    {"DropDownTooKeepsOneLine", u"ArmorMaterial"_qs, {}, 0, u"leather\nwood"_qs, u"leather"_qs},
};

INSTANTIATE_TEST_SUITE_P(Inputs, PasteTest, testing::ValuesIn(kPasteCases),
    [](const testing::TestParamInfo<PasteCase> &info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, PlaceholderShowsOnlyInAnUnfocusedEmptyBox)
{
    auto *id = control<QLineEdit>(u"ArmorID"_qs);
    auto *skills = control<QLineEdit>(u"ArmorSkills"_qs);
    auto shownHint = [](QLineEdit *edit) { return edit->text().isEmpty() ? edit->placeholderText() : QString(); };

    EXPECT_EQ(shownHint(id), u"ID"_qs);
    EXPECT_EQ(shownHint(skills), QString()); // its default text stands there
    QTest::mouseClick(id, Qt::LeftButton);
    ASSERT_TRUE(id->hasFocus());
    EXPECT_EQ(shownHint(id), QString());

    typeInto(u"ArmorSkills"_qs, {});
    EXPECT_EQ(shownHint(id), u"ID"_qs);
    EXPECT_EQ(shownHint(skills), QString());
    QTest::keyClick(skills, Qt::Key_Tab);
    EXPECT_EQ(shownHint(skills), u"Item Skills"_qs);
}

} // namespace
