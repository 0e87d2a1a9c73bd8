#include "ImageSaver.h"

#include "FileOps.h"
#include "MainWindowElements.h"
#include "RunSettings.h"
#include "SaveFiles.h"
#include "SaveNaming.h"
#include "ShownTexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// Drawing this many random names before searching in order keeps a crowded directory from
// turning the automatic rename into an endless loop.
constexpr int maxRandomDraws = 1000;

// Stands in for the temporary file when none could be made: takes the body and drops it.
class DiscardDevice : public QIODevice
{
protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 len) override { return len; }
};

} // namespace

using namespace SaveFiles;

struct ImageSaver::Private
{
    const RunSettings &settings;
    MainWindowElements &window;
    std::unique_ptr<QFile> body; // open while the body arrives
    QString bodyPath;            // the temporary file holding the body
    QString bodyDir;             // the directory as beginBody() was given it
    QString bodyProblem;         // why there is no temporary file
    std::unique_ptr<DiscardDevice> discard;
    QString previewCopy; // the body kept for the preview when saving is off
    QStringList cleanedDirs;
    QString plannedTarget; // the name the prompt gave before the fetch

    using Verb = LogLines::Placement;

    void removeBody();
    bool finishBody(QString *problem);
    bool moveBodyTo(const QString &dir, QString *problem);
    Outcome place(const QString &url, QString target, Verb verb);
    Outcome overwrite(const QString &url, const QString &target);
    Outcome notSaved(const QString &url);
    Outcome wrote(const QString &url, const QString &target, Verb verb);
    Outcome skipped(const QString &target, const QString &logText);
    Outcome failed(const QString &url, const QString &target, const QString &reason);
    bool askForName(QString *target);
    bool findAutoName(const QString &url, QString *target, QString *problem);
};

void ImageSaver::Private::removeBody()
{
    body.reset();
    if (!bodyPath.isEmpty())
        QFile::remove(bodyPath);
    bodyPath.clear();
    bodyProblem.clear();
    discard.reset();
}

bool ImageSaver::Private::finishBody(QString *problem)
{
    if (!body) {
        *problem =
            bodyProblem.isEmpty() ? QStringLiteral("no response body was received") : bodyProblem;
        return false;
    }
    // close() forgets an earlier write error, so look before closing. No fsync here: it
    // costs ten times the download of a small picture. A process that dies still leaves
    // only complete files; a power cut may cut short the newest pictures, as it would
    // for any download tool. An overwrite syncs first, so the old picture is never lost.
    bool ok = body->error() == QFileDevice::NoError && body->flush();
    if (!ok)
        *problem = body->errorString();
    body->close();
    if (ok && body->error() != QFileDevice::NoError) {
        *problem = body->errorString();
        ok = false;
    }
    body.reset();
    return ok;
}

// The options may have been applied while the body arrived; it goes where they say now.
bool ImageSaver::Private::moveBodyTo(const QString &dir, QString *problem)
{
    // The same text needs no look at the file system (two canonical paths cost six
    // readlink calls per picture).
    if (dir == bodyDir || sameDirectory(QFileInfo(bodyPath).absolutePath(), dir))
        return true;
    std::unique_ptr<QFile> fresh = createTemp(dir, problem);
    if (!fresh)
        return false;
    if (renameReplace(bodyPath, fresh->fileName()) != 0) {
        // Another file system: copy, then drop the old one.
        if (!copyContents(bodyPath, *fresh, problem)) {
            fresh->close();
            QFile::remove(fresh->fileName());
            return false;
        }
        QFile::remove(bodyPath);
    }
    fresh->close();
    bodyPath = fresh->fileName();
    bodyDir = dir;
    return true;
}

ImageSaver::Outcome ImageSaver::Private::wrote(const QString &url, const QString &target, Verb verb)
{
    bodyPath.clear();
    Outcome out;
    out.target = target;
    out.previewPath = target;
    out.wrote = true;
    out.logText = LogLines::wrote(url, verb, target);
    return out;
}

ImageSaver::Outcome ImageSaver::Private::skipped(const QString &target, const QString &logText)
{
    removeBody();
    Outcome out;
    out.target = target;
    out.previewPath = FileOps::FileExists(target) ? target : QString();
    out.logText = logText;
    return out;
}

