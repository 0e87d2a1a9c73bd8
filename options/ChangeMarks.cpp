#include "ChangeMarks.h"

#include <utility>

QStringList ChangeMarks::setKeys() const
{
    const std::pair<bool, const char *> marks[] = {
        {max_downloads, "max_downloads"},
        {is_number_mode, "is_number_mode"},
        {increment, "increment"},
        {pause_time, "pause_time"},
        {is_save, "is_save"},
        {append_str, "append_str"},
        {is_header, "is_header"},
        {save_dir, "save_dir"},
        {if_exists, "if_exists"},
        {is_proxy, "is_proxy"},
        {proxy_name, "proxy_name"},
        {proxy_port, "proxy_port"},
        {is_log, "is_log"},
        {log_dir, "log_dir"},
        {proxy_type, "proxy_type"},
        {proxy_user, "proxy_user"},
        {proxy_password, "proxy_password"},
        {user_agent, "user_agent"},
        {referer, "referer"},
        {cookie_file, "cookie_file"},
        {ca_file, "ca_file"},
        {stop_after_misses, "stop_after_misses"},
        {retries, "retries"},
    };
    QStringList keys;
    for (const auto &[set, key] : marks) {
        if (set)
            keys << QLatin1String(key);
    }
    return keys;
}
