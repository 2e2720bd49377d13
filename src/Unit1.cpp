#include "Unit1.h"

#include "RecordPage.h"
#include "Statement.h"
#include "TApplication.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TRichEdit.h"

#include <QDesktopServices>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>
#include <QUrl>

#include <algorithm>

namespace {

using composer::InputDecl;
using composer::InputKind;
using composer::Placement;
using composer::RecordPage;
using composer::ToQString;

// The forum that both Info page buttons lead to.
constexpr QStringView kForumHost = u"www.quarnet.com.br";
constexpr QStringView kDeveloperPath = u"/forum/index.php?/user/1-tamsk/";
constexpr QStringView kTopicPath = u"/forum/index.php?/topic/93-quarnet-varnholt/";

QUrl ForumUrl(QStringView path)
{
    return QUrl(u"http://"_qs + kForumHost.toString() + path.toString());
}

QRect ToRect(Placement place)
{
    return QRect(place.left, place.top, place.width, place.height);
}

// Which handlers each record page's "Add" and "Limpar Linhas" buttons call.
struct RecordPageWiring {
    const RecordPage *page;
    void (TMain::*addClick)(QObject *);
    void (TMain::*clearClick)(QObject *);
};

const RecordPageWiring kWiring[] = {
    {&composer::kArmorPage, &TMain::ArmorAddClick, &TMain::ArmorSQLClearClick},
    {&composer::kEtcItemPage, &TMain::EtcItemAddClick, &TMain::EtcSQLClearClick},
    {&composer::kWeaponPage, &TMain::WAddClick, &TMain::WSQLClearClick},
    {&composer::kArmorSetsPage, &TMain::Button1Click, &TMain::ArmorSetSQLClearClick},
};

template<class Widget> Widget *Create(QWidget *parent, composer::Text name, Placement place)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(ToQString(name));
    widget->setGeometry(ToRect(place));
    return widget;
}

QPushButton *CreateButton(QWidget *parent, QStringView name, QStringView caption, QRect place)
{
    auto *button = new QPushButton(caption.toString(), parent);
    button->setObjectName(name.toString());
    button->setGeometry(place);
    // Enter presses a focused button as Space does; outside a dialog this
    // makes no button the window's default.
    button->setAutoDefault(true);
    return button;
}

void AddPage(QTabWidget *pages, const QString &name, const QString &caption)
{
    auto *page = new QWidget;
    page->setObjectName(name);
    pages->addTab(page, caption);
}

QWidget *CreateInput(QWidget *page, const InputDecl &decl)
{
    const TypingRules rules{decl.maxLength, decl.digitsOnly};
    QWidget *input = nullptr;
    if (decl.kind == InputKind::Edit) {
        auto *edit = Create<TEdit>(page, decl.name, decl.place);
        edit->setAlignment(Qt::AlignCenter);
        edit->setText(ToQString(decl.defaultText));
        edit->setTextHint(ToQString(decl.placeholder));
        edit->setTypingRules(rules);
        input = edit;
    } else {
        auto *combo = Create<TComboBox>(page, decl.name, decl.place);
        for (composer::Text choice : decl.choices)
            combo->addItem(ToQString(choice));
        const int index = combo->findText(ToQString(decl.defaultText), Qt::MatchExactly);
        if (index >= 0)
            combo->setCurrentIndex(index);
        else
            combo->setEditText(ToQString(decl.defaultText));
        combo->setTypingRules(rules);
        input = combo;
    }
    // Only inputs that declare a tooltip show one.
    input->setToolTip(ToQString(decl.tooltip));

    auto *label = Create<QLabel>(page, decl.label.name, decl.label.place);
    label->setText(ToQString(decl.label.caption));
    // A label is as wide as its caption, which the declared width expects.
    // (Measured with the font's metrics: a label's own size hint lays its
    // text out three times over.)
    const QRect text = label->fontMetrics().boundingRect(QRect(), Qt::TextSingleLine, label->text());
    label->resize(std::max(label->width(), text.width()), label->height());
    label->setBuddy(input);
    input->setAccessibleName(label->text());
    return input;
}

