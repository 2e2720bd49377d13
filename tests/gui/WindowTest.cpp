// The window as a whole, the Info page's links and the style at start-up.

#include "MainWindowTest.h"
#include "TApplication.h"
#include "TStyleManager.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QUrl>
#include <QWindow>

namespace {

TEST_F(MainWindowTest, WindowIsFixedCentredAndCaptioned)
{
    EXPECT_EQ(main->windowTitle(), u"Varnholt Quarnet"_qs);
    EXPECT_EQ(main->size(), QSize(838, 578));
    EXPECT_EQ(main->minimumSize(), main->maximumSize());
    EXPECT_FALSE(main->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(main->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(main->windowFlags() & Qt::WindowCloseButtonHint);
    // Centred on the screen, give or take the thickness of the window's frame.
    const QPoint offCentre = main->frameGeometry().center() - main->screen()->availableGeometry().center();
    const QMargins frame = main->windowHandle()->frameMargins();
    EXPECT_LE(std::abs(offCentre.x()), frame.left() + frame.right() + 1);
    EXPECT_LE(std::abs(offCentre.y()), frame.top() + frame.bottom() + 1);
    EXPECT_EQ(main->windowIcon().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {64, 64}}));

    const QFontInfo font(main->font());
    EXPECT_EQ(font.family(), u"Tahoma"_qs);
    EXPECT_EQ(font.pixelSize(), 11);
}

TEST_F(MainWindowTest, PagesStandInOrderWithArmorInFront)
{
    auto *pages = control<QTabWidget>(u"PageControl1"_qs);
    EXPECT_EQ(pages->geometry(), QRect(0, 95, 838, 483));
    QStringList captions;
    for (int i = 0; i < pages->count(); ++i)
        captions << pages->tabText(i);
    EXPECT_EQ(captions, (QStringList{u"Armor"_qs, u"EtcItem"_qs, u"Weapon"_qs, u"ArmorSets"_qs, u"Info"_qs}));
    EXPECT_EQ(pages->currentWidget()->objectName(), u"Armor"_qs);
    // Every tab shows its caption whole.
    for (int i = 0; i < pages->count(); ++i) {
        EXPECT_GE(pages->tabBar()->tabRect(i).width(), pages->fontMetrics().horizontalAdvance(captions[i]))
            << captions[i].toStdString();
    }
}

TEST_F(MainWindowTest, BannerIsCentredOverTheWholeWidth)
{
    auto *banner = control<QLabel>(u"Image1"_qs);
    EXPECT_EQ(banner->geometry(), QRect(0, 0, 838, 95));
    const QImage picture = banner->pixmap().toImage();
    ASSERT_EQ(picture.size(), QSize(700, 95));
    const QImage shown = banner->grab().toImage().convertToFormat(picture.format());
    EXPECT_EQ(shown.copy(69, 0, 700, 95), picture);
}

TEST_F(MainWindowTest, EveryLabelShowsItsWholeCaption)
{
    for (int page = 0; page < 5; ++page) {
        control<QTabWidget>(u"PageControl1"_qs)->setCurrentIndex(page);
        for (QLabel *label : main->findChildren<QLabel *>()) {
            if (label->objectName().startsWith(u"Label"_qs) && label->isVisible()) {
                EXPECT_GE(label->width(), label->sizeHint().width()) << label->objectName().toStdString();
                EXPECT_GE(label->height(), label->fontMetrics().height()) << label->objectName().toStdString();
                EXPECT_TRUE(label->parentWidget()->rect().contains(label->geometry()))
                    << label->objectName().toStdString();
            }
        }
    }
}

// Stands in for the desktop: records every address it is asked to open.
class Browser : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened << url; }
};

class InfoPageTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        QDesktopServices::setUrlHandler(u"http"_qs, &browser, "open");
        showPage(u"Info"_qs);
    }
    void TearDown() override
    {
        QDesktopServices::unsetUrlHandler(u"http"_qs);
        MainWindowTest::TearDown();
    }

    Browser browser;
};

const QUrl kProfile(u"http://www.quarnet.com.br/forum/index.php?/user/1-tamsk/"_qs);
const QUrl kTopic(u"http://www.quarnet.com.br/forum/index.php?/topic/93-quarnet-varnholt/"_qs);

