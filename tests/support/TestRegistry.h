#pragma once

#include <QObject>
#include <functional>
#include <memory>

// Lets one test executable hold several QtTest classes, one a file. Run them all, or name one
// class first to run only it: tst_mainwin ToolbarTest newCategory
class TestRegistry final {
public:
    using Factory = std::function<std::unique_ptr<QObject>()>;

    static bool add(const char* name, Factory factory);
    static int run(int argc, char* argv[]);
};

#define VITTLO_REGISTER_TEST(Class)                                                                \
    static const bool Class##Registered =                                                          \
        TestRegistry::add(#Class, [] { return std::make_unique<Class>(); });
