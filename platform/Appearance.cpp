#include "platform/Appearance.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPalette>

Appearance::Appearance() {
    m_dark = systemIsDark();
    // A desktop that switches its palette while we run is followed at once.
    if (QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(this);
}

Appearance *Appearance::instance() {
    static Appearance *appearance = new Appearance;
    return appearance;
}

Appearance *Appearance::create(QQmlEngine *, QJSEngine *) {
    Appearance *appearance = instance();
    QJSEngine::setObjectOwnership(appearance, QJSEngine::CppOwnership);
    return appearance;
}

bool Appearance::dark() const {
    return m_dark;
}

bool Appearance::systemIsDark() {
    const QPalette palette = QGuiApplication::palette();
    if (palette.color(QPalette::Window).lightnessF() <
        palette.color(QPalette::WindowText).lightnessF())
        return true;
    const QString gtkTheme = qEnvironmentVariable("GTK_THEME").toLower();
    return gtkTheme.endsWith(QLatin1String(":dark")) || gtkTheme.endsWith(QLatin1String("-dark"));
}

bool Appearance::force(const QString &name) {
    if (name != QLatin1String("light") && name != QLatin1String("dark") && !name.isEmpty())
        return false;
    m_forced = name;
    update();
    return true;
}

void Appearance::update() {
    const bool dark = m_forced.isEmpty() ? systemIsDark() : m_forced == QLatin1String("dark");
    if (dark == m_dark)
        return;
    m_dark = dark;
    emit darkChanged();
}

bool Appearance::eventFilter(QObject *watched, QEvent *event) {
    if (watched == QCoreApplication::instance() &&
        event->type() == QEvent::ApplicationPaletteChange)
        update();
    return QObject::eventFilter(watched, event);
}
