#pragma once

#include <QLineEdit>

class QMimeData;

// The text field of url1. A whole address pasted or dropped into it (one copied from a
// browser) is handed on with wholeAddressPasted instead of being inserted, so that the
// window can spread it over the three inputs; anything else is pasted as usual, and typing
// is untouched.
class AddressLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit AddressLineEdit(QWidget *parent = nullptr);

    // An address with a scheme ("https://..."), or a host with a dot followed by a path
    // ("x.org/g/pic01.jpg"); a single line without blanks.
    static bool looksLikeWholeAddress(const QString &text);
    // The address a drop or a paste carries: the first link of a link list, else the text.
    static QString addressIn(const QMimeData *data);

    // Pastes text as a paste from the clipboard would be.
    void pasteText(const QString &text);

Q_SIGNALS:
    void wholeAddressPasted(const QString &address);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
};
