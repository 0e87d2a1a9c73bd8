#include "FrmAbout.h"
#include "SysInfo.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>

namespace {

const QString msinfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");

// The registry of the machine, as far as the tests fill it in.
class MemorySource : public KeyValueSource
{
public:
    QMap<QString, RawValue> values; // "key|name"
    std::optional<RawValue> query(quint32 root, const QString &key,
                                  const QString &name) const override
    {
        const auto it = values.constFind(key + u'|' + name);
        if (root != LocalMachine || it == values.constEnd())
            return std::nullopt;
        return *it;
    }
};

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT
    QMainWindow m_main;

private Q_SLOTS:
    void cleanup()
    {
        for (QWidget *widget : QApplication::topLevelWidgets())
            delete qobject_cast<FrmAbout *>(widget);
    }

    void startSysInfo_data()
    {
        QTest::addColumn<QByteArray>("pathValue"); // null: no such value
        QTest::addColumn<bool>("locationSet");
        QTest::addColumn<QString>("files"); // in the tool location, also on the PATH
        QTest::addColumn<bool>("startWorks");
        QTest::addColumn<QString>("calls"); // <dir> stands for the directory
        const QByteArray viewer = QByteArray("C:\\Tools\\msinfo32.exe") + '\0';
        const QString notice =
            QStringLiteral(" Quillop:System Information Is Unavailable At This Time");
        // clang-format off
        QTest::newRow("first lookup found") << viewer << true << "MSINFO32.EXE" << true << "C:\\Tools\\msinfo32.exe";
        QTest::newRow("first lookup without its trailing NUL") << viewer.chopped(1) << true << "" << true << "C:\\Tools\\msinfo32.exe";
        QTest::newRow("first found but the start fails: notice") << viewer << true << "MSINFO32.EXE hardinfo" << false << QStringLiteral("C:\\Tools\\msinfo32.exe") + notice;
        QTest::newRow("first too long, second with its viewer") << QByteArray(1030, 'x') << true << "MSINFO32.EXE" << true << "<dir>/MSINFO32.EXE";
        QTest::newRow("only the second, viewer file missing: notice") << QByteArray() << true << "hardinfo" << true << notice.trimmed();
        QTest::newRow("no registry, no viewer on the path: notice") << QByteArray() << false << "" << true << notice.trimmed();
        QTest::newRow("no registry, a listed viewer on the path") << QByteArray() << false << "kinfocenter" << true << "<dir>/kinfocenter";
        // clang-format on
    }

    void startSysInfo()
    {
        QFETCH(QByteArray, pathValue);
        QFETCH(bool, locationSet);
        QFETCH(QString, files);
        QFETCH(bool, startWorks);
        QFETCH(QString, calls);
        QTemporaryDir dir;
        const QString loc = QDir::toNativeSeparators(dir.path());
        auto source = std::make_shared<MemorySource>();
        if (!pathValue.isNull())
            source->values.insert(msinfoKey + QStringLiteral("|PATH"), {1, pathValue});
        if (locationSet)
            source->values.insert(
                QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location|MSINFO"),
                {1, loc.toLocal8Bit() + '\0'});
        for (const QString &name : files.split(u' ', Qt::SkipEmptyParts)) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) &&
                    file.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
        }
        QStringList seen; // programs started, then messages
        SysInfo sysInfo;
        sysInfo.setSource(source);
        sysInfo.setHooks({[&](const QString &program) {
                              seen << program;
                              return startWorks;
                          },
                          [&](QWidget *, const QString &caption, const QString &text) {
                              seen << caption + u':' + text;
                          }});
        sysInfo.setViewerCandidates({QStringLiteral("hardinfo"), QStringLiteral("kinfocenter")});
        sysInfo.setSearchPaths({dir.path()});
        sysInfo.StartSysInfo(nullptr);
        QCOMPARE(seen.join(u' '), calls.replace(QStringLiteral("<dir>"), loc));
    }

    void oneBoxWithVersionAndExample()
    {
        m_main.show();
        FrmAbout *box = FrmAbout::showBox(&m_main);
        QCOMPARE(FrmAbout::showBox(&m_main), box);
        QVERIFY(box->isVisible() && !box->isModal());
        const QString text =
            box->findChild<QTextBrowser *>(QStringLiteral("RichTextBox1"))->toPlainText();
        for (const char *expected :
             {"Quillop\nVersion " QUILLOP_VERSION "\n",
              "\nhttp://example.com/home/images/pic01_800.jpg\nhttp://example.com/home/images/"
              "pic02_800.jpg\nand so on. Fill in the boxes like this:\nBox 1: "
              "http://example.com/home/images/pic\nBox 2: 01\nBox 3: _800.jpg\n"})
            QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
        const QString shots =
            qEnvironmentVariable("QUILLOP_BINARY_DIR") + QStringLiteral("/screenshots");
        if (qEnvironmentVariableIsSet("QUILLOP_BINARY_DIR") && QDir().mkpath(shots))
            QVERIFY(box->grab().save(shots + QStringLiteral("/about.png")));
    }

    void closedByEnterOrEscape_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        // clang-format off
        QTest::newRow("Escape on OK") << "cmdOK" << int(Qt::Key_Escape);
        QTest::newRow("Enter in the text") << "RichTextBox1" << int(Qt::Key_Enter);
        QTest::newRow("Escape in the text") << "RichTextBox1" << int(Qt::Key_Escape);
        // clang-format on
    }

    void closedByEnterOrEscape()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QPointer<FrmAbout> box = FrmAbout::showBox(&m_main);
        QSignalSpy clicked(box->findChild<QPushButton *>(QStringLiteral("cmdOK")),
                           &QPushButton::clicked);
        QTest::keyClick(box->findChild<QWidget *>(focus), Qt::Key(key));
        QCOMPARE(clicked.count(), 1);
        QTRY_VERIFY(box.isNull());
        QVERIFY(FrmAbout::showBox(&m_main)->isVisible()); // a fresh one
    }
};

QUILLOP_TEST_GUI_MAIN(TestAbout)
#include "tst_about.moc"
