#include "TestRegistry.h"

#include <QApplication>
#include <QList>
#include <QTest>
#include <utility>

namespace {

QList<std::pair<QString, TestRegistry::Factory>>& tests() {
    static QList<std::pair<QString, TestRegistry::Factory>> registered;
    return registered;
}

} // namespace

bool TestRegistry::add(const char* name, Factory factory) {
    tests().append({QString::fromLatin1(name), std::move(factory)});
    return true;
}

int TestRegistry::run(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    QString only;
    if (arguments.size() > 1) {
        for (const auto& [name, factory] : tests())
            if (name == arguments.at(1))
                only = arguments.takeAt(1);
    }
    int failures = 0;
    for (const auto& [name, factory] : tests()) {
        if (only.isEmpty() || name == only) {
            const std::unique_ptr<QObject> test = factory();
            failures += QTest::qExec(test.get(), arguments);
        }
    }
    return failures;
}

int main(int argc, char* argv[]) {
    return TestRegistry::run(argc, argv);
}
