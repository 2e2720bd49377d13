// The Carbon look: the palette resources/styles/Carbon.palette drawn with the
// Fusion style.
// Texts are rendered headless and their contrast measured on the pixels, so
// a colour change that leaves some text unreadable fails here; the small
// fixed boxes of the window must hold a line of 8-point Tahoma unclipped.

#include "BinaryFormats.h"
#include "QStringPrinter.h"
#include "TStyleManager.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMetaEnum>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolTip>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <memory>

using namespace identity;

namespace {

const QString kStyleDirectory = QStringLiteral(VARNHOLT_RESOURCES_DIR) + u"/styles"_qs;
const QString kPaletteFile = kStyleDirectory + u"/Carbon.palette"_qs;

// WCAG relative luminance and contrast ratio.
double luminance(QRgb c)
{
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

constexpr double kReadable = 4.5; // WCAG AA for text of this size

// --- fixture: the application as the program sets it up -----------------

class Carbon : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        QFontDatabase::addApplicationFont(QStringLiteral(VARNHOLT_TAHOMA_FILE));
        QFont font(u"Tahoma"_qs);
        font.setPixelSize(11);
        savedFont = new QFont(QApplication::font());
        savedPalette = new QPalette(QApplication::palette());
        QApplication::setFont(font);
        // The style as the program applies it, from the source tree.
        TStyleManager::setStyleDirectory(kStyleDirectory);
        ASSERT_TRUE(TStyleManager::TrySetStyle(u"Carbon"_qs, false));
    }

    static void TearDownTestSuite()
    {
        qApp->setStyleSheet(QString());
        TStyleManager::setStyleDirectory(u":/styles"_qs);
        QApplication::setPalette(*savedPalette);
        QApplication::setFont(*savedFont);
        delete savedPalette;
        delete savedFont;
    }

    void SetUp() override
    {
        // The window the program shows is a widget named Main.
        host = std::make_unique<QWidget>();
        host->setObjectName(u"Main"_qs);
        host->resize(400, 200);
    }

    void TearDown() override { host.reset(); }

    void showHost()
    {
        host->show();
        QApplication::setActiveWindow(host.get());
        QApplication::processEvents();
    }

    static inline QFont *savedFont = nullptr;
    static inline QPalette *savedPalette = nullptr;
    std::unique_ptr<QWidget> host;
};

// The most common colour of the region is its background; the pixel that
// stands out most from it is the text. Returns their contrast ratio.
struct Reading {
    QRgb background = 0;
    QRgb ink = 0;
    double ratio = 1.0;
};

Reading read(const QImage &picture, const QRect &region)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const QRect r = region.intersected(image.rect());
    std::map<QRgb, int> counts;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ++counts[image.pixel(x, y) | 0xFF000000];
    Reading reading;
    int most = 0;
    for (const auto &[colour, n] : counts)
        if (n > most) {
            most = n;
            reading.background = colour;
        }
    for (const auto &[colour, n] : counts) {
        const double c = contrast(colour, reading.background);
        if (c > reading.ratio) {
            reading.ratio = c;
            reading.ink = colour;
        }
    }
    return reading;
}

std::string describe(const Reading &r)
{
    return QString(u"ink %1 on %2, contrast %3:1"_qs)
        .arg(QColor(r.ink).name(), QColor(r.background).name())
        .arg(r.ratio, 0, 'f', 2)
        .toStdString();
}

// --- the palette ---------------------------------------------------------------

TEST_F(Carbon, PaletteFileNamesOnlyRealRolesAndGroups)
{
    QStringList problems;
    TStyleManager::ReadPalette(kPaletteFile, &problems);
    EXPECT_TRUE(problems.isEmpty()) << problems.join(u"\n"_qs).toStdString();
}

TEST_F(Carbon, PaletteTextIsReadable)
{
    QStringList problems;
    const QPalette p = TStyleManager::ReadPalette(kPaletteFile, &problems);
    ASSERT_TRUE(problems.isEmpty()) << problems.join(u"\n"_qs).toStdString();
    using R = QPalette::ColorRole;
    const struct {
        QPalette::ColorGroup group;
        R text, background;
    } pairs[] = {
        {QPalette::Active, R::WindowText, R::Window},
        {QPalette::Active, R::Text, R::Base},
        {QPalette::Active, R::PlaceholderText, R::Base},
        {QPalette::Active, R::ButtonText, R::Button},
        {QPalette::Active, R::HighlightedText, R::Highlight},
        {QPalette::Active, R::Highlight, R::Base}, // the output panes' text
        {QPalette::Active, R::ToolTipText, R::ToolTipBase},
        {QPalette::Active, R::Link, R::Window},
        {QPalette::Disabled, R::WindowText, R::Window},
        {QPalette::Disabled, R::Text, R::Base},
        {QPalette::Disabled, R::PlaceholderText, R::Base},
        {QPalette::Disabled, R::ButtonText, R::Button},
        {QPalette::Disabled, R::HighlightedText, R::Highlight},
    };
    const QMetaEnum roles = QMetaEnum::fromType<QPalette::ColorRole>();
    for (const auto &pair : pairs) {
        const QRgb text = p.color(pair.group, pair.text).rgb();
        const QRgb background = p.color(pair.group, pair.background).rgb();
        EXPECT_GE(contrast(text, background), kReadable)
            << (pair.group == QPalette::Disabled ? "disabled " : "") << roles.valueToKey(pair.text) << " on "
            << roles.valueToKey(pair.background);
    }
}

