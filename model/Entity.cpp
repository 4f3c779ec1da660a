#include "model/Entity.h"

Entity::Entity(QString name, QList<Attribute> attributes)
    : m_name(std::move(name)), m_attributes(std::move(attributes)) {}

const Attribute *Entity::attribute(const QString &name) const {
    for (const Attribute &a : m_attributes) {
        if (a.name == name)
            return &a;
    }
    return nullptr;
}

QStringList Entity::attributeNames() const {
    QStringList names;
    for (const Attribute &a : m_attributes)
        names << a.name;
    return names;
}

namespace {

QList<Attribute> mainLocationAttributes() {
    QList<Attribute> list;
    for (int i = 1; i <= 5; ++i) {
        const QString n = QString::number(i);
        list << Attribute{QStringLiteral("city") + n + QStringLiteral("Name"), AttributeKind::Text}
             << Attribute{QStringLiteral("city") + n + QStringLiteral("latitude"),
                          AttributeKind::Float32}
             << Attribute{QStringLiteral("city") + n + QStringLiteral("longitude"),
                          AttributeKind::Float32};
    }
    return list;
}

QList<const Entity *> buildModel() {
    using K = AttributeKind;
    static const Entity userData(QStringLiteral("UserData"),
                                 {{QStringLiteral("calories"), K::Text},
                                  {QStringLiteral("date"), K::Text},
                                  {QStringLiteral("distance"), K::Text},
                                  {QStringLiteral("fatCalories"), K::Text},
                                  {QStringLiteral("iday"), K::Number},
                                  {QStringLiteral("imonth"), K::Number},
                                  {QStringLiteral("iyear"), K::Int16},
                                  {QStringLiteral("laps"), K::Text},
                                  {QStringLiteral("treadDate"), K::DateTime},
                                  {QStringLiteral("year"), K::Text}});
    static const Entity locations(QStringLiteral("Locations"),
                                  {{QStringLiteral("name"), K::Text},
                                   {QStringLiteral("fromCity"), K::Text},
                                   {QStringLiteral("latitude"), K::Float32},
                                   {QStringLiteral("longitude"), K::Float32},
                                   {QStringLiteral("milesFromMiami"), K::Float32},
                                   {QStringLiteral("milesFromSLC"), K::Float32},
                                   {QStringLiteral("milesFromSeattle"), K::Float32},
                                   {QStringLiteral("milesFromBangor"), K::Float32}});
    static const Entity mainLocations(QStringLiteral("MainLocations"), mainLocationAttributes());
    static const Entity yearlyData(QStringLiteral("YearlyData"),
                                   {{QStringLiteral("year"), K::Int16},
                                    {QStringLiteral("imonth"), K::Int16},
                                    {QStringLiteral("sumMiles"), K::Float32}});
    static const Entity monthlyData(QStringLiteral("MonthlyData"),
                                    {{QStringLiteral("month"), K::Int16},
                                     {QStringLiteral("sumMiles"), K::Float32},
                                     {QStringLiteral("year"), K::Int16}});
    return {&userData, &locations, &mainLocations, &yearlyData, &monthlyData};
}

} // namespace

const QList<const Entity *> &Entity::all() {
    static const QList<const Entity *> model = buildModel();
    return model;
}

const Entity *Entity::named(const QString &name) {
    for (const Entity *e : all()) {
        if (e->name() == name)
            return e;
    }
    return nullptr;
}
