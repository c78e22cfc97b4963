// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QTest>
#include <cstdio>
#include <memory>
#include <vector>

#include "AppLook.h"
#include "OwnFontsOnly.h"
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
    std::vector<char*> args = zembra::useOwnFontsOnly(argc, argv);
    argc = static_cast<int>(args.size()) - 1;
    argv = args.data();
    QApplication app(argc, argv);
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
