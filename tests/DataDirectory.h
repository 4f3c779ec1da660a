#pragma once

#include "model/AppDelegate.h"

#include <QTemporaryDir>
#include <memory>

// The app's data directory for unit tests: fresh() gives each test function an empty one.
class DataDirectory {
public:
    void fresh() {
        m_dir = std::make_unique<QTemporaryDir>();
        AppDelegate::setDataDirectory(m_dir->path());
    }
    QString path() const { return m_dir->path(); }
    QString filePath(const QString &name) const { return m_dir->filePath(name); }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};
