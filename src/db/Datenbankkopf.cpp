#include "db/Datenbankkopf.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>

namespace {

constexpr qint64 kopfLaenge = 100;
// The identity text includes its terminating zero byte.
const QByteArray kennung("SQLite format 3", 16);

quint32 wort(const QByteArray& kopf, int offset)
{
    return qFromBigEndian<quint32>(kopf.constData() + offset);
}

quint16 halbwort(const QByteArray& kopf, int offset)
{
    return qFromBigEndian<quint16>(kopf.constData() + offset);
}

// The first bytes of the file, up to a whole header; empty when it cannot be read.
QByteArray anfang(const QString& pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.read(kopfLaenge) : QByteArray();
}

} // namespace

namespace datenbankkopf {

std::optional<Kopf> lesen(const QString& pfad)
{
    const QByteArray kopf = anfang(pfad);
    if (kopf.size() < kopfLaenge || !kopf.startsWith(kennung))
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
    const QString mangel = QStringLiteral("Die Datei ist unvollständig oder beschädigt: ihre Länge passt nicht zu "
                                          "ihrem Kopf.");
    const QByteArray kopf = anfang(pfad);
    // Cut off within the header itself; a short file of other content is for the engine to reject.
    if (kopf.size() < kopfLaenge) {
        const qsizetype vergleich = std::min(kopf.size(), kennung.size());
        const bool sqliteAnfang = !kopf.isEmpty() && kopf.first(vergleich) == kennung.first(vergleich);
        return sqliteAnfang ? std::optional(mangel) : std::nullopt;
    }
    const auto gelesen = lesen(pfad);
    if (!gelesen || !gelesen->seitenzahl || QFile(pfad).size() == gelesen->seitengroesse * *gelesen->seitenzahl)
        return std::nullopt;
    return mangel;
}

} // namespace datenbankkopf
