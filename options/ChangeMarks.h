#pragma once

#include <QStringList>

// Which settings the user touched while the options dialog is open. Only marked settings
// are written by the apply step, so an untouched setting never overwrites a value that
// another copy of the program may have stored meanwhile. Named after the keys.
struct ChangeMarks
{
    bool max_downloads = false;
    bool is_number_mode = false;
    bool increment = false;
    bool pause_time = false;
    bool is_save = false;
    bool append_str = false;
    bool is_header = false;
    bool save_dir = false;
    bool if_exists = false;
    bool is_proxy = false;
    bool proxy_name = false;
    bool proxy_port = false;
    bool is_log = false;
    bool log_dir = false;
    bool proxy_type = false;
    bool proxy_user = false;
    bool proxy_password = false;
    bool user_agent = false;
    bool referer = false;
    bool cookie_file = false;
    bool ca_file = false;
    bool stop_after_misses = false;
    bool retries = false;

    void clear() { *this = ChangeMarks(); }
    // The keys whose mark is set, in the order the apply step writes them.
    QStringList setKeys() const;
};
