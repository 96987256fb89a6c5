#pragma once

#include <QDir>
#include <QObject>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

// A test class whose every test function works in a fresh, empty directory.
class TempDirTest : public QObject {
    Q_OBJECT

protected:
    QDir m_dir;

private Q_SLOTS:
    void init() {
        m_tmp.emplace();
        QVERIFY(m_tmp->isValid());
        m_dir = QDir(m_tmp->path());
    }

private:
    std::optional<QTemporaryDir> m_tmp;
};
