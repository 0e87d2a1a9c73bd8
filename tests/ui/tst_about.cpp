#include "AboutText.h"
#include "FrmAbout.h"
#include "KeyValueSource.h"
#include "SysInfo.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QWindow>

namespace {

const QString msinfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString locationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");

class MemorySource : public KeyValueSource
{
public:
    void set(const QString &key, const QString &name, quint32 type, const QByteArray &bytes)
    {
        m_values.insert(key + QLatin1Char('|') + name, RawValue{type, bytes});
    }
    std::optional<RawValue> query(quint32 root, const QString &key,
                                  const QString &name) const override
    {
        const auto it = m_values.constFind(key + QLatin1Char('|') + name);
        if (root != LocalMachine || it == m_values.constEnd())
            return std::nullopt;
        return *it;
    }

private:
    QMap<QString, RawValue> m_values;
};

// Stands in for starting programs and for the message box.
struct Recorder
{
    QStringList started;
    QStringList messages;
    bool startWorks = true;

    SysInfo::Hooks hooks()
    {
        return {[this](const QString &program) {
                    started << program;
                    return startWorks;
                },
                [this](QWidget *, const QString &caption, const QString &text) {
                    messages << caption + QLatin1Char(':') + text;
                }};
    }
};

QByteArray withNul(const QByteArray &value)
{
    return value + '\0';
}

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void getKeyValue_data();
    void getKeyValue();
    void startSysInfo_data();
    void startSysInfo();
    void boxWindow();
    void oneBoxAtMost();
    void keysPressOk_data();
    void keysPressOk();
    void okClosesAndDeletes();
    void sysInfoButtonShowsNotice();
    void text_data();
    void text();
    void screenshot();

private:
    QMainWindow m_main;
};

void TestAbout::cleanup()
{
    const auto boxes = QApplication::topLevelWidgets();
    for (QWidget *widget : boxes) {
        if (auto *box = qobject_cast<FrmAbout *>(widget)) {
            QPointer<FrmAbout> gone(box);
            box->close();
            QTRY_VERIFY(gone.isNull());
        }
    }
}

void TestAbout::getKeyValue_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<quint32>("type");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("keyVal");

    const QString viewer = QStringLiteral("C:\\Program Files\\msinfo32.exe");
    QTest::newRow("text with its trailing NUL")
        << true << 1u << withNul(viewer.toLatin1()) << true << viewer;
    QTest::newRow("text without a trailing NUL")
        << true << 1u << viewer.toLatin1() << true << viewer;
    QTest::newRow("text of exactly 1024 bytes")
        << true << 1u << withNul(QByteArray(1023, 'x')) << true << QString(1023, QLatin1Char('x'));
    QTest::newRow("text of 1030 bytes fails")
        << true << 1u << withNul(QByteArray(1029, 'x')) << false << QString();
    QTest::newRow("missing value fails") << false << 1u << QByteArray() << false << QString();
    QTest::newRow("32-bit number reads little-endian")
        << true << 4u << QByteArray::fromHex("01020000") << true << QStringLiteral("513");
    QTest::newRow("32-bit number with the top bit set")
        << true << 4u << QByteArray::fromHex("ffffffff") << true << QStringLiteral("4294967295");
    QTest::newRow("binary value leaves the text as it was")
        << true << 3u << QByteArray::fromHex("0102") << true << QStringLiteral("before");
}

void TestAbout::getKeyValue()
{
    QFETCH(bool, present);
    QFETCH(quint32, type);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, ok);
    QFETCH(QString, keyVal);

    MemorySource source;
    if (present)
        source.set(msinfoKey, QStringLiteral("PATH"), type, bytes);
    QString KeyVal = QStringLiteral("before");
    QCOMPARE(SysInfo::GetKeyValue(source, KeyValueSource::LocalMachine, msinfoKey,
                                  QStringLiteral("PATH"), KeyVal),
             ok);
    QCOMPARE(KeyVal, keyVal);
}

void TestAbout::startSysInfo_data()
{
    QTest::addColumn<QByteArray>("pathValue"); // null: no such value
    QTest::addColumn<bool>("locationSet");
    QTest::addColumn<bool>("viewerFile");
    QTest::addColumn<QString>("onPath");
    QTest::addColumn<bool>("startWorks");
    QTest::addColumn<QStringList>("started"); // <loc> and <bin> stand for the directories
    QTest::addColumn<bool>("notice");

    const QByteArray viewer = "C:\\Tools\\msinfo32.exe";
    QTest::newRow("first lookup found") << withNul(viewer) << true << true << QString() << true
                                        << QStringList{QString::fromLatin1(viewer)} << false;
    QTest::newRow("first lookup found but the start fails")
        << withNul(viewer) << true << true << QStringLiteral("hardinfo") << false
        << QStringList{QString::fromLatin1(viewer)} << true;
    QTest::newRow("first too long, second with its viewer")
        << withNul(QByteArray(1029, 'x')) << true << true << QString() << true
        << QStringList{QStringLiteral("<loc>/MSINFO32.EXE")} << false;
    QTest::newRow("only the second, viewer file missing")
        << QByteArray() << true << false << QStringLiteral("hardinfo") << true << QStringList()
        << true;
    QTest::newRow("no registry, no viewer on the path")
        << QByteArray() << false << false << QString() << true << QStringList() << true;
    QTest::newRow("no registry, a listed viewer on the path")
        << QByteArray() << false << false << QStringLiteral("kinfocenter") << true
        << QStringList{QStringLiteral("<bin>/kinfocenter")} << false;
}

