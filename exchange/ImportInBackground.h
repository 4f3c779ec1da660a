#pragma once

#include <QObject>
#include <QTimer>
#include <memory>

class SessionImport;

// A session import whose screen was left part way: it merges the lines that are left a slice per
// turn of the event loop, as the screen did, and then tells the person the result in an alert.
class ImportInBackground : public QObject {
    Q_OBJECT
public:
    static void carryOn(std::unique_ptr<SessionImport> import, int sliceMilliseconds);
    ~ImportInBackground() override;

private:
    ImportInBackground(std::unique_ptr<SessionImport> import, int sliceMilliseconds);
    void mergeSlice();

    std::unique_ptr<SessionImport> m_import;
    int m_sliceMilliseconds;
    QTimer m_slices;
};
