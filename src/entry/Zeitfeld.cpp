#include "entry/Zeitfeld.h"

#include "entry/Zahlfeld.h"

namespace zeitfeld {

namespace {

QString zweistellig(const QString& teil)
{
    const Zahlfeld zahl = zahlLesen(teil);
    const QString ziffern = QString::number(zahl.wert);
    if (zahl.ziffern == 1)
        return QLatin1Char('0') + ziffern;
    return QString();
}

QString stunden(const QString& text)
{
    const QString teil = text.mid(0, 2);
    if (teil.trimmed().isEmpty())
        return QStringLiteral("00");
    const QString kurz = zweistellig(teil);
    return kurz.isEmpty() ? teil : kurz;
}

QString minuten(const QString& text)
{
    const QString teil = text.mid(3, 2);
    const Zahlfeld zahl = zahlLesen(teil);
    if (zahl.ziffern == 1)
        return QLatin1Char('0') + QString::number(zahl.wert);
    if (zahl.ziffern == 2)
        return teil.trimmed();
    return QStringLiteral("00");
}

bool nurZiffern(const QString& teil)
{
    if (teil.size() != 2)
        return false;
    for (const QChar c : teil)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

} // namespace

bool istLeer(const QString& text)
{
    return text.trimmed() == QStringLiteral(":") || text.trimmed().isEmpty();
}

bool minutenKomplett(const QString& text)
{
    return text.size() >= 5 && text.at(4) != QLatin1Char(' ');
}

QString vervollstaendigen(const QString& text)
{
    if (istLeer(text))
        return text;
    return stunden(text) + QLatin1Char(':') + minuten(text);
}

std::optional<QTime> lesen(const QString& text)
{
    const QString h = text.mid(0, 2);
    const QString m = text.mid(3, 2);
    if (text.size() != 5 || text.at(2) != QLatin1Char(':') || !nurZiffern(h) || !nurZiffern(m))
        return std::nullopt;
    const int stunde = h.toInt();
    const int minute = m.toInt();
    if (stunde > 23 || minute > 59)
        return std::nullopt;
    return QTime(stunde, minute);
}

} // namespace zeitfeld
