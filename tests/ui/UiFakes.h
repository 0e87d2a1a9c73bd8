#pragma once

#include "ImageList.h"
#include "MenuCommands.h"
#include "ModalDialogs.h"
#include "TrayBackend.h"

#include <QList>
#include <QStringList>
#include <QUrl>
#include <optional>

// A notification area that records what it is asked to show, as "add:KEY:TIP",
// "modify:KEY:TIP" and "remove" lines; activate() plays a mouse event on the icon.
class RecordingTray : public TrayBackend
{
public:
    bool available = true;
    QStringList calls;

    bool isAvailable() const override { return available; }
    void add(const QIcon &icon, const QString &tip) override
    {
        calls << QStringLiteral("add:") + keyOf(icon) + QLatin1Char(':') + tip;
    }
    void modify(const QIcon &icon, const QString &tip) override
    {
        calls << QStringLiteral("modify:") + keyOf(icon) + QLatin1Char(':') + tip;
    }
    void remove() override { calls << QStringLiteral("remove"); }
    void activate(QSystemTrayIcon::ActivationReason reason) { Q_EMIT activated(reason); }

private:
    static QString keyOf(const QIcon &icon)
    {
        for (ImageKey key : {ImageKey::On, ImageKey::Off, ImageKey::Stopped, ImageKey::IsImage,
                             ImageKey::NoImage}) {
            if (ImageList::icon(key).cacheKey() == icon.cacheKey())
                return imageKeyName(key);
        }
        return QStringLiteral("?");
    }
};

// Answers the program's modal dialogs in place of a user and keeps what they said.
struct DialogRecorder
{
    QList<ModalDialogs::Request> requests;
    QList<std::optional<QString>> answers;
    std::function<void()> whileShown; // runs while a dialog "is open"

    void install()
    {
        ModalDialogs::setHook([this](const ModalDialogs::Request &request) {
            requests << request;
            if (whileShown)
                whileShown();
            if (request.kind == ModalDialogs::Request::Prompt && !answers.isEmpty())
                return answers.takeFirst();
            return std::optional<QString>();
        });
    }
    QStringList texts() const
    {
        QStringList result;
        for (const auto &r : requests)
            result << r.text;
        return result;
    }
};

// Records instead of opening files, and never starts a program.
struct LaunchRecorder
{
    QList<QUrl> opened;
    bool openSucceeds = true;

    void install()
    {
        MenuCommands::setProgramStarter([](const QString &) { return false; });
        MenuCommands::setFileOpener([this](const QUrl &file) {
            opened << file;
            return openSucceeds;
        });
    }
};
