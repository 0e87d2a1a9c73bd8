#include "SysInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QtEndian>

namespace {

constexpr qsizetype maxValueBytes = 1024;

QStringList defaultCandidates()
{
#ifdef Q_OS_WIN
    return {};
#else
    return {QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
            QStringLiteral("gnome-system-monitor"), QStringLiteral("xfce4-taskmanager"),
            QStringLiteral("lxtask")};
#endif
}

SysInfo::Hooks defaultHooks()
{
    return {[](const QString &program) { return QProcess::startDetached(program, {}); },
            [](QWidget *parent, const QString &caption, const QString &text) {
                QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
                box.exec();
            }};
}

} // namespace

QString SysInfo::unavailableText()
{
    return QCoreApplication::translate("SysInfo", "System Information Is Unavailable At This Time");
}

SysInfo::SysInfo()
    : m_source(KeyValueSource::system()), m_hooks(defaultHooks()), m_candidates(defaultCandidates())
{
}

void SysInfo::setSource(std::shared_ptr<const KeyValueSource> source)
{
    m_source = std::move(source);
}

void SysInfo::setHooks(Hooks hooks)
{
    m_hooks = std::move(hooks);
}

void SysInfo::setViewerCandidates(const QStringList &names)
{
    m_candidates = names;
}

void SysInfo::setSearchPaths(const QStringList &paths)
{
    m_searchPaths = paths;
}

void SysInfo::StartSysInfo(QWidget *parent)
{
    if (!startViewer())
        m_hooks.showMessage(parent, QStringLiteral("Quillop"), unavailableText());
}

// A registry entry whose program fails to start ends the search there: the registry is the
// system's own answer, and the notice tells the user that it did not work.
bool SysInfo::startViewer()
{
    QString KeyVal;
    if (GetKeyValue(*m_source, KeyValueSource::LocalMachine,
                    QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                    QStringLiteral("PATH"), KeyVal))
        return m_hooks.startProgram(KeyVal);
    if (GetKeyValue(*m_source, KeyValueSource::LocalMachine,
                    QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                    QStringLiteral("MSINFO"), KeyVal)) {
        const QString viewer = QDir::toNativeSeparators(
            QDir(QDir::fromNativeSeparators(KeyVal)).filePath(QStringLiteral("MSINFO32.EXE")));
        return QFileInfo::exists(viewer) && m_hooks.startProgram(viewer);
    }
    return startFromSearch();
}

bool SysInfo::startFromSearch()
{
    for (const QString &name : std::as_const(m_candidates)) {
        const QString program = QStandardPaths::findExecutable(name, m_searchPaths);
        if (!program.isEmpty())
            return m_hooks.startProgram(program);
    }
    return false;
}

bool SysInfo::GetKeyValue(const KeyValueSource &source, quint32 KeyRoot, const QString &KeyName,
                          const QString &SubKeyRef, QString &KeyVal)
{
    const auto value = source.query(KeyRoot, KeyName, SubKeyRef);
    if (!value || value->bytes.size() > maxValueBytes) {
        KeyVal.clear();
        return false;
    }
    QByteArray bytes = value->bytes;
    if (value->type == KeyValueSource::TextType) {
        if (bytes.endsWith('\0'))
            bytes.chop(1);
        KeyVal = QString::fromLocal8Bit(bytes);
    } else if (value->type == KeyValueSource::Number32Type) {
        // The true little-endian value; a value of the wrong length is read as far as it goes.
        bytes = bytes.left(4).leftJustified(4, '\0');
        KeyVal = QString::number(qFromLittleEndian<quint32>(bytes.constData()));
    }
    return true;
}
