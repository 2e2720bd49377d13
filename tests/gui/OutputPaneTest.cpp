// The output panes: how "Add" appends next to what the user typed or
// selected, the keys a pane takes, and what happens when a pane is full.

#include "MainWindowTest.h"
#include "TRichEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QImage>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

namespace {

const QString kDefaultsLine
    = u"INSERT INTO `custom_armorsets` VALUES ('', '', '', '', '', '', '', '', '', '', '', '');"_qs;

class OutputPaneTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        showPage(u"ArmorSets"_qs);
        pane = control<TRichEdit>(u"ArmorSetsSQL"_qs);
    }

    // Clicks into the pane and moves the caret to the end of its text.
    void typeAtEnd(const QString &text)
    {
        QTest::mouseClick(pane->viewport(), Qt::LeftButton);
        QTest::keyClick(pane, Qt::Key_End, Qt::ControlModifier);
        TypeText(pane, text);
    }

    TRichEdit *pane = nullptr;
};

TEST_F(OutputPaneTest, WritesInTheHighlightColourOnTheWindowColour)
{
    const QPalette style = QApplication::palette();
    EXPECT_EQ(pane->palette().color(QPalette::Text), style.color(QPalette::Highlight));
    EXPECT_EQ(pane->palette().color(QPalette::Base), style.color(QPalette::Base));
    const QFontInfo font(pane->font());
    EXPECT_EQ(font.family(), u"Tahoma"_qs);
    EXPECT_EQ(font.pixelSize(), 11);
}

TEST_F(OutputPaneTest, AddPutsTheStatementOnItsOwnLineAfterTypedText)
{
    click(u"Button1"_qs);
    typeAtEnd(u"-- mine"_qs);
    click(u"Button1"_qs);
    // The typed characters stay as they were; the statement gets a new line
    // with no break after it, and the next one starts another line.
    EXPECT_EQ(pane->toPlainText(), kDefaultsLine + u"\n-- mine\n"_qs + kDefaultsLine);
    click(u"Button1"_qs);
    EXPECT_EQ(pane->toPlainText(), kDefaultsLine + u"\n-- mine\n"_qs + kDefaultsLine + u'\n' + kDefaultsLine);
}

TEST_F(OutputPaneTest, AddAfterTextWithoutAnyLineBreak)
{
    typeAtEnd(u"note"_qs);
    click(u"Button1"_qs);
    EXPECT_EQ(pane->toPlainText(), u"note\n"_qs + kDefaultsLine);
}

TEST_F(OutputPaneTest, AddLeavesTheUsersSelectionAloneAndWritesAtTheEnd)
{
    click(u"Button1"_qs);
    QTest::mouseClick(pane->viewport(), Qt::LeftButton);
    QTest::keyClick(pane, Qt::Key_A, Qt::ControlModifier);
    ASSERT_TRUE(pane->textCursor().hasSelection());
    click(u"Button1"_qs);
    EXPECT_EQ(pane->toPlainText(), kDefaultsLine + u'\n' + kDefaultsLine + u'\n');
    EXPECT_FALSE(pane->textCursor().hasSelection());
    EXPECT_EQ(pane->textCursor().position(), pane->toPlainText().size());
}

TEST_F(OutputPaneTest, LimparLinhasRemovesTypedTextToo)
{
    typeAtEnd(u"scratch"_qs);
    click(u"Button1"_qs);
    click(u"ArmorSetSQLClear"_qs);
    EXPECT_EQ(pane->toPlainText(), QString());
}

TEST_F(OutputPaneTest, EnterStartsALineAndTabMovesTheFocusOn)
{
    typeAtEnd(u"ab"_qs);
    QTest::keyClick(pane, Qt::Key_Return);
    TypeText(pane, u"cd"_qs);
    EXPECT_EQ(pane->toPlainText(), u"ab\ncd"_qs);
    QTest::keyClick(pane, Qt::Key_Tab);
    EXPECT_EQ(focusName(), u"Button1"_qs);
    EXPECT_EQ(pane->toPlainText(), u"ab\ncd"_qs);
}

TEST_F(OutputPaneTest, LongStatementWrapsForDisplayButStaysOneLine)
{
    showPage(u"Weapon"_qs);
    click(u"WAdd"_qs);
    auto *weapon = control<TRichEdit>(u"WSQL"_qs);
    const QTextBlock first = weapon->document()->firstBlock();
    EXPECT_GT(first.layout()->lineCount(), 1);
    EXPECT_EQ(weapon->toPlainText().count(u'\n'), 1);
    EXPECT_EQ(weapon->verticalScrollBar()->isVisible(), false);
    EXPECT_EQ(weapon->horizontalScrollBar()->isVisible(), false);
}

