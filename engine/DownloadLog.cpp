#include "DownloadLog.h"

#include "FileOps.h"
#include "RunSettings.h"

void appendLogLine(const RunSettings &settings, const QString &logText)
{
    if (!settings.is_log || settings.log_file_path.isEmpty())
        return;
    // A line break inside the text would split one attempt's line in two.
    QString line = logText;
    line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    FileOps::appendLine(settings.log_file_path, line);
}