QString InputText(const QWidget *input)
{
    if (const auto *edit = qobject_cast<const QLineEdit *>(input))
        return edit->text();
    return static_cast<const QComboBox *>(input)->currentText();
}

// The program icon's three images. Read from their PNG copies, which Qt
// decodes itself, rather than from the .ico file, which would load an image
// plugin at every start.
QIcon MainIcon()
{
    QIcon icon;
    for (int size : {16, 32, 64}) {
        QImageReader image(u":/icons/hicolor/%1x%1/apps/varnholt.png"_qs.arg(size), "png");
        image.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(image.read()));
    }
    return icon;
}

} // namespace

TMain::TMain(QWidget *parent)
    : QWidget(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(u"Main"_qs);
    setWindowTitle(u"Varnholt Quarnet"_qs);
    setWindowIcon(MainIcon());
    setFixedSize(838, 578);

    Image1 = new QLabel(this);
    Image1->setObjectName(u"Image1"_qs);
    Image1->setGeometry(0, 0, 838, 95);
    Image1->setAlignment(Qt::AlignCenter);
    // Named as the BMP it is, the banner is decoded without Qt first asking
    // every image plugin whether it can read it.
    QImageReader banner(u":/banner.bmp"_qs, "bmp");
    banner.setAutoDetectImageFormat(false);
    Image1->setPixmap(QPixmap::fromImage(banner.read()));

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(u"PageControl1"_qs);
    PageControl1->setGeometry(0, 95, 838, 483);
    PageControl1->setLayoutDirection(Qt::LeftToRight);
    PageControl1->setUsesScrollButtons(false);

    for (const RecordPageWiring &wiring : kWiring)
        AddPage(PageControl1, ToQString(wiring.page->name), ToQString(wiring.page->caption));
    AddPage(PageControl1, u"Info"_qs, u"Info"_qs);
    PageControl1->setCurrentIndex(0);

    // The page in front is built now and the four behind it as soon as the
    // event loop starts, which lets the window reach the screen sooner. No
    // input can come before them: the call is the first event waiting. The
    // focus order is set once every control exists.
    m_focusOrder = {PageControl1};
    buildRecordPage(*kWiring[0].page, PageControl1->widget(0));
    QMetaObject::invokeMethod(this, &TMain::buildPagesBehind, Qt::QueuedConnection);

    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen()->availableGeometry()));
}

void TMain::buildPagesBehind()
{
    for (int i = 1; i < int(std::size(kWiring)); ++i)
        buildRecordPage(*kWiring[i].page, PageControl1->widget(i));
    buildInfoPage(PageControl1->widget(int(std::size(kWiring))));
    chainFocusOrder();
}

// Tab and Shift+Tab walk from the tab strip through each page's controls in
// their declared order.
void TMain::chainFocusOrder()
{
    for (std::size_t i = 1; i < m_focusOrder.size(); ++i)
        setTabOrder(m_focusOrder[i - 1], m_focusOrder[i]);
}

void TMain::buildRecordPage(const RecordPage &decl, QWidget *page)
{
    RecordPageWidgets widgets{&decl, {}, nullptr};
    std::vector<std::pair<int, QWidget *>> focusable;
    for (const InputDecl &input : decl.inputs) {
        widgets.inputs.push_back(CreateInput(page, input));
        focusable.emplace_back(input.tabOrder, widgets.inputs.back());
    }

    const auto wiring = std::find_if(
        std::begin(kWiring), std::end(kWiring), [&decl](const RecordPageWiring &w) { return w.page == &decl; });
    QPushButton *add
        = CreateButton(page, ToQString(decl.add.name), ToQString(decl.add.caption), ToRect(decl.add.place));
    connect(add, &QPushButton::clicked, this, [this, add, handler = wiring->addClick] { (this->*handler)(add); });
    QPushButton *clear
        = CreateButton(page, ToQString(decl.clear.name), ToQString(decl.clear.caption), ToRect(decl.clear.place));
    connect(
        clear, &QPushButton::clicked, this, [this, clear, handler = wiring->clearClick] { (this->*handler)(clear); });

    widgets.pane = Create<TRichEdit>(page, decl.pane.name, decl.pane.place);
    QFont paneFont(u"Tahoma"_qs);
    paneFont.setPixelSize(11);
    widgets.pane->setFont(paneFont);
    QPalette palette = widgets.pane->palette();
    palette.setBrush(QPalette::Text, palette.highlight());
    widgets.pane->setPalette(palette);

    focusable.emplace_back(decl.add.tabOrder, add);
    focusable.emplace_back(decl.clear.tabOrder, clear);
    focusable.emplace_back(decl.pane.tabOrder, widgets.pane);
    std::sort(focusable.begin(), focusable.end());
    for (const auto &entry : focusable)
        m_focusOrder.push_back(entry.second);

    m_recordPages.push_back(std::move(widgets));
}