// --- rendered text ---------------------------------------------------------

struct Case {
    const char *name;
    // Builds the widget on `host` (shown afterwards) and returns, once it is
    // shown, the picture and the region of it that holds the text.
    std::function<std::pair<QImage, QRect>(QWidget *host)> render;
};

template<typename W> W *place(QWidget *host, W *w, QRect geometry)
{
    w->setParent(host);
    w->setGeometry(geometry);
    return w;
}

QRect inner(const QWidget *w, int by = 2)
{
    return w->rect().adjusted(by, by, -by, -by);
}

// The whole window as drawn, and `region` of widget w within it: a child
// grabbed alone would lose the background its parent paints behind it.
std::pair<QImage, QRect> shot(QWidget *w, QRect region)
{
    QApplication::processEvents();
    QWidget *window = w->window();
    return {window->grab().toImage(), region.translated(w->mapTo(window, QPoint(0, 0)))};
}

// Shows the host and gives the keyboard focus to `focus`, or else to a
// tiny widget in its corner, so that no measured widget draws a caret or
// hides its placeholder by having the focus.
void showAndFocus(QWidget *host, QWidget *focus = nullptr)
{
    auto *sink = new QWidget(host);
    sink->setObjectName(u"focusSink"_qs);
    sink->setFocusPolicy(Qt::StrongFocus);
    sink->setGeometry(host->width() - 2, host->height() - 2, 1, 1);
    host->show();
    QApplication::setActiveWindow(host);
    (focus ? focus : sink)->setFocus();
    QApplication::processEvents();
}

