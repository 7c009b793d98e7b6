#include "audit/Anker.h"

#include "common/GermanFormat.h"
#include "common/Zaehlwoerter.h"
#include "db/Sha256.h"

#include <QRegularExpression>
#include <QStringList>
#include <QUrl>

#include <numeric>

qint64 Anker::eintraege() const
{
    return std::accumulate(anzahl.begin(), anzahl.end(), qint64{0});
}

namespace ankerzeile {

namespace {

constexpr int feldzahl = 8;

std::optional<QByteArray> hexwert(const QString& text)
{
    if (text.size() != 2 * pruefkette::wertLaenge || text.contains(QRegularExpression(QStringLiteral("[^0-9A-F]"))))
        return std::nullopt;
    return QByteArray::fromHex(text.toLatin1());
}

std::optional<qint64> anzahlLesen(const QString& text)
{
    bool ok = false;
    const qint64 wert = text.toLongLong(&ok);
    if (!ok || wert < 0)
        return std::nullopt;
    return wert;
}

} // namespace

QString felder(const Anker& anker)
{
    QStringList teile{anker.zeit.toUTC().toString(Qt::ISODate), anker.anlass,
                      QString::fromLatin1(anker.pruefwert.toHex().toUpper())};
    for (qint64 anzahl : anker.anzahl)
        teile << QString::number(anzahl);
    teile << QString::fromLatin1(QUrl::toPercentEncoding(anker.logbuch));
    return teile.join(QLatin1Char('\t'));
}

QByteArray kettenwert(const QString& felder, const QByteArray& vorher)
{
    Sha256 sha256;
    return sha256.wert(vorher, felder.toUtf8()).toByteArray();
}

std::optional<Gelesen> lesen(const QString& zeile)
{
    const QStringList teile = zeile.split(QLatin1Char('\t'));
    if (teile.size() != feldzahl)
        return std::nullopt;
    Gelesen gelesen;
    gelesen.anker.zeit = QDateTime::fromString(teile[0], Qt::ISODate);
    gelesen.anker.anlass = teile[1];
    const auto pruefwert = hexwert(teile[2]);
    const auto kette = hexwert(teile[7]);
    if (!gelesen.anker.zeit.isValid() || !pruefwert || !kette)
        return std::nullopt;
    gelesen.anker.pruefwert = *pruefwert;
    for (std::size_t i = 0; i < gelesen.anker.anzahl.size(); ++i) {
        const auto anzahl = anzahlLesen(teile[static_cast<qsizetype>(3 + i)]);
        if (!anzahl)
            return std::nullopt;
        gelesen.anker.anzahl[i] = *anzahl;
    }
    gelesen.anker.logbuch = QUrl::fromPercentEncoding(teile[6].toLatin1());
    gelesen.felder = QStringList(teile.begin(), teile.begin() + 7).join(QLatin1Char('\t'));
    gelesen.kettenwert = *kette;
    return gelesen;
}

QString beschreibung(const Anker& anker)
{
    return QStringLiteral("vom %1 (%2, %3, Prüfwert %4)")
        .arg(german::dateTime(anker.zeit.toLocalTime()), anker.anlass, anzahl(anker.eintraege(), zaehlwort::eintrag),
             pruefkette::anzeige(anker.pruefwert));
}

} // namespace ankerzeile
