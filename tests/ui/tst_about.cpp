#include "FrmAbout.h"
#include "MenuCommands.h"
#include "ProgramPaths.h"
#include "RecordingWindow.h"
#include "SysInfo.h"
#include "TestEnvironment.h"
#include "Translations.h"

#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QUrl>

class TestAbout : public QObject
{
    Q_OBJECT
    QMainWindow m_main;

    // Empty files under dir, and the program in dir/bin.
    static bool programAmong(const QTemporaryDir &dir, const QString &files)
    {
        for (const QString &name : files.split(u' ', Qt::SkipEmptyParts))
            if (!TestEnvironment::writeFile(dir.filePath(name)))
                return false;
        ProgramPaths::setProgramDirectoryForTesting(dir.filePath(QStringLiteral("bin")));
        return QDir().mkpath(dir.filePath(QStringLiteral("bin")));
    }

private Q_SLOTS:
    void cleanup()
    {
        for (QWidget *widget : QApplication::topLevelWidgets())
            delete qobject_cast<FrmAbout *>(widget);
    }

    // No registry here: the viewer comes from the search, or the user gets the notice.
    void startSysInfo_data()
    {
        QTest::addColumn<QString>("files"); // in the searched directory
        QTest::addColumn<bool>("startWorks");
        QTest::addColumn<QString>("calls"); // <dir> stands for the directory
        const QString notice =
            QStringLiteral("Quillop:System Information Is Unavailable At This Time");
        // clang-format off
        QTest::newRow("no viewer on the path: notice") << "" << true << notice;
        QTest::newRow("the first listed viewer found") << "kinfocenter hardinfo" << true << "<dir>/hardinfo";
        QTest::newRow("a viewer that does not start: notice") << "kinfocenter" << false << QStringLiteral("<dir>/kinfocenter ") + notice;
        // clang-format on
    }

    void startSysInfo()
    {
        QFETCH(QString, files);
        QFETCH(bool, startWorks);
        QFETCH(QString, calls);
        QTemporaryDir dir;
        for (const QString &name : files.split(u' ', Qt::SkipEmptyParts))
            QVERIFY(TestEnvironment::writeFile(dir.filePath(name)) &&
                    QFile::setPermissions(dir.filePath(name), QFile::ReadOwner | QFile::ExeOwner));
        QStringList seen; // programs started, then messages
        SysInfo sysInfo;
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
        QCOMPARE(seen.join(u' '), calls.replace(QStringLiteral("<dir>"), dir.path()));
    }

    // The file of a build, else of the installation: Help > Content's manual (else a message),
    // and the placeholder, whose caption is text, in the language shown where there is a copy.
    void filePicked_data()
    {
        QTest::addColumn<QString>("files");    // under the directory above the program's
        QTest::addColumn<QString>("language"); // "manual": Help > Content
        QTest::addColumn<QString>("picked");
        const QString de = QStringLiteral("bin/images/nai2.jpg bin/images/nai2_de.jpg");
        // clang-format off
        QTest::newRow("manual of the build tree") << "bin/docs/manual.html share/doc/quillop/manual.html" << "manual" << "bin/docs/manual.html";
        QTest::newRow("manual installed") << "share/doc/quillop/manual.html" << "manual" << "share/doc/quillop/manual.html";
        QTest::newRow("manual missing: a message") << "" << "manual" << "";
        QTest::newRow("placeholder in the language") << de << "de" << "bin/images/nai2_de.jpg";
        QTest::newRow("placeholder, none in the language") << "bin/images/nai2.jpg bin/images/nai2_fr.jpg" << "de" << "bin/images/nai2.jpg";
        QTest::newRow("placeholder in English") << de << "" << "bin/images/nai2.jpg";
        QTest::newRow("placeholder installed") << "share/quillop/images/nai2.jpg share/quillop/images/nai2_ja.jpg" << "ja" << "share/quillop/images/nai2_ja.jpg";
        // clang-format on
    }

    void filePicked()
    {
        QFETCH(QString, files);
        QFETCH(QString, language);
        QFETCH(QString, picked);
        QTemporaryDir dir;
        QVERIFY(programAmong(dir, files));
        const auto forget = qScopeGuard([] {
            MenuCommands::setFileOpener({});
            Translations::setLanguageForTesting({});
            ProgramPaths::setProgramDirectoryForTesting({});
        });
        if (language != QLatin1String("manual")) {
            Translations::setLanguageForTesting(language);
            QCOMPARE(ProgramPaths::placeholderPath(), QDir::cleanPath(dir.filePath(picked)));
            return;
        }
        QStringList seen;
        MenuCommands::setFileOpener([&](const QUrl &url) {
            seen << url.toLocalFile();
            return true;
        });
        RecordingWindow window;
        MenuCommands::m_cont_Click(window);
        QCOMPARE(seen, picked.isEmpty() ? QStringList() : QStringList{dir.filePath(picked)});
        QCOMPARE(window.messages.size(), picked.isEmpty() ? 1 : 0);
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
