// SPDX-License-Identifier: MIT
// One executable holds every window test class; ctest runs each class on
// its own, by name.
#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <string>

namespace zembra::testing {

using TestFactory = std::function<QObject*()>;
std::map<std::string, TestFactory>& uiTestRegistry();

struct UiTestRegistration {
    UiTestRegistration(const char* name, TestFactory make) { uiTestRegistry()[name] = std::move(make); }
};

}  // namespace zembra::testing

#define ZEMBRA_UI_TEST(Class) \
    static zembra::testing::UiTestRegistration registration##Class(#Class, [] { return new Class; });
