#include "RunSetup.h"

#include "FileOps.h"
#include "GetOptions.h"
#include "LoadSettings.h"
#include "SequenceCounter.h"

namespace {

void applyOverrides(RunSettings &s, const GetOptions &o)
{
    s.save_dir = o.saveDir.value_or(s.save_dir);
    if (o.logDir) {
        s.log_dir = *o.logDir;
        s.is_log = true;
    }
    if (o.noLog)
        s.is_log = false;
    s.pause_time = o.pause.value_or(s.pause_time);
    s.max_downloads = o.maxDownloads.value_or(s.max_downloads);
    s.increment = o.increment.value_or(s.increment);
    // Without --letters or --numbers the counter itself says what it counts.
    s.is_number_mode = o.numberMode.value_or(RunSetupBuilder::looksNumeric(o.address.url2));
    // The prompt needs a window; a stored prompt answers as its Cancel does: skip.
    s.if_exists = o.ifExists.value_or(s.if_exists);
    if (s.if_exists == IfExistsPolicy::Prompt)
        s.if_exists = IfExistsPolicy::Skip;
    s.append_str = o.append.value_or(s.append_str);
    s.is_header = o.appendAtStart.value_or(s.is_header);
    s.stop_after_misses = o.stopAfterMisses.value_or(s.stop_after_misses);
    s.retries = o.retries.value_or(s.retries);
    if (o.proxy) {
        s.is_proxy = true;
        s.proxy_type = o.proxy->type;
        s.proxy_user = o.proxy->user;
        s.proxy_password.clear();
        s.proxy_name = o.proxy->host;
        s.proxy_port = o.proxy->port;
    }
    s.proxy_password = o.proxyPassword.value_or(s.proxy_password);
    if (o.noProxy)
        s.is_proxy = false;
    s.referer = o.referer.value_or(s.referer);
    s.user_agent = o.userAgent.value_or(s.user_agent);
    s.cookie_file = o.cookieFile.value_or(s.cookie_file);
    s.ca_file = o.caFile.value_or(s.ca_file);
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
    if (o.single || !o.address.hasCounter())
        s.isMultiple = false;
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
    r.notice = dropUnsafeHeaders(r.settings);
    r.settings.exit_ifover = false; // there is no window to close
    applyOverrides(r.settings, options);
    RunSettings &s = r.settings;
    if (s.is_save && !FileOps::FolderExists(s.save_dir)) {
        r.problem = QStringLiteral("the save directory \"%1\" does not exist; give --save-dir")
                        .arg(s.save_dir);
        return r;
    }
    if (s.is_log && !FileOps::FolderExists(s.log_dir)) {
        r.problem = QStringLiteral("the log directory \"%1\" does not exist; give --log-dir "
                                   "or --no-log")
                        .arg(s.log_dir);
        return r;
    }
    s.log_file_name = logFileNameFor(today);
    s.log_file_path = FileOps::BuildPath(s.log_dir, s.log_file_name);
    planRun(r, options);
    return r;
}