ImageSaver::Outcome ImageSaver::Private::failed(const QString &url, const QString &target,
                                                const QString &reason)
{
    removeBody();
    Outcome out;
    out.target = target;
    out.failed = true;
    out.reason = reason;
    out.logText = LogLines::couldNotSave(url, target, reason);
    window.setStatusText(ShownTexts::couldNotSave(target, reason));
    return out;
}

ImageSaver::Outcome ImageSaver::Private::notSaved(const QString &url)
{
    QString problem;
    if (!bodyPath.isEmpty() && moveBodyTo(QDir::tempPath(), &problem)) {
        previewCopy = bodyPath;
        bodyPath.clear();
    }
    removeBody();
    Outcome out;
    out.previewPath = previewCopy;
    out.logText = LogLines::notSaved(url);
    return out;
}

// Asks until the answer names a free file (true, target set to it) or is empty (false).
// Names tried here are not shown as the status text; the prompt's title shows them.
bool ImageSaver::Private::askForName(QString *target)
{
    const QString prompt = ShownTexts::newNamePrompt();
    for (;;) {
        window.beep();
        QString answer;
        if (!window.promptForName(*target, prompt, &answer) || answer.isEmpty())
            return false;
        QString problem;
        const QString next =
            SaveNaming::promptedTarget(answer, *target, settings.save_dir, &problem);
        if (!problem.isEmpty())
            continue;
        *target = next;
        if (!pathTaken(next))
            return true;
    }
}

bool ImageSaver::Private::findAutoName(const QString &url, QString *target, QString *problem)
{
    for (int draw = 0; draw < maxRandomDraws; ++draw) {
        const QString candidate = SaveNaming::makeAutoName(url, settings, window, problem);
        if (!problem->isEmpty())
            return false;
        if (!pathTaken(candidate)) {
            *target = candidate;
            return true;
        }
    }
    for (int number = 10000; number <= 99999; ++number) {
        const QString candidate = FileOps::BuildPath(
            settings.save_dir, SaveNaming::composeName(url, settings.append_str, settings.is_header,
                                                       SaveNaming::autoSuffix(number)));
        if (!pathTaken(candidate)) {
            window.setStatusText(candidate);
            *target = candidate;
            return true;
        }
    }
    return false;
}

// The new file takes the owner, group and permission bits of the old one; an old file
// without write permission for its owner was made read-only on purpose and stays. Decided on the
// mode bits, so that it holds for every user. A symbolic link is replaced, never written through.
ImageSaver::Outcome ImageSaver::Private::overwrite(const QString &url, const QString &target)
{
    struct stat old;
    if (::lstat(native(target).constData(), &old) == 0 && S_ISREG(old.st_mode)) {
        // Replacing a file goes by the directory's permission; the file's own says whether
        // the user may change it, and a file they may not write stays as it is.
        if ((old.st_mode & S_IWUSR) == 0 || ::access(native(target).constData(), W_OK) != 0)
            return failed(url, target, QStringLiteral("the existing file is read-only"));
        // The picture stays its owner's (root saving into a user's folder must not take
        // it over). Who may not give a file away keeps at least its group, where allowed.
        const QByteArray body = native(bodyPath);
        if (::chown(body.constData(), old.st_uid, old.st_gid) != 0 &&
            ::chown(body.constData(), uid_t(-1), old.st_gid) != 0) {
            // Neither: the new file is the saver's, as any file it creates.
        }
        if (::chmod(native(bodyPath).constData(), old.st_mode & 0777) != 0)
            return failed(url, target, qt_error_string(errno));
    }
    // rename() replaces in one step: the old file stays whole until then, and the new
    // content is on disk before the old one goes.
    const int error = syncToDisk(bodyPath) ? renameReplace(bodyPath, target) : errno;
    if (error != 0)
        return failed(url, target, qt_error_string(error));
    return wrote(url, target, Verb::Overwriting);
}

ImageSaver::Outcome ImageSaver::Private::place(const QString &url, QString target, Verb verb)
{
    const IfExistsPolicy policy = settings.if_exists;
    for (;;) {
        // The move itself says whether the name is taken, by a file, a folder or a link.
        const int error = renameNoReplace(bodyPath, target);
        if (error == 0)
            return wrote(url, target, verb);
        if (error != EEXIST)
            return failed(url, target, qt_error_string(error));
        switch (policy) {
        case IfExistsPolicy::Skip:
            return skipped(target, LogLines::fileExists(url));
        case IfExistsPolicy::Overwrite:
            return overwrite(url, target);
        case IfExistsPolicy::Rename: {
            QString problem;
            if (!findAutoName(url, &target, &problem)) {
                if (!problem.isEmpty())
                    return failed(url, target, problem);
                return skipped(target, LogLines::noFreeName(url));
            }
            verb = Verb::Autonaming;
            break;
        }
        case IfExistsPolicy::Prompt:
        default: // a value outside the enum asks, as the stored fallback does
            if (!askForName(&target))
                return skipped(target, LogLines::fileExists(url));
            verb = Verb::Renaming;
            break;
        }
    }
}

