#include "AddressLineEdit.h"

#include "AddressSplit.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

AddressLineEdit::AddressLineEdit(QWidget *parent) : QLineEdit(parent) {}

bool AddressLineEdit::looksLikeWholeAddress(const QString &text)
{
    const QString address = text.trimmed();
    if (address.isEmpty())
        return false;
    for (const QChar c : address) {
        if (c.isSpace())
            return false;
    }
    if (AddressSplit::hasScheme(address))
        return true;
    const qsizetype slash = address.indexOf(QLatin1Char('/'));
    if (slash <= 0)
        return false;
    const QString host = address.left(slash);
    const qsizetype dot = host.indexOf(QLatin1Char('.'));
    return dot > 0 && dot < host.size() - 1;
}

QString AddressLineEdit::addressIn(const QMimeData *data)
{
    if (!data)
        return {};
    // Browsers send a dragged link both ways; the link list holds it exactly.
    if (data->hasUrls() && !data->urls().isEmpty())
        return QString::fromUtf8(data->urls().constFirst().toEncoded());
    return data->text();
}

void AddressLineEdit::pasteText(const QString &text)
{
    if (looksLikeWholeAddress(text)) {
        Q_EMIT wholeAddressPasted(text.trimmed());
        return;
    }
    insert(text);
}

void AddressLineEdit::keyPressEvent(QKeyEvent *event)
{
    if (event == QKeySequence::Paste && !isReadOnly()) {
        pasteText(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void AddressLineEdit::mouseReleaseEvent(QMouseEvent *event)
{
    // The middle button pastes the selection on X11.
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection() &&
        looksLikeWholeAddress(clipboard->text(QClipboard::Selection))) {
        pasteText(clipboard->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void AddressLineEdit::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The menu's own Paste would insert the whole address into this one box. It is known by
    // its caption, in the words the line edit gives it.
    const QString caption = QCoreApplication::translate("QLineEdit", "&Paste");
    for (QAction *action : menu->actions()) {
        if (!action->text().startsWith(caption))
            continue;
        action->disconnect();
        connect(action, &QAction::triggered, this,
                [this] { pasteText(QGuiApplication::clipboard()->text(QClipboard::Clipboard)); });
    }
    menu->popup(event->globalPos());
}

void AddressLineEdit::dragEnterEvent(QDragEnterEvent *event)
{
    // A link list without plain text is still an address.
    if (looksLikeWholeAddress(addressIn(event->mimeData())))
        event->acceptProposedAction();
    else
        QLineEdit::dragEnterEvent(event);
}

void AddressLineEdit::dragMoveEvent(QDragMoveEvent *event)
{
    if (looksLikeWholeAddress(addressIn(event->mimeData())))
        event->acceptProposedAction();
    else
        QLineEdit::dragMoveEvent(event);
}

void AddressLineEdit::dropEvent(QDropEvent *event)
{
    const QString address = addressIn(event->mimeData());
    if (!looksLikeWholeAddress(address)) {
        QLineEdit::dropEvent(event);
        return;
    }
    event->acceptProposedAction();
    Q_EMIT wholeAddressPasted(address.trimmed());
}