TEST_F(InfoPageTest, EachClickOpensItsOwnAddressOnce)
{
    click(u"Button2"_qs);
    EXPECT_EQ(browser.opened, QList<QUrl>{kProfile});
    click(u"Button2"_qs);
    EXPECT_EQ(browser.opened, (QList<QUrl>{kProfile, kProfile}));
    click(u"Button3"_qs);
    EXPECT_EQ(browser.opened, (QList<QUrl>{kProfile, kProfile, kTopic}));
}

TEST_F(InfoPageTest, SpaceAndEnterPressAFocusedButton)
{
    control<QTabWidget>(u"PageControl1"_qs)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(focusName(), u"Button2"_qs);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(focusName(), u"Button3"_qs);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(browser.opened, (QList<QUrl>{kProfile, kTopic}));
}

TEST_F(InfoPageTest, SentenceStandsOnOneLineInsideTheFrame)
{
    auto *frame = control<QGroupBox>(u"GroupBox1"_qs);
    auto *sentence = control<QLabel>(u"Label81"_qs);
    EXPECT_EQ(frame->title(), u"Informações"_qs);
    EXPECT_EQ(frame->geometry(), QRect(3, 3, 807, 110));
    EXPECT_EQ(
        sentence->text(), u"Aplicativo desenvolvido para ajudar a adaptar itens custom para o projeto Quarnet."_qs);
    EXPECT_FALSE(sentence->wordWrap());
    EXPECT_EQ(sentence->pos(), QPoint(208, 24));
    EXPECT_GE(sentence->width(), sentence->sizeHint().width());
    EXPECT_TRUE(frame->contentsRect().contains(sentence->geometry()));
    EXPECT_EQ(control(u"Button2"_qs)->geometry(), QRect(296, 55, 105, 34));
    EXPECT_EQ(control(u"Button3"_qs)->geometry(), QRect(416, 55, 105, 34));
}

TEST(Run, ClosingTheWindowEndsTheRunWithExitCodeZero)
{
    TMain window;
    // The user closes the window as soon as it is up; nothing is asked.
    QTimer::singleShot(0, &window, [&window] {
        EXPECT_TRUE(window.isVisible());
        window.close();
    });
    auto *application = static_cast<TApplication *>(QCoreApplication::instance());
    EXPECT_EQ(application->Run(window), 0);
    EXPECT_FALSE(window.isVisible());
}

class StyleTest : public testing::Test {
protected:
    void TearDown() override { TStyleManager::setStyleDirectory(u":/styles"_qs); }
};

TEST_F(StyleTest, MissingStyleIsReportedAndLeavesTheLookAlone)
{
    QTemporaryDir empty;
    TStyleManager::setStyleDirectory(empty.path());
    const QPalette palette = QApplication::palette();
    const QString style = QApplication::style()->name();
    bool set = true;
    const auto shown = WhileMessageShown([&set] { set = TStyleManager::TrySetStyle(u"Carbon"_qs, true); });
    EXPECT_FALSE(set);
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->title, u"Error"_qs);
    EXPECT_EQ(shown->text, u"Style 'Carbon' not found"_qs);
    EXPECT_EQ(shown->icon, QMessageBox::Critical);
    EXPECT_EQ(shown->buttons, QStringList{u"&Close"_qs});
    EXPECT_EQ(QApplication::palette(), palette);
    EXPECT_EQ(QApplication::style()->name(), style);

    // Without the error dialog nothing is shown at all.
    EXPECT_FALSE(WhileMessageShown([] { TStyleManager::TrySetStyle(u"Carbon"_qs, false); }).has_value());
}

TEST_F(StyleTest, StyleNameIsFoundWithoutRegardToCase)
{
    QApplication::setPalette(QPalette());
    EXPECT_TRUE(TStyleManager::TrySetStyle(u"cARBON"_qs, false));
    EXPECT_EQ(TStyleManager::activeStyle(), u"Carbon"_qs);
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), QColor(u"#2B2D31"_qs));
    EXPECT_EQ(QApplication::style()->name(), u"fusion"_qs);
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QApplication::palette().color(QPalette::ToolTipBase));
}

} // namespace

#include "WindowTest.moc"
