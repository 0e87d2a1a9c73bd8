#include "RunSetup.h"

#include "FileOps.h"
#include "GetOptions.h"
#include "LoadSettings.h"
#include "SettingsStore.h"

#include <algorithm>

namespace {

// The stored settings, as loadSettings reads them, but with no message and no fallback
// written back: on the command line a missing directory is the user's to mend.
void readStored(RunSettings &s)
{
    using namespace SettingsStore;
    s.isMultiple = readBool(Key::isMultiple);
    s.exit_ifover = false; // there is no window to close
    s.max_downloads = readInt16(Key::max_downloads);
    s.is_number_mode = readBool(Key::is_number_mode);
    s.increment = readInt16(Key::increment);
    s.append_str = read(Key::append_str);
    s.is_header = readBool(Key::is_header);
    s.pause_time = readInt16(Key::pause_time);
    s.is_save = readBool(Key::is_save);
    s.save_dir = read(Key::save_dir);
    s.if_exists = readIfExists();
    s.is_proxy = readBool(Key::is_proxy);
    s.proxy_name = read(Key::proxy_name);
    s.proxy_port = readPort(Key::proxy_port);
    s.proxy_type =
        readSocks5() ? ConnectionOptions::ProxyType::Socks5 : ConnectionOptions::ProxyType::Http;
    s.proxy_user = read(Key::proxy_user);
    s.proxy_password = read(Key::proxy_password);
    s.user_agent = read(Key::user_agent);
    s.referer = read(Key::referer);
    s.cookie_file = read(Key::cookie_file);
    s.ca_file = read(Key::ca_file);
    s.stop_after_misses = readInt16(Key::stop_after_misses);
    s.retries = readInt16(Key::retries);
    s.is_log = readBool(Key::is_log);
    s.log_dir = read(Key::log_dir);
}

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
    s.is_number_mode = o.numberMode.value_or(CounterPlanning::looksNumeric(o.address.url2));
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
        s.proxy_password = o.proxy->password;
        s.proxy_name = o.proxy->host;
        s.proxy_port = o.proxy->port;
    }
    if (o.noProxy)
        s.is_proxy = false;
    s.referer = o.referer.value_or(s.referer);
    s.user_agent = o.userAgent.value_or(s.user_agent);
    s.cookie_file = o.cookieFile.value_or(s.cookie_file);
    s.ca_file = o.caFile.value_or(s.ca_file);
}

// The run's length: a range sets it (capped by max_downloads), an address without a
// counter or --single makes it one attempt.
void planRun(RunSetup &r, const GetOptions &o)
{
    RunSettings &s = r.settings;
    r.plan = CounterPlanning::plan(o.address.url2, s.is_number_mode, s.increment);
    if (!r.plan.problem.isEmpty()) {
        r.problem = r.plan.problem;
        return;
    }
    if (r.plan.isRange)
        s.isMultiple = true;
    if (o.single || !o.address.hasCounter())
        s.isMultiple = false;
    if (!s.isMultiple) {
        r.planned = 1;
        r.endText = QStringLiteral("one attempt");
    } else if (r.plan.isRange && r.plan.rangeCount <= s.max_downloads) {
        // The engine counts up to max_downloads; the range's end is that count here.
        s.max_downloads = qint16(r.plan.rangeCount);
        r.planned = r.plan.rangeCount;
        r.endText = QStringLiteral("the end of the range, after %1 attempts").arg(r.planned);
    } else {
        r.planned = std::max<int>(1, s.max_downloads);
        r.endText = QStringLiteral("max_downloads, after %1 attempts").arg(r.planned);
    }
}

} // namespace

RunSetup RunSetupBuilder::build(const GetOptions &options, const QDate &today)
{
    RunSetup r;
    r.url1 = options.address.url1;
    r.url3 = options.address.url3;
    readStored(r.settings);
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