TEST_F(OutputPaneTest, PastedRichTextKeepsItsFormattingAndAddsPlainText)
{
    auto *mime = new QMimeData;
    mime->setHtml(u"<b>bold</b>"_qs);
    mime->setText(u"bold"_qs);
    QGuiApplication::clipboard()->setMimeData(mime);
    QTest::mouseClick(pane->viewport(), Qt::LeftButton);
    QTest::keyClick(pane, Qt::Key_V, Qt::ControlModifier);
    click(u"Button1"_qs);

    QTextCursor cursor(pane->document());
    cursor.setPosition(1);
    EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold);
    cursor.movePosition(QTextCursor::End);
    EXPECT_NE(cursor.charFormat().fontWeight(), QFont::Bold);
    EXPECT_EQ(pane->toPlainText(), u"bold\n"_qs + kDefaultsLine);
}

TEST_F(OutputPaneTest, SelectionIsHiddenWhileThePaneHasNoFocus)
{
    click(u"Button1"_qs);
    QTest::mouseClick(pane->viewport(), Qt::LeftButton);
    const QImage focusedPlain = pane->grab().toImage();
    QTest::keyClick(pane, Qt::Key_A, Qt::ControlModifier);
    const QImage focusedSelected = pane->grab().toImage();
    ASSERT_NE(focusedSelected, focusedPlain); // the selection shows while focused

    QTest::keyClick(pane, Qt::Key_Tab);
    ASSERT_FALSE(pane->hasFocus());
    EXPECT_TRUE(pane->textCursor().hasSelection()); // kept, only not shown
    const QImage unfocusedSelected = pane->grab().toImage();
    pane->moveCursor(QTextCursor::End);
    const QImage unfocusedPlain = pane->grab().toImage();
    EXPECT_EQ(unfocusedSelected, unfocusedPlain);
}

TEST_F(OutputPaneTest, AddThatWouldOverflowThePaneReportsAndChangesNothing)
{
    // The user pastes text that leaves less room than one statement needs.
    QGuiApplication::clipboard()->setText(QString(TRichEdit::kCapacity - kDefaultsLine.size(), u'x'));
    QTest::mouseClick(pane->viewport(), Qt::LeftButton);
    QTest::keyClick(pane, Qt::Key_V, Qt::ControlModifier);
    const QString before = pane->toPlainText();
    ASSERT_EQ(before.size(), TRichEdit::kCapacity - kDefaultsLine.size());

    const auto shown = WhileMessageShown([this] { click(u"Button1"_qs); });
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->text, u"RichEdit line insertion error."_qs);
    EXPECT_EQ(shown->title, QGuiApplication::applicationDisplayName());
    EXPECT_EQ(shown->icon, QMessageBox::Critical);
    EXPECT_EQ(shown->buttons, QStringList{u"OK"_qs});
    EXPECT_EQ(pane->toPlainText(), before);

    // One character less and the statement with its line break fits exactly.
    QTest::keyClick(pane, Qt::Key_Backspace);
    const auto none = WhileMessageShown([this] { click(u"Button1"_qs); });
    EXPECT_FALSE(none.has_value());
    EXPECT_EQ(pane->length(), TRichEdit::kCapacity);
    EXPECT_TRUE(pane->toPlainText().endsWith(u'\n' + kDefaultsLine));
}

TEST_F(OutputPaneTest, TypingAndPastingStopAtTheCapacity)
{
    QGuiApplication::clipboard()->setText(QString(TRichEdit::kCapacity + 10, u'x'));
    QTest::mouseClick(pane->viewport(), Qt::LeftButton);
    QTest::keyClick(pane, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(pane->length(), TRichEdit::kCapacity);
    TypeText(pane, u"y"_qs);
    QTest::keyClick(pane, Qt::Key_Return);
    EXPECT_EQ(pane->length(), TRichEdit::kCapacity);
    EXPECT_FALSE(pane->toPlainText().contains(u'y'));

    // Typing over a selection replaces it, so that still goes in.
    QTest::keyClick(pane, Qt::Key_Left, Qt::ShiftModifier);
    TypeText(pane, u"y"_qs);
    EXPECT_EQ(pane->length(), TRichEdit::kCapacity);
    EXPECT_TRUE(pane->toPlainText().endsWith(u'y'));
}

} // namespace