ImageSaver::ImageSaver(const RunSettings &settings, MainWindowElements &window)
    : d(new Private{settings, window, {}, {}, {}, {}, {}, {}, {}, {}})
{
}

ImageSaver::~ImageSaver()
{
    discardBody();
}

QIODevice *ImageSaver::beginBody()
{
    discardBody();
    const QString dir = d->settings.is_save ? d->settings.save_dir : QDir::tempPath();
    if (dir.isEmpty()) {
        d->bodyProblem = QStringLiteral("no save directory is set");
    } else {
        // Leftovers of a killed run are cleared the first time a directory is used.
        if (!d->cleanedDirs.contains(dir)) {
            d->cleanedDirs.append(dir);
            removeLeftovers(dir);
        }
        d->body = createTemp(dir, &d->bodyProblem);
    }
    if (d->body) {
        d->bodyPath = d->body->fileName();
        d->bodyDir = dir;
        return d->body.get();
    }
    d->discard = std::make_unique<DiscardDevice>();
    d->discard->open(QIODevice::WriteOnly);
    return d->discard.get();
}

QString ImageSaver::bodyProblem() const
{
    return d->body ? QString() : d->bodyProblem;
}

bool ImageSaver::settlesBeforeFetch(const QString &url) const
{
    const RunSettings &s = d->settings;
    const IfExistsPolicy policy = s.if_exists;
    if (!s.is_save || s.save_dir.isEmpty() ||
        (policy != IfExistsPolicy::Skip && policy != IfExistsPolicy::Prompt))
        return false;
    QString problem;
    const QString target = SaveNaming::targetInDir(
        s.save_dir, SaveNaming::composeName(url, s.append_str, s.is_header), &problem);
    return problem.isEmpty() && pathTaken(target);
}

bool ImageSaver::settleBeforeFetch(const QString &url, Outcome *out)
{
    d->plannedTarget.clear();
    if (!settlesBeforeFetch(url))
        return false;
    const RunSettings &s = d->settings;
    const IfExistsPolicy policy = s.if_exists;
    QString target = SaveNaming::targetInDir(
        s.save_dir, SaveNaming::composeName(url, s.append_str, s.is_header));
    d->window.setStatusText(target);
    if (policy == IfExistsPolicy::Prompt && d->askForName(&target)) {
        d->plannedTarget = target;
        return false;
    }
    *out = d->skipped(target, LogLines::fileExists(url));
    return true;
}

ImageSaver::Outcome ImageSaver::saveImage(const QString &url)
{
    const QString planned = std::exchange(d->plannedTarget, QString());
    QString bodyProblem;
    const bool haveBody = d->finishBody(&bodyProblem);
    if (!d->settings.is_save) {
        if (!haveBody)
            d->removeBody();
        return d->notSaved(url);
    }
    QString problem;
    QString target;
    if (planned.isEmpty()) {
        target = SaveNaming::makeSavePath(url, d->settings, d->window, &problem);
    } else {
        target = planned;
        d->window.setStatusText(target);
    }
    if (d->settings.save_dir.isEmpty())
        problem = QStringLiteral("no save directory is set");
    else if (!haveBody)
        problem = bodyProblem;
    if (!problem.isEmpty() || !d->moveBodyTo(d->settings.save_dir, &problem))
        return d->failed(url, target, problem);
    return d->place(url, target,
                    planned.isEmpty() ? Private::Verb::Saving : Private::Verb::Renaming);
}

void ImageSaver::discardBody()
{
    d->removeBody();
    if (!d->previewCopy.isEmpty())
        QFile::remove(d->previewCopy);
    d->previewCopy.clear();
}

void ImageSaver::removeLeftovers(const QString &dir)
{
    // No name filter: QDir would compile it into a regular expression at every run, and
    // tempNamePid() passes over other names at their first letters.
    const QDir directory(dir);
    const QStringList names =
        directory.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &name : names) {
        if (isDeadProcess(SaveNaming::tempNamePid(name)))
            QFile::remove(directory.filePath(name));
    }
}
