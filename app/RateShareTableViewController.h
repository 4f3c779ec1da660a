#pragma once

#include <QObject>
#include <QQmlEngine>
#include <QStringList>
#include <QUrl>

// Rating, sharing and feedback: five fixed rows that rate Pacelog on its store page, share
// the store link or an invitation with the web page, open the web page, or mail the developer.
class RateShareTableViewController : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QStringList rowTitles READ rowTitles CONSTANT)
    Q_PROPERTY(QUrl productURL READ productURL CONSTANT)
    Q_PROPERTY(QString instructions READ instructions CONSTANT)
    Q_PROPERTY(QString website READ website CONSTANT)
public:
    explicit RateShareTableViewController(QObject *parent = nullptr);

    QStringList rowTitles() const;
    QUrl productURL() const { return m_productURL; }
    QString instructions() const { return m_instructions; }
    QString website() const { return m_website; }

    // What the row does: 0 rate, 1 share the store link, 2 share the invitation, 3 open the
    // web page, 4 feedback mail. Other rows do nothing.
    Q_INVOKABLE void didSelectRow(int row);

    // The store page's review form: exactly one query item, action=write-review.
    static QUrl rateUrl(const QUrl &productURL);

private:
    void shareItems(const QStringList &texts);
    void sendFeedback();

    QUrl m_productURL;
    QString m_instructions;
    QString m_website;
};
