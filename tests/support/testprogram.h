#pragma once

// The tests of one folder are one program. Each test file registers its test
// class under the file's name, and the program runs the test named on its
// command line, with the same application object and arguments the test
// library's own main would give it:
//
//     <folder>_tests test_flats [test library arguments...]
//
// A file ends with KV_TEST_MAIN(Class), KV_TEST_GUILESS_MAIN(Class) or
// KV_TEST_APPLESS_MAIN(Class) where it would end with the library's macro.

#include <QtTest>

namespace kvtest {

using Runner = int (*)(int &argc, char **argv);

// Registers a test under the base name of its source file; called before main.
bool registerTest(const char *sourceFile, Runner run);

} // namespace kvtest

#define KV_TEST_REGISTER(TestObject, ...)                                                             \
    namespace {                                                                                       \
    const bool kvTestRegistered##TestObject = kvtest::registerTest(__FILE__, [](int &argc, char **argv) { \
        QT_PREPEND_NAMESPACE(QTest::Internal::callInitMain)<TestObject>();                            \
        __VA_ARGS__                                                                                   \
        TestObject tc;                                                                                \
        QTEST_SET_MAIN_SOURCE_PATH                                                                    \
        return QTest::qExec(&tc, argc, argv);                                                         \
    });                                                                                               \
    }

#define KV_TEST_MAIN(TestObject) KV_TEST_REGISTER(TestObject, QTEST_MAIN_SETUP())
#define KV_TEST_GUILESS_MAIN(TestObject) KV_TEST_REGISTER(TestObject, QTEST_QAPP_SETUP(QCoreApplication))
#define KV_TEST_APPLESS_MAIN(TestObject) KV_TEST_REGISTER(TestObject)
