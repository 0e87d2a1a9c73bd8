#pragma once

#include <QString>
#include <QtGlobal>

#include "ConnectionOptions.h"
#include "SettingsStore.h"

// The run settings the engine consults while it works. Field names are the settings keys.
// Whoever changes a field also writes its key to the store.
struct RunSettings
{
    bool isMultiple = false;
    bool exit_ifover = false;
    qint16 max_downloads = 0;
    bool is_number_mode = false;
    qint16 increment = 0;
    QString append_str;
    bool is_header = false;
    qint16 pause_time = 0;
    bool is_save = false;
    QString save_dir;
    IfExistsPolicy if_exists = IfExistsPolicy::Prompt;
    bool is_proxy = false;
    QString proxy_name;
    int proxy_port = 0; // 1 to 65535; 0 when the stored text is no port
    bool is_log = false;
    QString log_dir;
    ConnectionOptions::ProxyType proxy_type = ConnectionOptions::ProxyType::Http;
    QString proxy_user;
    QString proxy_password;
    QString user_agent;
    QString referer;
    QString cookie_file;
    QString ca_file;
    qint16 stop_after_misses = 10; // end the run after this many misses in a row; 0: never
    qint16 retries = 0;            // further tries of a fetch that failed for a passing reason
    qint16 parallel = 1;           // pictures in flight at once, 1 to 16
    QString log_file_name;         // derived: today's log file name
    QString log_file_path;         // derived: log_dir joined with log_file_name
};
