#include "RecordingWindow.h"

RecordingWindow::RecordingWindow() = default;

void RecordingWindow::record(const QString &operation, const QString &argument)
{
    calls.append(operation + QLatin1Char(':') + argument);
}

static QString boolArg(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

void RecordingWindow::setUrl1Text(const QString &text)
{
    url1 = text;
    record(QStringLiteral("setUrl1Text"), text);
}

void RecordingWindow::setUrl2Text(const QString &text)
{
    url2 = text;
    record(QStringLiteral("setUrl2Text"), text);
}

void RecordingWindow::setUrl3Text(const QString &text)
{
    url3 = text;
    record(QStringLiteral("setUrl3Text"), text);
}

void RecordingWindow::setGetEnabled(bool enabled)
{
    getEnabled = enabled;
    record(QStringLiteral("setGetEnabled"), boolArg(enabled));
}

void RecordingWindow::setStopEnabled(bool enabled)
{
    stopEnabled = enabled;
    record(QStringLiteral("setStopEnabled"), boolArg(enabled));
}

void RecordingWindow::setStartMenuEnabled(bool enabled)
{
    startMenuEnabled = enabled;
    record(QStringLiteral("setStartMenuEnabled"), boolArg(enabled));
}

void RecordingWindow::setStopMenuEnabled(bool enabled)
{
    stopMenuEnabled = enabled;
    record(QStringLiteral("setStopMenuEnabled"), boolArg(enabled));
}

void RecordingWindow::setModeChecks(bool isMultiple)
{
    multipleChecked = isMultiple;
    record(QStringLiteral("setModeChecks"), boolArg(isMultiple));
}

void RecordingWindow::setExitCheck(bool exitIfOver)
{
    exitChecked = exitIfOver;
    record(QStringLiteral("setExitCheck"), boolArg(exitIfOver));
}

void RecordingWindow::setStatusText(const QString &text)
{
    status = text;
    record(QStringLiteral("setStatusText"), text);
}

void RecordingWindow::setStatePicture(ImageKey key)
{
    statePicture = key;
    record(QStringLiteral("setStatePicture"), imageKeyName(key));
}

bool RecordingWindow::loadPreview(const QString &path)
{
    record(QStringLiteral("loadPreview"), path);
    if (!previewDecodes)
        return false;
    previewPath = path;
    return true;
}

void RecordingWindow::loadPlaceholder()
{
    previewPath = QStringLiteral("placeholder");
    record(QStringLiteral("loadPlaceholder"));
}

void RecordingWindow::setPreviewVisible(bool visible)
{
    previewVisible = visible;
    record(QStringLiteral("setPreviewVisible"), boolArg(visible));
}

void RecordingWindow::arrangeControls()
{
    record(QStringLiteral("arrangeControls"));
}

void RecordingWindow::closeWindow()
{
    closed = true;
    record(QStringLiteral("closeWindow"));
}

void RecordingWindow::setTip(const QString &tip)
{
    record(QStringLiteral("setTip"), tip);
}

void RecordingWindow::setIcon(ImageKey key)
{
    record(QStringLiteral("setIcon"), imageKeyName(key));
}

void RecordingWindow::setTrayRecordIcon(ImageKey key)
{
    trayRecordIcon = key;
    record(QStringLiteral("setTrayRecordIcon"), imageKeyName(key));
}

void RecordingWindow::showMessage(const QString &text, const QString &title)
{
    messages.append({text, title});
    record(QStringLiteral("showMessage"), text);
}

bool RecordingWindow::promptForName(const QString &title, const QString &prompt, QString *answer)
{
    prompts.append({title, prompt});
    record(QStringLiteral("promptForName"), title);
    if (promptAnswers.isEmpty() || !promptAnswers.first().has_value()) {
        if (!promptAnswers.isEmpty())
            promptAnswers.removeFirst();
        *answer = QString();
        return false;
    }
    *answer = *promptAnswers.takeFirst();
    return true;
}

void RecordingWindow::beep()
{
    ++beeps;
    record(QStringLiteral("beep"));
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
