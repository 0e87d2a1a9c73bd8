#pragma once

#include "KeyValueSource.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QWidget;

// Finds and starts the operating system's system-information viewer for the about box.
// On Windows two registry values say where it is; elsewhere the first viewer found on the
// PATH from a short list is started. When nothing can be started the user gets one notice.
class SysInfo
{
public:
    // The outside effects, replaceable so that tests neither block on a message box nor
    // start real programs.
    struct Hooks
    {
        // Starts program without a shell; false when it could not be started.
        std::function<bool(const QString &program)> startProgram;
        std::function<void(QWidget *parent, const QString &caption, const QString &text)>
            showMessage;
    };

    SysInfo();

    void setSource(std::shared_ptr<const KeyValueSource> source);
    void setHooks(Hooks hooks);
    // Program names tried in order when the registry names no viewer.
    void setViewerCandidates(const QStringList &names);
    // Directories searched for those names; empty means the PATH.
    void setSearchPaths(const QStringList &paths);

    void StartSysInfo(QWidget *parent);

    // Reads one value into KeyVal. Text values lose a trailing NUL, 32-bit numbers become
    // decimal text; other types leave KeyVal as it was. A missing key or value, or one of
    // more than 1024 bytes, empties KeyVal and gives false.
    static bool GetKeyValue(const KeyValueSource &source, quint32 KeyRoot, const QString &KeyName,
                            const QString &SubKeyRef, QString &KeyVal);

    static QString unavailableText();

private:
    bool startViewer();
    bool startFromSearch();

    std::shared_ptr<const KeyValueSource> m_source;
    Hooks m_hooks;
    QStringList m_candidates;
    QStringList m_searchPaths;
};
