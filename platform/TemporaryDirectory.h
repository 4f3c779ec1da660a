#pragma once

#include <QString>

// The app's own temporary directory, like a phone app's sandboxed tmp: created on first use,
// private to this process and removed when it ends, so two running copies never share a file.
class TemporaryDirectory {
public:
    static QString path();
    static QString filePath(const QString &name);
};
