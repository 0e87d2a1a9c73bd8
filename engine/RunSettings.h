#pragma once

#include <QString>
#include <QtGlobal>

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
    quint8 if_exists = 0;
    bool is_proxy = false;
    QString proxy_name;
    qint16 proxy_port = 0;
    bool is_log = false;
    QString log_dir;
    QString log_file_name; // derived: today's log file name
    QString log_file_path; // derived: log_dir joined with log_file_name
};
