#include "RunSetup.h"

#include "FileOps.h"
#include "GetOptions.h"
#include "LoadSettings.h"
#include "SequenceCounter.h"

#include <QCoreApplication>

namespace {

using SettingsStore::Key;

void applyOverrides(RunSettings &s, const GetOptions &o)
{
    for (auto it = o.overrides.cbegin(); it != o.overrides.cend(); ++it)
        SettingsStore::assign(s, it.key(), it.value());
    // A log directory given asks for the log.
    if (o.overrides.contains(Key::log_dir))
        s.is_log = true;
    // Without --letters or --numbers the counter itself says what it counts.
    if (!o.overrides.contains(Key::is_number_mode))
        s.is_number_mode = RunSetupBuilder::looksNumeric(o.address.url2);
    // The prompt needs a window; a stored prompt answers as its Cancel does: skip.
    if (s.if_exists == IfExistsPolicy::Prompt)
        s.if_exists = IfExistsPolicy::Skip;
    if (o.proxy) {
        s.is_proxy = true;
        s.proxy_type = o.proxy->type;
        s.proxy_user = o.proxy->user;
        s.proxy_password.clear();
        s.proxy_name = o.proxy->host;
        s.proxy_port = o.proxy->port;
    }
    // After the proxy's own login: the password may come from elsewhere (GetOptions).
    s.proxy_password = o.proxyPassword.value_or(s.proxy_password);
}

// A range in url2 asks for a series, --single or an address without a counter for one
// fetch. A range that the run could never walk is refused here, in the run's own words,
// before anything is fetched.
void planRun(RunSetup &r, const GetOptions &o)
{
    RunSettings &s = r.settings;
    const SequenceCounter::Range range =
        SequenceCounter::parseRange(r.url2, s.is_number_mode, s.increment);
    if (range.kind == SequenceCounter::Range::Unreachable) {
        r.problem = range.reason;
        return;
    }
    // "01-20" with --letters would be a counter of its own, stepped on its first character.
    if (range.kind == SequenceCounter::Range::None && !s.is_number_mode &&
        SequenceCounter::parseRange(r.url2, true, s.increment).kind !=
            SequenceCounter::Range::None) {
        r.problem = QStringLiteral("the range \"%1\" is of numbers, but the counter counts letters")
                        .arg(r.url2.trimmed());
        return;
    }
    if (range.kind == SequenceCounter::Range::Walkable)
        s.isMultiple = true;
    if (o.overrides.contains(Key::isMultiple) || !o.address.hasCounter())
        s.isMultiple = false;
}

// Creates dir for a run (a dry run only says it would); false with r.problem set when it
// cannot be had.
bool makeFolder(RunSetup &r, const QString &dir, bool named, bool dryRun, const QString &missing)
{
    if (!named) {
        r.problem = missing.arg(dir);
        return false;
    }
    if (dryRun) {
        r.notes << QCoreApplication::translate("RunSetup", "the folder \"%1\" would be created")
                       .arg(dir);
        return true;
    }
    QString error;
    if (!FileOps::CreateFolder(dir, &error)) {
        r.problem =
            QCoreApplication::translate("RunSetup", "the folder \"%1\" cannot be created: %2")
                .arg(dir, error);
        return false;
    }
    r.notes << QCoreApplication::translate("RunSetup", "created the folder \"%1\"").arg(dir);
    return true;
}

} // namespace

bool RunSetupBuilder::looksNumeric(const QString &counter)
{
    return counter.isEmpty() || !counter[0].isLetter();
}

RunSetup RunSetupBuilder::build(const GetOptions &options, const QDate &today)
{
    RunSetup r;
    r.url1 = options.address.url1;
    r.url2 = options.address.url2;
    r.url3 = options.address.url3;
    readStoredSettings(r.settings);
    // Stored values that are passed by, and why.
    if (const QString problem = SettingsStore::storeProblem(); !problem.isEmpty())
        r.notes << problem;
    if (const QString told = dropUnsafeHeaders(r.settings); !told.isEmpty())
        r.notes << told;
    r.settings.exit_ifover = false; // there is no window to close
    applyOverrides(r.settings, options);
    RunSettings &s = r.settings;
    // A folder named on the command line is made when missing, as other download tools do;
    // a stored one that has gone is a problem to report.
    if (s.is_save && !FileOps::FolderExists(s.save_dir) &&
        !makeFolder(r, s.save_dir, options.overrides.contains(Key::save_dir), options.dryRun,
                    QStringLiteral("the save directory \"%1\" does not exist; give --save-dir")))
        return r;
    if (s.is_log && !FileOps::FolderExists(s.log_dir) &&
        !makeFolder(r, s.log_dir, options.overrides.contains(Key::log_dir), options.dryRun,
                    QStringLiteral("the log directory \"%1\" does not exist; give --log-dir "
                                   "or --no-log")))
        return r;
    s.log_file_name = logFileNameFor(today);
    s.log_file_path = FileOps::BuildPath(s.log_dir, s.log_file_name);
    planRun(r, options);
    return r;
}
