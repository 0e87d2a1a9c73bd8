#pragma once

#include <QString>
#include <memory>

struct RunSettings;
class MainWindowElements;
class QFile;
class QIODevice;

// Saves the body of an image response under the name derived from its address, with the
// collision policy of if_exists. The body streams into a temporary file in the save
// directory while it arrives; the file appears under its final name only when complete.
class ImageSaver
{
public:
    ImageSaver(const RunSettings &settings, MainWindowElements &window);
    ~ImageSaver();

    // Opens a fresh temporary file for the next response's body and returns it as the
    // transfer's sink. Never null: when no temporary file can be made in the save
    // directory, the body goes to a device that only counts it, and saveImage() then
    // reports the reason.
    QIODevice *beginBody();
    // Why beginBody() could make no temporary file; empty when it made one.
    QString bodyProblem() const;

    struct Outcome
    {
        QString target;      // the final target path ("" when no name could be formed)
        QString logText;     // the line for the log
        QString previewPath; // the file the preview shows ("" for none)
        bool wrote = false;  // a file was written under target
        bool failed = false; // the save failed; reason says why (also shown as status)
        QString reason;
    };

    // Before the fetch, with the policy skip or prompt and the target name already taken:
    // skip answers at once, the prompt asks for a new name. Returns true with out filled
    // when the attempt is settled without a request (skipped, or the prompt cancelled);
    // false when the picture is to be fetched, under the name the prompt gave if it asked.
    bool settleBeforeFetch(const QString &url, Outcome *out);
    // Whether settleBeforeFetch() would answer without a request or ask (the name is taken
    // under skip or prompt): what it shows and asks must wait for the attempt's turn.
    bool settlesBeforeFetch(const QString &url) const;

    // The response was an image and its body is complete: name it, apply the collision
    // policy (which may prompt through the window), move the body into place, compose the
    // log line. Status texts (target path, drawn names) go to the window as they arise.
    // The preview file stays valid until the next beginBody() or discardBody().
    Outcome saveImage(const QString &url);

    // Drops the body of the current response (not an image, or the fetch failed), and any
    // preview copy kept for "Do Not Save".
    void discardBody();

    // Removes temporary files left in dir by copies of the program that no longer run.
    static void removeLeftovers(const QString &dir);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
