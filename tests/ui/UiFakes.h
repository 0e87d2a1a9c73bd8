#pragma once

#include "DownloadRun.h"
#include "FrmMain.h"
#include "ImageList.h"
#include "MenuCommands.h"
#include "ModalDialogs.h"
#include "Pause.h"
#include "TrayBackend.h"
#include "TrayIcon.h"

#include <QUrl>
#include <memory>

// A notification area that records "add:KEY:TIP", "modify:KEY:TIP" and "remove" lines;
// activate() plays a mouse event on the icon.
class RecordingTray : public TrayBackend
{
public:
    bool available = true;
    QStringList calls;

    bool isAvailable() const override { return available; }
    void add(const QIcon &icon, const QString &tip) override { record("add:", icon, tip); }
    void modify(const QIcon &icon, const QString &tip) override { record("modify:", icon, tip); }
    void remove() override { calls << QStringLiteral("remove"); }
    void activate(QSystemTrayIcon::ActivationReason reason) { Q_EMIT activated(reason); }

private:
    void record(const char *call, const QIcon &icon, const QString &tip)
    {
        QString key = QStringLiteral("?");
        for (ImageKey k :
             {ImageKey::On, ImageKey::Off, ImageKey::Stopped, ImageKey::IsImage, ImageKey::NoImage})
            if (ImageList::icon(k).cacheKey() == icon.cacheKey())
                key = imageKeyName(k);
        calls << QLatin1String(call) + key + QLatin1Char(':') + tip;
    }
};

// Answers the program's modal dialogs in place of a user, opens no file and starts no
// program; whileShown runs while a dialog "is open".
struct UserStandIn
{
    QList<ModalDialogs::Request> requests;
    QList<QUrl> opened;
    bool openSucceeds = true;
    std::function<void()> whileShown;

    void install()
    {
        ModalDialogs::setHook([this](const ModalDialogs::Request &request) {
            requests << request;
            if (whileShown)
                whileShown();
            return std::optional<QString>();
        });
        MenuCommands::setProgramStarter([](const QString &) { return false; });
        MenuCommands::setFileOpener([this](const QUrl &file) {
            opened << file;
            return openSucceeds;
        });
    }
};

// The main window started as the program starts it, with a recording tray and pauses of
// a millisecond per second.
inline std::unique_ptr<FrmMain> startWindow(RecordingTray **tray = nullptr)
{
    auto window = std::make_unique<FrmMain>();
    auto backend = std::make_unique<RecordingTray>();
    if (tray)
        *tray = backend.get();
    window->tray().setBackend(std::move(backend));
    window->run().pause().setUnitMs(1);
    window->start();
    return window;
}
