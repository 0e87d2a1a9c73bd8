#include "FrmAbout.h"
#include "FrmMain.h"
#include "FrmOptions.h"
#include "RecordingWindow.h"
#include "RunSettings.h"
#include "ShownTexts.h"
#include "TestEnvironment.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <QTextEdit>
#include <QTranslator>

// Under a translation whose every text is its source in markers (made at build time from the
// sources by lupdate), every text a person reads in the window, the options dialog and the
// about box must show the markers: an unmarked one never went through tr().
class TestTranslatable : public QObject
{
    Q_OBJECT
    QTranslator m_marked;

    // Names and data, not language.
    static bool exempt(const QString &text)
    {
        static const QStringList names{QStringLiteral("Quillop"), QStringLiteral(".jpg")};
        return names.contains(text) ||
               !text.contains(QRegularExpression(QStringLiteral("[A-Za-z]")));
    }

    static QStringList unmarked(QWidget *top)
    {
        QStringList found;
        const auto check = [&found](const QObject *o, const char *what, const QString &text) {
            if (!text.isEmpty() && !text.contains(QChar(0x27e6)) && !exempt(text))
                found << QStringLiteral("%1 %2: %3")
                             .arg(o->objectName(), QString::fromUtf8(what), text);
        };
        QList<QWidget *> widgets = top->findChildren<QWidget *>();
        widgets.prepend(top);
        for (QWidget *w : widgets) {
            // The tab bar's scroll buttons are Qt's own, translated by Qt's catalogue.
            if (qobject_cast<QTabBar *>(w->parentWidget()))
                continue;
            if (w->isWindow())
                check(w, "title", w->windowTitle());
            check(w, "tooltip", w->toolTip());
            check(w, "name", w->accessibleName());
            check(w, "description", w->accessibleDescription());
            if (auto *b = qobject_cast<QAbstractButton *>(w))
                check(w, "text", b->text());
            if (auto *l = qobject_cast<QLabel *>(w))
                check(w, "text", l->text());
            if (auto *g = qobject_cast<QGroupBox *>(w))
                check(w, "title", g->title());
            if (auto *e = qobject_cast<QLineEdit *>(w))
                check(w, "placeholder", e->placeholderText());
            if (auto *t = qobject_cast<QTextEdit *>(w); t && t->isReadOnly())
                check(w, "text", t->toPlainText());
            if (auto *tabs = qobject_cast<QTabBar *>(w))
                for (int i = 0; i < tabs->count(); ++i)
                    check(w, "tab", tabs->tabText(i));
            if (auto *menu = qobject_cast<QMenu *>(w))
                check(w, "menu", menu->title());
            for (const QAction *a : w->actions()) {
                check(a, "menu item", a->text());
                check(a, "menu tooltip", a->toolTip() == a->text() ? QString() : a->toolTip());
            }
        }
        found.removeDuplicates();
        return found;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_marked.load(QStringLiteral(QUILLOP_MARKED_QM)), QUILLOP_MARKED_QM);
        QVERIFY(QCoreApplication::installTranslator(&m_marked));
    }

    void everyTextMarked_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("main window") << QStringLiteral("main");
        QTest::newRow("options dialog, every page") << QStringLiteral("options");
        QTest::newRow("about box") << QStringLiteral("about");
    }

    void everyTextMarked()
    {
        QFETCH(QString, window);
        TestEnvironment::resetStore();
        FrmMain main;
        main.start();
        QWidget *top = &main;
        RunSettings settings;
        RecordingWindow recording;
        std::unique_ptr<FrmOptions> options;
        if (window == QStringLiteral("options")) {
            options = std::make_unique<FrmOptions>(settings, recording, &main);
            top = options.get();
        } else if (window == QStringLiteral("about")) {
            top = FrmAbout::showBox(&main);
        }
        const QStringList found = unmarked(top);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
    }

    // The engine's reasons stay English in the log; shown, they are translated by wording.
    void reasonsShownTranslated_data()
    {
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("shown"); // [ and ] for the markers
        // clang-format off
        QTest::newRow("fixed") << "timed out" << "[timed out]";
        QTest::newRow("a reason inside a reason") << "proxy error: connection refused" << "[proxy error: [connection refused]]";
        QTest::newRow("two parts") << "the range \"A-c\" cannot be reached with increment 2" << "[the range \"A-c\" cannot be reached with increment 2]";
        QTest::newRow("unknown: as it is") << "HTTP 404 Not Found" << "HTTP 404 Not Found";
        // clang-format on
    }

    void reasonsShownTranslated()
    {
        QFETCH(QString, reason);
        QFETCH(QString, shown);
        shown.replace(u'[', QChar(0x27e6)).replace(u']', QChar(0x27e7));
        QCOMPARE(ShownTexts::reason(reason), shown);
    }
};

QUILLOP_TEST_GUI_MAIN(TestTranslatable)
#include "tst_translatable.moc"
