#include "DownloadRun.h"
#include "FrmMain.h"
#include "Pause.h"
#include "PreviewView.h"
#include "ProgramPaths.h"
#include "SettingsStore.h"
#include "TestEnvironment.h"
#include "TestHttpServer.h"
#include "UiFakes.h"

#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

// A whole run the way a user makes one: type the address, press Get, watch the preview.
class TestWindowRun : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void typedAddressIsDownloadedAndShown();

private:
    static QByteArray jpeg(int width, int height, Qt::GlobalColor color);
    void typeInto(QWidget *input, const QString &text);

    QTemporaryDir m_dir;
    DialogRecorder m_dialogs;
};

QByteArray TestWindowRun::jpeg(int width, int height, Qt::GlobalColor color)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "JPEG");
    return bytes;
}

void TestWindowRun::initTestCase()
{
    QVERIFY(m_dir.isValid());
    ProgramPaths::setProgramDirectoryForTesting(m_dir.path());
    m_dialogs.install();
}

void TestWindowRun::typeInto(QWidget *input, const QString &text)
{
    input->setFocus(Qt::TabFocusReason);
    if (auto *box = qobject_cast<QComboBox *>(input))
        box->lineEdit()->clear();
    else
        static_cast<QLineEdit *>(input)->clear();
    QTest::keyClicks(input, text);
}

void TestWindowRun::typedAddressIsDownloadedAndShown()
{
    TestEnvironment::resetStore();
    const QString saveDir = m_dir.path() + QStringLiteral("/saved");
    QVERIFY(QDir().mkpath(saveDir));
    SettingsStore::write(QStringLiteral("save_dir"), saveDir);
    SettingsStore::write(QStringLiteral("max_downloads"), QStringLiteral("2"));

    TestHttpServer server;
    QVERIFY(server.listen());
    const QByteArray first = jpeg(64, 48, Qt::red);
    const QByteArray second = jpeg(30, 60, Qt::blue);
    server.setResponse(QStringLiteral("/gallery/pic01.jpg"), TestHttpServer::image(first));
    server.setResponse(QStringLiteral("/gallery/pic02.jpg"), TestHttpServer::image(second));

    FrmMain w;
    w.run().pause().setUnitMs(1);
    w.start();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    typeInto(w.findChild<QWidget *>(QStringLiteral("url1")),
             server.baseUrl() + QStringLiteral("/gallery/pic"));
    typeInto(w.findChild<QWidget *>(QStringLiteral("url2")), QStringLiteral("01"));
    typeInto(w.findChild<QWidget *>(QStringLiteral("url3")), QStringLiteral(".jpg"));
    auto *get = w.findChild<QPushButton *>(QStringLiteral("cmdGet"));
    QTest::mouseClick(get, Qt::LeftButton);

    QTRY_COMPARE_WITH_TIMEOUT(w.statusText(), QStringLiteral("downloading completed"), 20000);
    QVERIFY(get->isEnabled());
    QCOMPARE(w.statePicture(), ImageKey::On);
    QCOMPARE(w.url2Text(), QStringLiteral("03"));
    QCOMPARE(server.requestedPaths(), (QStringList{QStringLiteral("/gallery/pic01.jpg"),
                                                   QStringLiteral("/gallery/pic02.jpg")}));

    QFile saved1(saveDir + QStringLiteral("/pic01.jpg"));
    QFile saved2(saveDir + QStringLiteral("/pic02.jpg"));
    QVERIFY(saved1.open(QIODevice::ReadOnly) && saved2.open(QIODevice::ReadOnly));
    QCOMPARE(saved1.readAll(), first);
    QCOMPARE(saved2.readAll(), second);

    // The preview shows the last picture, visible and with its own ratio (1:2).
    auto *img1 = w.findChild<PreviewView *>(QStringLiteral("img1"));
    QCOMPARE(img1->pictureSize(), QSize(30, 60));
    QVERIFY(img1->isVisible());
    QVERIFY(qAbs(img1->width() * 2 - img1->height()) <= 2);
    // The typed prefix was remembered when the focus went to the button.
    QCOMPARE(SettingsStore::read(QStringLiteral("url1_0")),
             server.baseUrl() + QStringLiteral("/gallery/pic"));
}

QUILLOP_TEST_GUI_MAIN(TestWindowRun)
#include "tst_windowrun.moc"