void TestAbout::startSysInfo()
{
    QFETCH(QByteArray, pathValue);
    QFETCH(bool, locationSet);
    QFETCH(bool, viewerFile);
    QFETCH(QString, onPath);
    QFETCH(bool, startWorks);
    QFETCH(QStringList, started);
    QFETCH(bool, notice);

    QTemporaryDir location;
    QTemporaryDir bin;
    auto source = std::make_shared<MemorySource>();
    if (!pathValue.isNull())
        source->set(msinfoKey, QStringLiteral("PATH"), 1, pathValue);
    if (locationSet)
        source->set(locationKey, QStringLiteral("MSINFO"), 1,
                    withNul(QDir::toNativeSeparators(location.path()).toLocal8Bit()));
    if (viewerFile) {
        QFile file(location.filePath(QStringLiteral("MSINFO32.EXE")));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    if (!onPath.isEmpty()) {
        QFile file(bin.filePath(onPath));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }

    Recorder recorder;
    recorder.startWorks = startWorks;
    SysInfo sysInfo;
    sysInfo.setSource(source);
    sysInfo.setHooks(recorder.hooks());
    sysInfo.setViewerCandidates({QStringLiteral("hardinfo"), QStringLiteral("kinfocenter")});
    sysInfo.setSearchPaths({bin.path()});
    sysInfo.StartSysInfo(nullptr);

    started.replaceInStrings(QStringLiteral("<loc>"), QDir::toNativeSeparators(location.path()));
    started.replaceInStrings(QStringLiteral("<bin>"), bin.path());
    QCOMPARE(recorder.started, started);
    QCOMPARE(recorder.messages, notice
                                    ? QStringList{QStringLiteral(
                                          "Quillop:System Information Is Unavailable At This Time")}
                                    : QStringList());
}

void TestAbout::boxWindow()
{
    m_main.show();
    FrmAbout *box = FrmAbout::showBox(&m_main);
    QCOMPARE(box->windowTitle(), QStringLiteral("About Quillop"));
    QVERIFY(box->isVisible());
    QVERIFY(!box->isModal());
    QCOMPARE(box->parent(), nullptr);
    QCOMPARE(box->windowHandle()->transientParent(), m_main.windowHandle());
    QVERIFY(!box->testAttribute(Qt::WA_QuitOnClose));
    QVERIFY(!(box->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(box->minimumSize(), box->maximumSize());
    QVERIFY(box->width() >= 391 && box->height() >= 209); // 5865 x 3135 twips at 96 dpi

    m_main.setEnabled(false);
    QVERIFY(box->isEnabled());
    m_main.setEnabled(true);

    auto *textBox = box->findChild<QTextBrowser *>(QStringLiteral("RichTextBox1"));
    QVERIFY(textBox && textBox->isReadOnly());
    QVERIFY(box->findChild<QWidget *>(QStringLiteral("Line1")));
    const QFontInfo font(textBox->font());
    QCOMPARE(font.pointSize(), 12);
    qInfo("about text font: %s", qPrintable(font.family()));

    auto *sysInfo = box->findChild<QPushButton *>(QStringLiteral("cmdSysInfo"));
    auto *ok = box->findChild<QPushButton *>(QStringLiteral("cmdOK"));
    QVERIFY(sysInfo && ok);
    QCOMPARE(sysInfo->text(), QStringLiteral("&System Info..."));
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(ok->isDefault());
    for (QWidget *child : box->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        QVERIFY2(!child->accessibleName().isEmpty(), qPrintable(child->objectName()));
        QVERIFY2(box->rect().contains(child->geometry()), qPrintable(child->objectName()));
    }
    for (QPushButton *button : {sysInfo, ok}) {
        QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
        QVERIFY2(button->height() >= button->sizeHint().height(), qPrintable(button->text()));
    }
    QVERIFY(sysInfo->geometry().right() < ok->geometry().left());
}

void TestAbout::oneBoxAtMost()
{
    FrmAbout *first = FrmAbout::showBox(&m_main);
    FrmAbout *second = FrmAbout::showBox(&m_main);
    QCOMPARE(second, first);
    int boxes = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        boxes += qobject_cast<FrmAbout *>(widget) ? 1 : 0;
    QCOMPARE(boxes, 1);
}

void TestAbout::keysPressOk_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::newRow("Enter on OK") << QStringLiteral("cmdOK") << int(Qt::Key_Return);
    QTest::newRow("Escape on OK") << QStringLiteral("cmdOK") << int(Qt::Key_Escape);
    QTest::newRow("Enter in the text") << QStringLiteral("RichTextBox1") << int(Qt::Key_Enter);
    QTest::newRow("Escape in the text") << QStringLiteral("RichTextBox1") << int(Qt::Key_Escape);
}

void TestAbout::keysPressOk()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QPointer<FrmAbout> box = FrmAbout::showBox(&m_main);
    auto *ok = box->findChild<QPushButton *>(QStringLiteral("cmdOK"));
    QSignalSpy clicked(ok, &QPushButton::clicked);
    QTest::keyClick(box->findChild<QWidget *>(focus), Qt::Key(key));
    QCOMPARE(clicked.count(), 1);
    QTRY_VERIFY(box.isNull());
}

void TestAbout::okClosesAndDeletes()
{
    QPointer<FrmAbout> box = FrmAbout::showBox(&m_main);
    QTest::mouseClick(box->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QTRY_VERIFY(box.isNull());
    // A later About opens a fresh box.
    box = FrmAbout::showBox(&m_main);
    QVERIFY(box && box->isVisible());
}

void TestAbout::sysInfoButtonShowsNotice()
{
    FrmAbout *box = FrmAbout::showBox(&m_main);
    Recorder recorder;
    box->sysInfo().setSource(std::make_shared<MemorySource>());
    box->sysInfo().setHooks(recorder.hooks());
    box->sysInfo().setViewerCandidates({});
    QTest::mouseClick(box->findChild<QPushButton *>(QStringLiteral("cmdSysInfo")), Qt::LeftButton);
    QCOMPARE(recorder.messages.size(), 1);
    QVERIFY(recorder.started.isEmpty());
    QVERIFY(box->isVisible());
}

void TestAbout::text_data()
{
    QTest::addColumn<QString>("expected");
    const QString host = QStringLiteral("http://example.com/home/");
    const auto example = [&host](const char *first, const char *second, const char *box1,
                                 const char *box2, const char *box3) {
        return host + QLatin1String(first) + QLatin1Char('\n') + host + QLatin1String(second) +
               QStringLiteral("\nand so on. Fill in the boxes like this:\nBox 1: ") + host +
               QLatin1String(box1) + QStringLiteral("\nBox 2: ") + QLatin1String(box2) +
               QStringLiteral("\nBox 3: ") + QLatin1String(box3) + QLatin1Char('\n');
    };
    QTest::newRow("name and version") << QStringLiteral("Quillop\nVersion ") +
                                             QStringLiteral(QUILLOP_VERSION) + QLatin1Char('\n');
    QTest::newRow("plain number") << example("images/pic01.jpg", "images/pic02.jpg", "images/pic",
                                             "01", ".jpg");
    QTest::newRow("suffix after the number")
        << example("images/pic01_800.jpg", "images/pic02_800.jpg", "images/pic", "01", "_800.jpg");
    QTest::newRow("number in a directory")
        << example("images01/pic01.jpg", "images02/pic01.jpg", "images", "01", "/pic01.jpg");
    QTest::newRow("letter counter")
        << example("images/pic0a_800.jpg", "images/pic0b_800.jpg", "images/pic0", "a", "_800.jpg");
    QTest::newRow("increment") << QStringLiteral("incremented after each file");
    QTest::newRow("disclaimer") << QStringLiteral("\nDISCLAIMER OF WARRANTY\n");
    QTest::newRow("maintenance") << QStringLiteral("\nMAINTENANCE\n");
}

void TestAbout::text()
{
    QFETCH(QString, expected);
    FrmAbout *box = FrmAbout::showBox(&m_main);
    const QString shown =
        box->findChild<QTextBrowser *>(QStringLiteral("RichTextBox1"))->toPlainText();
    QVERIFY2(shown.contains(expected), qPrintable(expected));
}

void TestAbout::screenshot()
{
    const QString buildDir = qEnvironmentVariable("QUILLOP_BINARY_DIR");
    if (buildDir.isEmpty())
        QSKIP("QUILLOP_BINARY_DIR is not set (run through CTest)");
    FrmAbout *box = FrmAbout::showBox(&m_main);
    QVERIFY(QDir().mkpath(buildDir + QStringLiteral("/screenshots")));
    QVERIFY(box->grab().save(buildDir + QStringLiteral("/screenshots/about.png")));
}

QUILLOP_TEST_GUI_MAIN(TestAbout)
#include "tst_about.moc"
