#include "exchange/TextPreview.h"

QString TextPreview::of(const QString &text) {
    if (text.size() <= MaxCharacters && text.count(QLatin1Char('\n')) <= MaxLines)
        return text;
    qsizetype end = 0;
    for (int line = 0; line < MaxLines && end < MaxCharacters; ++line) {
        const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'), end);
        if (lineEnd < 0)
            break;
        end = lineEnd + 1;
    }
    if (end == 0)
        end = MaxCharacters;
    const QStringView rest = QStringView(text).mid(end);
    const qsizetype moreLines = rest.count(QLatin1Char('\n')) + (rest.endsWith(u'\n') ? 0 : 1);
    return text.left(end) + QStringLiteral("… %1 more lines in the file").arg(moreLines);
}
