#pragma once

#include <QTextEdit>

// The output pane: a multi-line rich-text area that the user may edit
// freely. Lines wrap at the right edge for display only, there are no scroll
// bars, Tab moves the focus on and the selection is hidden while the pane
// does not have the focus.
class TRichEdit : public QTextEdit {
    Q_OBJECT

public:
    // The most characters the pane holds, line breaks counted as one each.
    static constexpr qsizetype kCapacity = 64 * 1024;

    explicit TRichEdit(QWidget *parent = nullptr);

    // Adds `line` as the new last line of the pane, leaving the text already
    // there unchanged: after a pane that is empty or ends with a line break
    // the line and a break go in, after text that no break follows a break
    // and the line. Returns false and changes nothing when the result would
    // exceed the capacity. The cost does not depend on the pane's length.
    bool addLine(QStringView line);

    // The number of characters in the pane.
    qsizetype length() const;

protected:
    void changeEvent(QEvent *event) override;
    // The user's typing and pasting are held to the capacity too.
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    void hideInactiveSelection();
    // How many characters may replace the current selection.
    qsizetype room() const;
};
