#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QtNumeric>
#include <cerrno>
#include <cstdlib>

// The figures a benchmark program measured, written when it exits to
// <build>/bench-figures/<program>.json as {"figures": [{name, sessions, value, unit, target,
// floor?}]}; `bench_report` prints them all as one table. A figure measured again (same name
// and sessions) replaces the one in the file, so a program that runs itself once per store
// size collects every size in one file.
class BenchReport {
public:
    // `target` is in the figure's own unit and lower is better; `floor` is the same work done
    // by SQLite alone in the same run, where there is such a thing.
    static void add(QString name, int sessions, double value, QString unit, double target,
                    double floor = qQNaN()) {
        QJsonObject figure{{QStringLiteral("name"), name},
                           {QStringLiteral("sessions"), sessions},
                           {QStringLiteral("value"), value},
                           {QStringLiteral("unit"), unit},
                           {QStringLiteral("target"), target}};
        if (!qIsNaN(floor))
            figure.insert(QStringLiteral("floor"), floor);
        State &state = BenchReport::state();
        if (state.program.isEmpty()) {
            state.program = QCoreApplication::instance()
                                ? QFileInfo(QCoreApplication::applicationFilePath()).fileName()
                                : QString::fromLocal8Bit(program_invocation_short_name);
            std::atexit(write);
        }
        state.figures.append(figure);
    }

private:
    struct State {
        QString program;
        QList<QJsonObject> figures;
    };
    static State &state() {
        static State s;
        return s;
    }

    static bool sameFigure(const QJsonObject &a, const QJsonObject &b) {
        return a.value(QStringLiteral("name")) == b.value(QStringLiteral("name")) &&
               a.value(QStringLiteral("sessions")) == b.value(QStringLiteral("sessions"));
    }

    static void write() {
        const State &s = state();
        QDir().mkpath(QStringLiteral(PACELOG_BENCH_FIGURES));
        QFile file(QDir(QStringLiteral(PACELOG_BENCH_FIGURES)).filePath(s.program + ".json"));
        QJsonArray kept;
        if (file.open(QIODevice::ReadOnly)) {
            const QJsonArray earlier = QJsonDocument::fromJson(file.readAll())
                                           .object()
                                           .value(QStringLiteral("figures"))
                                           .toArray();
            for (const QJsonValue &old : earlier) {
                bool replaced = false;
                for (const QJsonObject &f : s.figures)
                    replaced = replaced || sameFigure(old.toObject(), f);
                if (!replaced)
                    kept.append(old);
            }
            file.close();
        }
        for (const QJsonObject &f : s.figures)
            kept.append(f);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(QJsonDocument(QJsonObject{{QStringLiteral("figures"), kept}}).toJson());
    }
};