const Case kCases[] = {
    {"Label",
        [](QWidget *host) {
            auto *l = place(host, new QLabel(u"Item ID: Ágjy 9001"_qs), {10, 10, 150, 13});
            showAndFocus(host);
            return shot(l, l->rect());
        }},
    {"EditText",
        [](QWidget *host) {
            auto *e = place(host, new QLineEdit(u"Ágjy 9001"_qs), {10, 10, 121, 21});
            e->setAlignment(Qt::AlignCenter);
            showAndFocus(host);
            return shot(e, inner(e));
        }},
    {"EditPlaceholder",
        [](QWidget *host) {
            auto *e = place(host, new QLineEdit, {10, 10, 121, 21});
            e->setPlaceholderText(u"Nome do item"_qs);
            e->setAlignment(Qt::AlignCenter);
            showAndFocus(host);
            return shot(e, inner(e));
        }},
    {"EditDisabled",
        [](QWidget *host) {
            auto *e = place(host, new QLineEdit(u"Ágjy 9001"_qs), {10, 10, 121, 21});
            e->setEnabled(false);
            showAndFocus(host);
            return shot(e, inner(e));
        }},
    {"EditSelection",
        [](QWidget *host) {
            // Text wider than the box, all selected: the selection fills it.
            auto *e = place(host, new QLineEdit(QString(60, u'W')), {10, 10, 60, 21});
            showAndFocus(host, e);
            e->selectAll();
            return shot(e, inner(e, 4));
        }},
    {"DropDownText",
        [](QWidget *host) {
            auto *c = place(host, new QComboBox, {10, 10, 121, 21});
            c->setEditable(true);
            c->addItems({u"fullarmor"_qs, u"chest"_qs});
            showAndFocus(host);
            return shot(c, c->lineEdit()->geometry());
        }},
    {"DropDownDisabled",
        [](QWidget *host) {
            auto *c = place(host, new QComboBox, {10, 10, 121, 21});
            c->setEditable(true);
            c->addItems({u"fullarmor"_qs});
            c->setEnabled(false);
            showAndFocus(host);
            return shot(c, c->lineEdit()->geometry());
        }},
    {"Button",
        [](QWidget *host) {
            auto *b = place(host, new QPushButton(u"Limpar Linhas"_qs), {10, 10, 105, 25});
            showAndFocus(host);
            return shot(b, inner(b, 3));
        }},
    {"ButtonDisabled",
        [](QWidget *host) {
            auto *b = place(host, new QPushButton(u"Add"_qs), {10, 10, 75, 25});
            b->setEnabled(false);
            showAndFocus(host);
            return shot(b, inner(b, 3));
        }},
    {"GroupBoxCaption",
        [](QWidget *host) {
            auto *g = place(host, new QGroupBox(u"Informações"_qs), {10, 10, 300, 110});
            showAndFocus(host);
            return shot(g, QRect(0, 0, 120, 14));
        }},
    {"SelectedTab",
        [](QWidget *host) {
            auto *t = place(host, new QTabWidget, {0, 0, 400, 150});
            t->addTab(new QWidget, u"Armor"_qs);
            t->addTab(new QWidget, u"EtcItem"_qs);
            showAndFocus(host);
            return shot(t, t->tabBar()->tabRect(0).translated(t->tabBar()->pos()).adjusted(2, 3, -2, -1));
        }},
    {"OtherTab",
        [](QWidget *host) {
            auto *t = place(host, new QTabWidget, {0, 0, 400, 150});
            t->addTab(new QWidget, u"Armor"_qs);
            t->addTab(new QWidget, u"EtcItem"_qs);
            showAndFocus(host);
            return shot(t, t->tabBar()->tabRect(1).translated(t->tabBar()->pos()).adjusted(2, 3, -2, -1));
        }},
    {"OutputPane",
        [](QWidget *host) {
            auto *p = place(host, new QTextEdit, {10, 10, 300, 100});
            p->setObjectName(u"ArmorSQL"_qs);
            p->setPlainText(u"INSERT INTO custom_armor VALUES ('9001', 'Ágjy');"_qs);
            showAndFocus(host);
            return shot(p, p->viewport()->geometry());
        }},
    {"OutputPaneSelection",
        [](QWidget *host) {
            // One long word wraps anywhere and fills the pane; all selected.
            auto *p = place(host, new QTextEdit, {10, 10, 120, 60});
            p->setObjectName(u"WSQL"_qs);
            p->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            p->setPlainText(QString(400, u'W'));
            showAndFocus(host, p);
            p->selectAll();
            return shot(p, p->viewport()->geometry().adjusted(6, 6, -6, -6));
        }},
    {"MessageBox",
        [](QWidget *host) {
            auto *box = new QMessageBox(
                QMessageBox::Critical, u"Error"_qs, u"Style 'Carbon' not found"_qs, QMessageBox::NoButton, host);
            box->addButton(u"&Close"_qs, QMessageBox::RejectRole);
            box->show();
            QApplication::processEvents();
            const auto *label = box->findChild<QLabel *>(u"qt_msgbox_label"_qs);
            return shot(box, label ? label->geometry() : box->rect());
        }},
    {"Tooltip",
        [](QWidget *host) {
            showAndFocus(host);
            QToolTip::showText(host->mapToGlobal(QPoint(20, 20)), u"ID do item Ágjy"_qs, host);
            QApplication::processEvents();
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->inherits("QTipLabel") && w->isVisible())
                    return shot(w, inner(w, 1));
            return std::pair<QImage, QRect>{};
        }},
};

class CarbonText : public Carbon, public ::testing::WithParamInterface<Case> { };

TEST_P(CarbonText, IsReadable)
{
    const auto [picture, region] = GetParam().render(host.get());
    ASSERT_FALSE(picture.isNull()) << "nothing was drawn";
    ASSERT_FALSE(region.isEmpty());
    const Reading r = read(picture, region);
    EXPECT_GE(r.ratio, kReadable) << describe(r);
}

INSTANTIATE_TEST_SUITE_P(Widgets, CarbonText, ::testing::ValuesIn(kCases),
    [](const ::testing::TestParamInfo<Case> &info) { return std::string(info.param.name); });

// --- fixed boxes -----------------------------------------------------------

TEST_F(Carbon, OneLineFitsTheWindowsSmallBoxes)
{
    QLineEdit edit(host.get());
    QComboBox combo(host.get());
    combo.setEditable(true);
    combo.addItem(u"Ágjy"_qs);
    QPushButton button(u"Ágjy"_qs, host.get());
    edit.setGeometry(0, 0, 60, 21);
    combo.setGeometry(0, 30, 60, 21);
    button.setGeometry(0, 60, 60, 25);
    showHost();

    // At the window's fixed heights (21 pixels for inputs, at least 25 for
    // buttons) every box leaves room for a whole line of text.
    const int line = edit.fontMetrics().height();
    EXPECT_LE(edit.minimumSizeHint().height(), 21);
    EXPECT_GE(combo.lineEdit()->height(), line);
    EXPECT_LE(button.minimumSizeHint().height(), 25);
}

} // namespace
