#pragma once

#include "ImageKey.h"

#include <QString>
#include <array>

// What became of one attempt. A new outcome is an enumerator here and its row in
// outcomeRow() below; the build refuses the enumerator without the row, and an outcomeCount
// that does not name the last enumerator. The log line, the summary, the JSON lines, the
// exit status of `quillop get`, the end of a series and the tray all follow the row; the
// status and log texts of each outcome are in ShownTexts.
enum class AttemptOutcome {
    Saved,       // the picture is in the save directory
    Skipped,     // an image that was not kept: the name was taken, or saving is off
    NotImage,    // the response was no image
    FetchFailed, // no usable response: the transfer failed, or an HTTP error status
    SaveFailed,  // the picture arrived but could not be kept
    Cancelled,   // Stop or the close of the window ended the attempt
};
inline constexpr int outcomeCount = int(AttemptOutcome::Cancelled) + 1;

struct OutcomeRow
{
    // A sign that the series may have ended (stop_after_misses counts these in a row).
    bool miss = false;
    // Makes `quillop get` exit with 1.
    bool failsRun = false;
    // The count's word in the summary ("3 saved"); outcomes with the same word are counted
    // together, in the order their words first appear here; the first word is always shown,
    // the others when their count is not zero.
    const char *summaryWord = nullptr;
    // The value of "outcome" in a JSON line.
    const char *jsonName = nullptr;
    // The tray picture after the attempt.
    ImageKey trayPicture = ImageKey::NoImage;
};

// The row of an outcome. A value without a row (only outcomeCount itself) gets one with
// null names.
constexpr OutcomeRow outcomeRow(AttemptOutcome outcome)
{
    using enum AttemptOutcome;
    switch (outcome) {
    case Saved:
        return {false, false, "saved", "saved", ImageKey::IsImage};
    case Skipped:
        return {false, false, "skipped", "skipped", ImageKey::IsImage};
    case NotImage:
        return {true, true, "not images", "not an image", ImageKey::NoImage};
    case FetchFailed:
        return {true, true, "failed", "failed", ImageKey::NoImage};
    case SaveFailed: // no sign of the end of a series: the server had the picture
        return {false, true, "failed", "failed", ImageKey::IsImage};
    case Cancelled:
        return {true, true, "failed", "failed", ImageKey::NoImage};
    }
    return {};
}

namespace AttemptOutcomes {
constexpr std::array<AttemptOutcome, outcomeCount> all()
{
    std::array<AttemptOutcome, outcomeCount> outcomes{};
    for (int i = 0; i < outcomeCount; ++i)
        outcomes[i] = AttemptOutcome(i);
    return outcomes;
}
constexpr bool everyOutcomeHasARow()
{
    for (AttemptOutcome outcome : all()) {
        if (outcomeRow(outcome).jsonName == nullptr || outcomeRow(outcome).summaryWord == nullptr)
            return false;
    }
    return outcomeRow(AttemptOutcome(outcomeCount)).jsonName == nullptr;
}
static_assert(everyOutcomeHasARow(), "outcomeCount must be the number of outcomes, each with "
                                     "its row in outcomeRow()");
} // namespace AttemptOutcomes

// The outcomes of a run's attempts, counted by outcome.
struct RunCounts
{
    // Declared, so that no one counts by position (RunCounts{3, 0, 1}): a count is set by its
    // outcome, counts[AttemptOutcome::Saved].
    RunCounts() = default;

    std::array<int, outcomeCount> byOutcome{};

    int &operator[](AttemptOutcome outcome) { return byOutcome[std::size_t(outcome)]; }
    int operator[](AttemptOutcome outcome) const { return byOutcome[std::size_t(outcome)]; }
    bool operator==(const RunCounts &) const = default;
    // Attempts whose outcome makes `quillop get` exit with 1.
    int failingRun() const;
};

// What became of one attempt: for the run's counts and for front ends that show each one.
struct AttemptReport
{
    AttemptOutcome outcome = AttemptOutcome::FetchFailed;
    QString url;
    QString targetPath; // where the picture went, or would have gone; empty when none
    int httpStatus = 0; // 0 when no response arrived
    qint64 bytes = 0;   // body bytes received
    QString reason;     // why it failed or was not kept; empty for a saved picture
    QString logText;    // the attempt's line in the daily log
    int tries = 1;      // fetches made for it (retries of passing failures included)
    // An error that every later address of the run would meet too: the run ends after it,
    // with reason as its reason.
    bool endsRun = false;
};
