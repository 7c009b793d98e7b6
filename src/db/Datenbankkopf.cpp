#include "db/Datenbankkopf.h"

#include <QFile>
#include <QtEndian>

namespace {

constexpr qint64 kopfLaenge = 100;
constexpr char kennung[] = "SQLite format 3";

quint32 wort(const QByteArray& kopf, int offset)
{
    return qFromBigEndian<quint32>(kopf.constData() + offset);
}

quint16 halbwort(const QByteArray& kopf, int offset)
{
    return qFromBigEndian<quint16>(kopf.constData() + offset);
}

} // namespace

namespace datenbankkopf {

std::optional<Kopf> lesen(const QString& pfad)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray kopf = datei.read(kopfLaenge);
    // The identity text includes its terminating zero byte.
    if (kopf.size() < kopfLaenge || !kopf.startsWith(QByteArray(kennung, sizeof kennung)))
        return std::nullopt;
    Kopf ergebnis;
    // The value 1 stands for 65536, which does not fit the two bytes.
    const quint16 groesse = halbwort(kopf, 16);
    ergebnis.seitengroesse = groesse == 1 ? 65536 : groesse;
    // The page count is kept only by SQLite 3.7.0 and later; they mark it valid by repeating the
    // change counter (offset 24) as "version valid for" (offset 92).
    const quint32 seiten = wort(kopf, 28);
    if (seiten > 0 && wort(kopf, 24) == wort(kopf, 92))
        ergebnis.seitenzahl = seiten;
    return ergebnis;
}

std::optional<QString> laengenMangel(const QString& pfad)
{
    const qint64 laenge = QFile(pfad).size();
    if (laenge == 0)
        return std::nullopt;
    if (laenge < kopfLaenge)
        return QStringLiteral("Die Datei ist unvollständig: sie ist nur %1 Bytes lang.").arg(laenge);
    const auto kopf = lesen(pfad);
    if (!kopf || !kopf->seitenzahl)
        return std::nullopt;
    const qint64 erwartet = kopf->seitengroesse * *kopf->seitenzahl;
    if (laenge == erwartet)
        return std::nullopt;
    return QStringLiteral("Die Datei ist unvollständig oder beschädigt: sie ist %1 Bytes lang, ihr Kopf verlangt %2 "
                          "Bytes.")
        .arg(laenge)
        .arg(erwartet);
}

} // namespace datenbankkopf
