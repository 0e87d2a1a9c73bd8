#pragma once

#include <QString>

struct RunCounts;

// The texts the engine shows to people, each built by one named function that the engine
// and the tests both call: a changed text breaks only the tests about that text.
class ShownTexts
{
public:
    // Status texts while an attempt goes on.
    static QString opening(const QString &url);
    // Opening, while other pictures of the series are fetched at the same time.
    static QString openingInFlight(const QString &url, int inFlight);
    static QString inFlight(int count); // "3 in flight"
    static QString opened(const QString &url);
    static QString waiting(int seconds); // the countdown of a wait the server asked for
    static QString failed(const QString &url, const QString &reason);
    static QString couldNotSave(const QString &target, const QString &reason);

    // The end of a run: "downloading completed (N saved" and the other counts that are not
    // zero, then "; " and reason when there is one, then ")".
    static QString summary(const RunCounts &counts, const QString &reason);
    // Why a run ended early after misses in a row: the end of the series.
    static QString seriesEnded(int misses);
    // Why a run that never found a picture ended after misses in a row.
    static QString missesInRow(int misses);

    // The tray tooltip after an attempt on a file, and while no run is going.
    static QString trayTip(const QString &fileName);
    static QString idleTrayTip();

    // The prompt for a new name when the target is taken.
    static QString newNamePrompt();

    // A reason (a failure, why a run ended early) as shown to a person: the reasons stay
    // English in reports, the log and JSON lines, and are translated only here, by their
    // English wording. A reason not known here is shown as it is.
    static QString reason(const QString &englishReason);

    // Reasons an attempt was not kept, as reports and JSON lines give them.
    static QString fileExists();
    static QString savingOff();
    static QString notImage(const QString &contentType);
    static QString cancelled();
    // A response without a body: "empty response (HTTP 204 No Content)".
    static QString emptyResponse(const QString &httpStatus);

    // Stored settings that are passed by: the store's file is no regular file, or a stored
    // header value would smuggle in another header (problem says why).
    static QString storeNotRegular(const QString &path);
    static QString storedValueIgnored(const QString &key, const QString &problem);
};

// The shapes of the daily log's lines (also `quillop get`'s plain output). Never translated:
// scripts read them.
class LogLines
{
public:
    enum class Placement { Saving, Overwriting, Renaming, Autonaming };

    static QString wrote(const QString &url, Placement placement, const QString &target);
    static QString fileExists(const QString &url);
    static QString noFreeName(const QString &url);
    static QString notSaved(const QString &url); // saving is off
    static QString couldNotSave(const QString &url, const QString &target, const QString &reason);
    static QString notImage(const QString &url, const QString &contentType);
    static QString failed(const QString &url, const QString &reason);
    // Added to the line of an attempt whose address was fetched more than once.
    static QString triedTimes(int tries);
};
