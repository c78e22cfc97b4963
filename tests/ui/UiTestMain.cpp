// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QTest>
#include <cstdio>
#include <memory>

#include "AppLook.h"
#include "PlatformStart.h"
#include "UiTests.h"

namespace zembra::testing {
std::map<std::string, TestFactory>& uiTestRegistry()
{
    static std::map<std::string, TestFactory> registry;
    return registry;
}
}  // namespace zembra::testing

// Usage: ui_tests CLASS [Qt Test options]; without a class, every class runs.
int main(int argc, char** argv)
{
    zembra::QtArguments args = zembra::startPlatform(argc, argv);
    QApplication app(args.argc(), args.argv());
    // What remains once Qt has taken its own options.
    argc = args.argc();
    argv = args.argv();
    zembra::applyAppLook(app);
    auto& registry = zembra::testing::uiTestRegistry();
    if (argc >= 2 && registry.count(argv[1])) {
        std::unique_ptr<QObject> test(registry[argv[1]]());
        argv[1] = argv[0];
        return QTest::qExec(test.get(), argc - 1, argv + 1);
    }
    int failures = 0;
    for (auto& [name, make] : registry) {
        std::unique_ptr<QObject> test(make());
        failures += QTest::qExec(test.get(), 1, argv);
    }
    return failures == 0 ? 0 : 1;
}
