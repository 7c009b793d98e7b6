#include "evaluation/Exportname.h"

#include <QFileInfo>
#include <QStringList>

namespace exportname {

QString namensteil(const QString& text)
{
    QString teil;
    bool trennerOffen = false;
    for (const QChar zeichen : text) {
        if (zeichen.isLetterOrNumber() || zeichen == QLatin1Char('-') || zeichen == QLatin1Char('.')) {
            if (trennerOffen && !teil.isEmpty() && !teil.endsWith(QLatin1Char('-')))
                teil += QLatin1Char('-');
            trennerOffen = false;
            teil += zeichen;
        } else {
            trennerOffen = true;
        }
    }
    while (teil.startsWith(QLatin1Char('-')) || teil.startsWith(QLatin1Char('.')))
        teil.remove(0, 1);
    while (teil.endsWith(QLatin1Char('-')) || teil.endsWith(QLatin1Char('.')))
        teil.chop(1);
    return teil;
}

QString zeitraum(const QDate& von, const QDate& bis)
{
    if (von.year() == bis.year())
        return QString::number(von.year());
    return QStringLiteral("%1-%2").arg(von.year()).arg(bis.year());
}

QString dateiname(const QString& art, const QString& wer, const QString& zeitraum, const QString& endung)
{
    QStringList teile;
    for (const QString& teil : {art, namensteil(wer), zeitraum})
        if (!teil.isEmpty())
            teile << teil;
    return teile.join(QLatin1Char('_')) + QLatin1Char('.') + endung;
}

QString mitEndung(const QString& pfad, const QString& endung)
{
    if (!QFileInfo(pfad).suffix().isEmpty())
        return pfad;
    return pfad + QLatin1Char('.') + endung;
}

} // namespace exportname
