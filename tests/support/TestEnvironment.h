#pragma once

#include <QString>
#include <QtTest>

// Keeps every test away from the real user's home, settings and pictures: HOME and the
// XDG directories point into a fresh temporary directory before the application starts.
namespace TestEnvironment {

void isolate();
// The temporary home that isolate() set up.
QString home();
// Empties the settings store (the isolated one).
void resetStore();
// The store file itself, for tests that look at its bytes or mode.
QString storeFilePath();
// A file's bytes, "<missing>" when it cannot be read.
QByteArray contents(const QString &path);
// Writes bytes to path, making its directory first; false when any of it fails.
bool writeFile(const QString &path, const QByteArray &bytes = {});

} // namespace TestEnvironment

#define QUILLOP_TEST_MAIN_IMPL(AppClass, TestObject)                                               \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        TestEnvironment::isolate();                                                                \
        AppClass app(argc, argv);                                                                  \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }

// For engine tests (no widgets).
#define QUILLOP_TEST_MAIN(TestObject) QUILLOP_TEST_MAIN_IMPL(QCoreApplication, TestObject)
// For widget tests; the test file includes <QApplication>.
#define QUILLOP_TEST_GUI_MAIN(TestObject) QUILLOP_TEST_MAIN_IMPL(QApplication, TestObject)
