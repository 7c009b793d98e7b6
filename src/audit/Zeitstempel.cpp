#include "audit/Zeitstempel.h"

#include "common/GermanFormat.h"

#include <QMap>
#include <QRegularExpression>
#include <QStringList>

namespace zeitstempeleintrag {

namespace {

const QString zeitFeld = QStringLiteral("Zeit");
const QString dienstFeld = QStringLiteral("Dienst");
const QString anlassFeld = QStringLiteral("Anlass");
const QString pruefwertFeld = QStringLiteral("Prüfwert");
const QString anzahlFeld = QStringLiteral("Einträge");
const QString tokenFeld = QStringLiteral("Token");
const QString trenner = QStringLiteral(": ");

QString einzeilig(QString text)
{
    return text.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
}

QMap<QString, QString> felder(const QString& beschreibung)
{
    QMap<QString, QString> gelesen;
    for (const QString& zeile : beschreibung.split(QLatin1Char('\n'))) {
        const qsizetype stelle = zeile.indexOf(trenner);
        if (stelle > 0)
            gelesen.insert(zeile.left(stelle), zeile.mid(stelle + trenner.size()));
    }
    return gelesen;
}

// "T_MIREL 12, T_basis 0, T_Protokoll 5"
QString anzahlText(const Zeitstempel& zeitstempel)
{
    QStringList teile;
    for (pruefkette::Kette kette : pruefkette::alleKetten)
        teile << QStringLiteral("%1 %2")
                     .arg(pruefkette::tabelle(kette))
                     .arg(zeitstempel.anzahl[pruefkette::index(kette)]);
    return teile.join(QStringLiteral(", "));
}

bool anzahlLesen(const QString& text, Zeitstempel& zeitstempel)
{
    const QStringList teile = text.split(QStringLiteral(", "));
    if (teile.size() != static_cast<qsizetype>(pruefkette::alleKetten.size()))
        return false;
    for (pruefkette::Kette kette : pruefkette::alleKetten) {
        const QStringList paar = teile[static_cast<qsizetype>(pruefkette::index(kette))].split(QLatin1Char(' '));
        bool zahl = false;
        const qint64 wert = paar.size() == 2 ? paar[1].toLongLong(&zahl) : -1;
        if (!zahl || wert < 0 || paar[0] != pruefkette::tabelle(kette))
            return false;
        zeitstempel.anzahl[pruefkette::index(kette)] = wert;
    }
    return true;
}

} // namespace

QString beschreibung(const Zeitstempel& z)
{
    return QStringList{vermerk(z) + QStringLiteral(" für ") + einzeilig(z.anlass),
                       zeitFeld + trenner + z.zeit.toUTC().toString(Qt::ISODate),
                       dienstFeld + trenner + einzeilig(z.dienst),
                       anlassFeld + trenner + einzeilig(z.anlass),
                       pruefwertFeld + trenner + QString::fromLatin1(z.pruefwert.toHex().toUpper()),
                       anzahlFeld + trenner + anzahlText(z),
                       tokenFeld + trenner + QString::fromLatin1(z.token.toBase64())}
        .join(QLatin1Char('\n'));
}

std::optional<Zeitstempel> lesen(const QString& beschreibung)
{
    const QMap<QString, QString> gelesen = felder(beschreibung);
    Zeitstempel z;
    z.zeit = QDateTime::fromString(gelesen.value(zeitFeld), Qt::ISODate);
    z.dienst = gelesen.value(dienstFeld);
    z.anlass = gelesen.value(anlassFeld);
    const QString pruefwert = gelesen.value(pruefwertFeld);
    static const QRegularExpression hex(QStringLiteral("^[0-9A-F]{64}$"));
    const auto token =
        QByteArray::fromBase64Encoding(gelesen.value(tokenFeld).toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!z.zeit.isValid() || !hex.match(pruefwert).hasMatch() || !token || token.decoded.isEmpty() ||
        !anzahlLesen(gelesen.value(anzahlFeld), z))
        return std::nullopt;
    z.pruefwert = QByteArray::fromHex(pruefwert.toLatin1());
    z.token = token.decoded;
    return z;
}

QString vermerk(const Zeitstempel& z)
{
    return QStringLiteral("Zeitstempel vom %1 (Dienst %2)").arg(german::dateTime(z.zeit.toLocalTime()), z.dienst);
}

} // namespace zeitstempeleintrag
