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
#include <QWindow>

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

// Stands in for starting programs and for the message box.
struct Recorder
{
    QStringList started, messages;
    bool startWorks = true;
    SysInfo::Hooks hooks()
    {
        return {[this](const QString &program) {
                    started << program;
                    return startWorks;
                },
                [this](QWidget *, const QString &caption, const QString &text) {
                    messages << caption + u':' + text;
                }};
    }
};

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT
    QMainWindow m_main;

    QPushButton *button(FrmAbout *box, const char *name)
    {
        return box->findChild<QPushButton *>(QLatin1String(name));
    }

private Q_SLOTS:
    void cleanup()
    {
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (QPointer<FrmAbout> box = qobject_cast<FrmAbout *>(widget)) {
                box->close();
                QTRY_VERIFY(box.isNull());
            }
    }

    void getKeyValue_data()
    {
        QTest::addColumn<int>("type"); // 0: no such value
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("keyVal"); // "!" when the lookup fails
        // clang-format off
        QTest::newRow("text with its trailing NUL") << 1 << QByteArray("C:\\msinfo32.exe\0", 16) << "C:\\msinfo32.exe";
        QTest::newRow("text without a trailing NUL") << 1 << QByteArray("C:\\msinfo32.exe") << "C:\\msinfo32.exe";
        QTest::newRow("text of exactly 1024 bytes") << 1 << QByteArray(1023, 'x') + '\0' << QString(1023, u'x');
        QTest::newRow("text of 1030 bytes fails") << 1 << QByteArray(1029, 'x') + '\0' << "!";
        QTest::newRow("missing value fails") << 0 << QByteArray() << "!";
        QTest::newRow("32-bit number reads little-endian") << 4 << QByteArray::fromHex("01020000") << "513";
        QTest::newRow("32-bit number with the top bit set") << 4 << QByteArray::fromHex("ffffffff") << "4294967295";
        QTest::newRow("binary value leaves the text as it was") << 3 << QByteArray::fromHex("0102") << "before";
        // clang-format on
    }

    void getKeyValue()
    {
        QFETCH(int, type);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, keyVal);
        MemorySource source;
        if (type)
            source.values.insert(msinfoKey + QStringLiteral("|PATH"), {quint32(type), bytes});
        QString value = QStringLiteral("before");
        const bool ok = SysInfo::GetKeyValue(source, KeyValueSource::LocalMachine, msinfoKey,
                                             QStringLiteral("PATH"), value);
        QCOMPARE(ok ? value : QStringLiteral("!") + value, keyVal);
    }

    void startSysInfo_data()
    {
        QTest::addColumn<QByteArray>("pathValue"); // null: no such value
        QTest::addColumn<bool>("locationSet");
        QTest::addColumn<bool>("viewerFile");
        QTest::addColumn<QString>("onPath");
        QTest::addColumn<bool>("startWorks");
        QTest::addColumn<QString>("started"); // <dir> stands for the directory
        const QByteArray viewer = QByteArray("C:\\Tools\\msinfo32.exe") + '\0';
        // clang-format off
        QTest::newRow("first lookup found") << viewer << true << true << "" << true << "C:\\Tools\\msinfo32.exe";
        QTest::newRow("first found but the start fails: notice") << viewer << true << true << "hardinfo" << false << "C:\\Tools\\msinfo32.exe";
        QTest::newRow("first too long, second with its viewer") << QByteArray(1030, 'x') << true << true << "" << true << "<dir>/MSINFO32.EXE";
        QTest::newRow("only the second, viewer file missing: notice") << QByteArray() << true << false << "hardinfo" << true << "";
        QTest::newRow("no registry, no viewer on the path: notice") << QByteArray() << false << false << "" << true << "";
        QTest::newRow("no registry, a listed viewer on the path") << QByteArray() << false << false << "kinfocenter" << true << "<dir>/kinfocenter";
        // clang-format on
    }

    void startSysInfo()
    {
        QFETCH(QByteArray, pathValue);
        QFETCH(bool, locationSet);
        QFETCH(bool, viewerFile);
        QFETCH(QString, onPath);
        QFETCH(bool, startWorks);
        QFETCH(QString, started);
        QTemporaryDir dir; // both the registry's tool location and a directory on the PATH
        const QString loc = QDir::toNativeSeparators(dir.path());
        auto source = std::make_shared<MemorySource>();
        if (!pathValue.isNull())
            source->values.insert(msinfoKey + QStringLiteral("|PATH"), {1, pathValue});
        if (locationSet)
            source->values.insert(
                QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location|MSINFO"),
                {1, loc.toLocal8Bit() + '\0'});
        for (const QString &name :
             {viewerFile ? QStringLiteral("MSINFO32.EXE") : QString(), onPath}) {
            QFile file(dir.filePath(name));
            QVERIFY(name.isEmpty() || (file.open(QIODevice::WriteOnly) &&
                                       file.setPermissions(QFile::ReadOwner | QFile::ExeOwner)));
        }
        Recorder recorder;
        recorder.startWorks = startWorks;
        SysInfo sysInfo;
        sysInfo.setSource(source);
        sysInfo.setHooks(recorder.hooks());
        sysInfo.setViewerCandidates({QStringLiteral("hardinfo"), QStringLiteral("kinfocenter")});
        sysInfo.setSearchPaths({dir.path()});
        sysInfo.StartSysInfo(nullptr);
        QCOMPARE(recorder.started.join(u' '), started.replace(QStringLiteral("<dir>"), loc));
        const bool notice = started.isEmpty() || !startWorks;
        QCOMPARE(recorder.messages.join(u' '),
                 notice ? QStringLiteral("Quillop:System Information Is Unavailable At This Time")
                        : QString());
    }

    void boxWindow()
    {
        m_main.show();
        FrmAbout *box = FrmAbout::showBox(&m_main);
        QCOMPARE(FrmAbout::showBox(&m_main), box); // one box at most
        QCOMPARE(box->windowTitle(), QStringLiteral("About Quillop"));
        // A window of its own beside the main one, usable while the main one is disabled.
        QVERIFY(box->isVisible() && !box->isModal() && !box->parent());
        QCOMPARE(box->windowHandle()->transientParent(), m_main.windowHandle());
        QVERIFY(!box->testAttribute(Qt::WA_QuitOnClose));
        m_main.setEnabled(false);
        QVERIFY(box->isEnabled());
        m_main.setEnabled(true);
        QCOMPARE(box->minimumSize(), box->maximumSize());
        QVERIFY(box->width() >= 391 && box->height() >= 209); // 5865 x 3135 twips at 96 dpi
        QCOMPARE(button(box, "cmdSysInfo")->text() + u'|' + button(box, "cmdOK")->text(),
                 QStringLiteral("&System Info...|OK"));
        for (QWidget *child : box->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            QVERIFY2(!child->accessibleName().isEmpty(), qPrintable(child->objectName()));
            QVERIFY2(box->rect().contains(child->geometry()), qPrintable(child->objectName()));
            if (qobject_cast<QPushButton *>(child)) // the caption is not cut
                QVERIFY(child->width() >= child->sizeHint().width() &&
                        child->height() >= child->sizeHint().height());
        }
        Recorder recorder; // the button reaches the lookup, which finds nothing here
        box->sysInfo().setSource(std::make_shared<MemorySource>());
        box->sysInfo().setHooks(recorder.hooks());
        box->sysInfo().setViewerCandidates({});
        QTest::mouseClick(button(box, "cmdSysInfo"), Qt::LeftButton);
        QCOMPARE(recorder.messages.size(), 1);
        const QString shots =
            qEnvironmentVariable("QUILLOP_BINARY_DIR") + QStringLiteral("/screenshots");
        if (qEnvironmentVariableIsSet("QUILLOP_BINARY_DIR") && QDir().mkpath(shots))
            QVERIFY(box->grab().save(shots + QStringLiteral("/about.png")));
    }

    void closedByOk_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key"); // 0: a mouse click
        // clang-format off
        QTest::newRow("click on OK") << "cmdOK" << 0;
        QTest::newRow("Enter on OK") << "cmdOK" << int(Qt::Key_Return);
        QTest::newRow("Escape on OK") << "cmdOK" << int(Qt::Key_Escape);
        QTest::newRow("Enter in the text") << "RichTextBox1" << int(Qt::Key_Enter);
        QTest::newRow("Escape in the text") << "RichTextBox1" << int(Qt::Key_Escape);
        // clang-format on
    }

    void closedByOk()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QPointer<FrmAbout> box = FrmAbout::showBox(&m_main);
        QSignalSpy clicked(button(box, "cmdOK"), &QPushButton::clicked);
        if (key)
            QTest::keyClick(box->findChild<QWidget *>(focus), Qt::Key(key));
        else
            QTest::mouseClick(button(box, "cmdOK"), Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        QTRY_VERIFY(box.isNull());
        QVERIFY(FrmAbout::showBox(&m_main)->isVisible()); // a fresh one
    }

    void text_data()
    {
        QTest::addColumn<QString>("expected");
        const auto example = [](const char *first, const char *second, const char *boxes) {
            const QString host = QStringLiteral("http://example.com/home/");
            const QStringList box = QString::fromUtf8(boxes).split(u' ');
            return host + QLatin1String(first) + u'\n' + host + QLatin1String(second) +
                   QStringLiteral("\nand so on. Fill in the boxes like this:\nBox 1: ") + host +
                   box[0] + QStringLiteral("\nBox 2: ") + box[1] + QStringLiteral("\nBox 3: ") +
                   box[2] + u'\n';
        };
        // clang-format off
        QTest::newRow("name and version") << QStringLiteral("Quillop\nVersion " QUILLOP_VERSION "\n");
        QTest::newRow("plain number") << example("images/pic01.jpg", "images/pic02.jpg", "images/pic 01 .jpg");
        QTest::newRow("suffix after the number") << example("images/pic01_800.jpg", "images/pic02_800.jpg", "images/pic 01 _800.jpg");
        QTest::newRow("number in a directory") << example("images01/pic01.jpg", "images02/pic01.jpg", "images 01 /pic01.jpg");
        QTest::newRow("letter counter") << example("images/pic0a_800.jpg", "images/pic0b_800.jpg", "images/pic0 a _800.jpg");
        QTest::newRow("increment") << QStringLiteral("incremented after each file");
        QTest::newRow("disclaimer") << QStringLiteral("\nDISCLAIMER OF WARRANTY\n");
        QTest::newRow("maintenance") << QStringLiteral("\nMAINTENANCE\n");
        // clang-format on
    }

    void text()
    {
        QFETCH(QString, expected);
        const QString shown = FrmAbout::showBox(&m_main)
                                  ->findChild<QTextBrowser *>(QStringLiteral("RichTextBox1"))
                                  ->toPlainText();
        QVERIFY2(shown.contains(expected), qPrintable(expected));
    }
};

QUILLOP_TEST_GUI_MAIN(TestAbout)
#include "tst_about.moc"
