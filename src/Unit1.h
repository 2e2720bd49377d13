#pragma once

#include <QWidget>

#include <vector>

class QLabel;
class QTabWidget;
class TRichEdit;

namespace composer {
struct RecordPage;
}

// The program's one window: the banner and five pages, four record pages
// built from their declarations and the Info page. Every control carries its
// declared name as its object name.
class TMain : public QWidget {
    Q_OBJECT

public:
    explicit TMain(QWidget *parent = nullptr);

    // The click handlers of the window's ten buttons; each ignores its sender.
    void ArmorAddClick(QObject *Sender);
    void ArmorSQLClearClick(QObject *Sender);
    void EtcItemAddClick(QObject *Sender);
    void EtcSQLClearClick(QObject *Sender);
    void WAddClick(QObject *Sender);
    void WSQLClearClick(QObject *Sender);
    void Button1Click(QObject *Sender);
    void ArmorSetSQLClearClick(QObject *Sender);
    void Button2Click(QObject *Sender);
    void Button3Click(QObject *Sender);

private:
    struct RecordPageWidgets {
        const composer::RecordPage *decl;
        std::vector<QWidget *> inputs; // in declaration order
        TRichEdit *pane;
    };

    void buildRecordPage(const composer::RecordPage &decl, QWidget *page);
    void buildInfoPage(QWidget *page);
    void buildPagesBehind();
    void chainFocusOrder();
    const RecordPageWidgets &widgetsOf(const composer::RecordPage &page) const;
    void AddStatement(const composer::RecordPage &page);
    void ClearPane(const composer::RecordPage &page);

    QLabel *Image1;
    QTabWidget *PageControl1;
    std::vector<RecordPageWidgets> m_recordPages;
    std::vector<QWidget *> m_focusOrder; // from the tab strip, page by page
};
