#include "TestStore.h"
#include "SessionFixture.h"
#include "platform/Clock.h"

#include "model/AppDelegate.h"
#include "model/Entity.h"
#include "model/Settings.h"
#include "platform/Formatting.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

QVariantList TestStore::records(const QString &entity) const {
    QVariantList out;
    Context &context = AppDelegate::shared()->persistentContainer();
    for (const Record &r : context.fetch(FetchRequest(entity))) {
        QVariantMap map;
        for (const QString &key : r.entity()->attributeNames())
            map.insert(key, r.value(key));
        out << map;
    }
    return out;
}

int TestStore::count(const QString &entity) const {
    return AppDelegate::shared()->persistentContainer().count(FetchRequest(entity));
}

void TestStore::removeAll(const QString &entity) const {
    Context &context = AppDelegate::shared()->persistentContainer();
    for (const Record &r : context.fetch(FetchRequest(entity)))
        context.remove(r);
    context.save();
}

qint64 TestStore::insert(const QString &entity, const QVariantMap &values) const {
    Context &context = AppDelegate::shared()->persistentContainer();
    Record record(Entity::named(entity));
    for (auto it = values.begin(); it != values.end(); ++it)
        record.setValue(it.key(), it.value());
    if (!context.insert(record) || !context.save())
        return -1;
    return record.id();
}

qint64 TestStore::addSession(int year, int month, int day, const QString &calories,
                             const QString &distance, const QString &fatCalories,
                             const QString &laps) const {
    const QDateTime moment = QDate(year, month, day).startOfDay().addSecs(8 * 3600);
    return ::addSession(moment, calories, distance, fatCalories, laps).id();
}

QVariantMap TestStore::settingsFile() const {
    Settings::standard().synchronize();
    QSettings file(Settings::standard().filePath(), QSettings::IniFormat);
    QVariantMap out;
    for (const QString &key : file.allKeys())
        out.insert(key, file.value(key));
    return out;
}

void TestStore::setSetting(const QString &key, const QVariant &value) const {
    if (value.typeId() == QMetaType::Bool)
        Settings::standard().setBool(key, value.toBool());
    else if (value.typeId() == QMetaType::QDateTime)
        Settings::standard().setDate(key, value.toDateTime());
    else if (!value.isValid() || value.isNull())
        Settings::standard().remove(key);
    else
        Settings::standard().setString(key, value.toString());
}

QString TestStore::dataDirectory() const {
    return AppDelegate::dataDirectory();
}

void TestStore::setEnvironment(const QString &name, const QString &value) const {
    qputenv(name.toUtf8().constData(), value.toUtf8());
}

void TestStore::setClock(const QString &localMoment) const {
    if (localMoment.isEmpty()) {
        Clock::set({});
        return;
    }
    const QDateTime moment = QDateTime::fromString(localMoment, Qt::ISODate);
    Clock::set([moment] { return moment; });
}

QString TestStore::writeFile(const QString &name, const QString &text) const {
    const QString path = QDir(dataDirectory()).filePath(name);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0)
        return QString();
    return path;
}

QString TestStore::readFile(const QString &path) const {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QString TestStore::exec(const QString &sql) const {
    const QString name = QStringLiteral("test-store-exec");
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(AppDelegate::storePath());
        QSqlQuery query(db);
        if (!db.open())
            error = db.lastError().text();
        else if (!query.exec(sql))
            error = query.lastError().text();
    }
    QSqlDatabase::removeDatabase(name);
    return error;
}

QString TestStore::locale() const {
    return Formatting::locale();
}

bool TestStore::setPathBlocked(const QString &path, bool blocked) const {
    if (!blocked)
        return QDir().rmdir(path);
    QFile::remove(path);
    return QDir().mkdir(path);
}