void TMain::buildInfoPage(QWidget *page)
{
    auto *group = new QGroupBox(u"Informações"_qs, page);
    group->setObjectName(u"GroupBox1"_qs);
    group->setGeometry(3, 3, 807, 110);
    // Fusion stands a group box's caption above its frame; this one sets it
    // into the frame's top edge at the left.
    group->setStyleSheet(u"QGroupBox { border: 1px solid palette(light); border-radius: 2px; margin-top: 6px; }"
                         u"QGroupBox::title { subcontrol-origin: margin; left: 7px; padding: 0 2px; }"_qs);

    auto *sentence
        = new QLabel(u"Aplicativo desenvolvido para ajudar a adaptar itens custom para o projeto Quarnet."_qs, group);
    sentence->setObjectName(u"Label81"_qs);
    sentence->move(208, 24);
    sentence->adjustSize();

    // The buttons belong to the page but stand inside the frame, over it.
    QPushButton *developer = CreateButton(page, u"Button2", u"Desenvolvedor", QRect(296, 55, 105, 34));
    connect(developer, &QPushButton::clicked, this, [this, developer] { Button2Click(developer); });
    QPushButton *topic = CreateButton(page, u"Button3", u"Visitar Tópico", QRect(416, 55, 105, 34));
    connect(topic, &QPushButton::clicked, this, [this, topic] { Button3Click(topic); });

    m_focusOrder.push_back(developer);
    m_focusOrder.push_back(topic);
}

const TMain::RecordPageWidgets &TMain::widgetsOf(const RecordPage &page) const
{
    return *std::find_if(m_recordPages.begin(), m_recordPages.end(),
        [&page](const RecordPageWidgets &widgets) { return widgets.decl == &page; });
}

void TMain::AddStatement(const RecordPage &page)
{
    const RecordPageWidgets &widgets = widgetsOf(page);
    std::vector<QString> texts;
    texts.reserve(widgets.inputs.size());
    for (const QWidget *input : widgets.inputs)
        texts.push_back(InputText(input));

    if (!widgets.pane->addLine(composer::ComposeStatement(page.statement, texts)))
        TApplication::ShowException(u"RichEdit line insertion error"_qs);
}

void TMain::ClearPane(const RecordPage &page)
{
    widgetsOf(page).pane->clear();
}

void TMain::ArmorAddClick(QObject *)
{
    AddStatement(composer::kArmorPage);
}

void TMain::ArmorSQLClearClick(QObject *)
{
    ClearPane(composer::kArmorPage);
}

void TMain::EtcItemAddClick(QObject *)
{
    AddStatement(composer::kEtcItemPage);
}

void TMain::EtcSQLClearClick(QObject *)
{
    ClearPane(composer::kEtcItemPage);
}

void TMain::WAddClick(QObject *)
{
    AddStatement(composer::kWeaponPage);
}

void TMain::WSQLClearClick(QObject *)
{
    ClearPane(composer::kWeaponPage);
}

void TMain::Button1Click(QObject *)
{
    AddStatement(composer::kArmorSetsPage);
}

void TMain::ArmorSetSQLClearClick(QObject *)
{
    ClearPane(composer::kArmorSetsPage);
}

void TMain::Button2Click(QObject *)
{
    QDesktopServices::openUrl(ForumUrl(kDeveloperPath));
}

void TMain::Button3Click(QObject *)
{
    QDesktopServices::openUrl(ForumUrl(kTopicPath));
}
