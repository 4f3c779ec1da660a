#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QQmlEngine>
#include <QVariantMap>

// A table's rows for a ListView: each row is a map whose keys are the role names.
class RowListModel : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Rows belong to their controller")
    Q_PROPERTY(int count READ count NOTIFY countChanged)
public:
    explicit RowListModel(QObject *parent = nullptr);

    void setRows(const QList<QVariantMap> &rows);
    const QList<QVariantMap> &rows() const { return m_rows; }
    int count() const { return int(m_rows.size()); }
    Q_INVOKABLE QVariantMap get(int row) const { return m_rows.value(row); }
    void removeRow(int row);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

signals:
    void countChanged();

private:
    QList<QVariantMap> m_rows;
    QHash<int, QByteArray> m_roles;
};
