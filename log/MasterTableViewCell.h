#pragma once

#include <QString>

class UserData;

// The texts of one row of the session list: the date line and the figures line.
struct MasterTableViewCell {
    QString FirstLabel;
    QString SecondLabel;

    static MasterTableViewCell forSession(const UserData &session, bool miles);
    // The date in the medium style, or for a session that has no treadDate yet (an import
    // not repaired) its date text with year, month and day: "date : year : month : day".
    static QString firstLine(const UserData &session);
    static QString secondLine(const UserData &session, bool miles);
};
