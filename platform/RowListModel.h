#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QQmlEngine>
#include <QStringList>
#include <QVariantMap>

// A small list of fetched rows for a table screen: each row a map of values, each key a role the
// delegate reads by name. For lists of a few hundred rows; a long log has its own model.
class RowListModel : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("A list of rows belongs to its screen's controller")
    Q_PROPERTY(int count READ count NOTIFY countChanged)
public:
    // `roles` names the keys up front, for a list that may be empty when its view first reads it;
    // keys first seen in setRows() are added after them.
    explicit RowListModel(QObject *parent = nullptr, const QStringList &roles = {});

    void setRows(const QList<QVariantMap> &rows);
    const QList<QVariantMap> &rows() const { return m_rows; }
    int count() const { return int(m_rows.size()); }
    Q_INVOKABLE QVariantMap get(int row) const { return m_rows.value(row); }
    // Takes one row out, the view animating its removal; false when there is no such row.
    Q_INVOKABLE bool removeRow(int row);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

signals:
    void countChanged();

private:
    void addRoles(const QStringList &keys);

    QList<QVariantMap> m_rows;
    QList<QByteArray> m_roles; // role Qt::UserRole + i is m_roles[i]
};
