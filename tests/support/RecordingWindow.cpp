#include "RecordingWindow.h"

void RecordingWindow::record(const char *operation, const QString &argument)
{
    calls.append(QLatin1String(operation) + QLatin1Char(':') + argument);
}

void RecordingWindow::record(const char *operation, bool on)
{
    record(operation, on ? QStringLiteral("true") : QStringLiteral("false"));
}

bool RecordingWindow::promptForName(const QString &title, const QString &prompt, QString *answer)
{
    prompts.append({title, prompt});
    record("promptForName", title);
    const std::optional<QString> next =
        promptAnswers.isEmpty() ? std::nullopt : promptAnswers.takeFirst();
    *answer = next.value_or(QString());
    return next.has_value();
}

QStringList RecordingWindow::callsOf(const QString &operation) const
{
    QStringList result;
    const QString prefix = operation + QLatin1Char(':');
    for (const QString &call : calls) {
        if (call.startsWith(prefix))
            result.append(call.mid(prefix.size()));
    }
    return result;
}
