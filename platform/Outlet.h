#pragma once

#include <QColor>
#include <QDateTime>
#include <QObject>
#include <QQmlEngine>
#include <QString>
#include <functional>

// The state of one control that a controller reads or writes: its text, whether it is enabled,
// hidden or checked, its colours and, for a date picker, its date and style. The page binds its
// control to the outlet in both directions; the controller never touches the control itself.
class Outlet : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Outlets belong to their controller")
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)
    Q_PROPERTY(bool enabled READ enabled WRITE setEnabled NOTIFY enabledChanged)
    Q_PROPERTY(bool hidden READ hidden WRITE setHidden NOTIFY hiddenChanged)
    Q_PROPERTY(bool checked READ checked WRITE setChecked NOTIFY checkedChanged)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor NOTIFY
                   backgroundColorChanged)
    Q_PROPERTY(QDateTime date READ date WRITE setDate NOTIFY dateChanged)
    Q_PROPERTY(QString style READ style WRITE setStyle NOTIFY styleChanged)
public:
    explicit Outlet(QObject *parent = nullptr, const QString &text = QString());

    QString text() const { return m_text; }
    void setText(const QString &text);
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool hidden() const { return m_hidden; }
    void setHidden(bool hidden);
    bool checked() const { return m_checked; }
    void setChecked(bool checked);
    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    QColor backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(const QColor &color);
    QDateTime date() const { return m_date; }
    void setDate(const QDateTime &date);
    QString style() const { return m_style; }
    void setStyle(const QString &style);

    // Decides whether replacing `length` characters at `location` with `replacement` is allowed.
    using EditFilter = std::function<bool(const QString &current, int location, int length,
                                          const QString &replacement)>;
    void setEditFilter(EditFilter filter) { m_filter = std::move(filter); }
    // The filter of a free text that goes into a caret-separated file: a caret or a line break
    // would split its line, so an edit bringing one in is refused whole.
    static bool acceptsLineText(const QString &current, int location, int length,
                                const QString &replacement);

    // A person typed: `proposed` is the field's text after the edit. Returns false, leaving the
    // text as it was, when the filter refuses the edit.
    Q_INVOKABLE bool userEdit(const QString &proposed);

signals:
    void textChanged();
    void enabledChanged();
    void hiddenChanged();
    void checkedChanged();
    void colorChanged();
    void backgroundColorChanged();
    void dateChanged();
    void styleChanged();

private:
    QString m_text;
    bool m_enabled = true;
    bool m_hidden = false;
    bool m_checked = false;
    QColor m_color;
    QColor m_backgroundColor;
    QDateTime m_date;
    QString m_style = QStringLiteral("automatic");
    EditFilter m_filter;
};
