#include "audit/export/UeberlassungStore.h"

#include "common/CsvSchreiber.h"
#include "db/SqlDate.h"
#include "db/SqlStatement.h"

#include <QStringList>

namespace {

QString spaltenliste(const std::vector<Exportspalte>& spalten)
{
    QStringList namen;
    for (const Exportspalte& spalte : spalten)
        namen << spalte.name;
    return namen.join(QStringLiteral(", "));
}

void feldSchreiben(CsvSchreiber& csv, const QVariant& wert, Exportspalte::Art art)
{
    if (wert.isNull()) {
        csv.feld(QStringView());
        return;
    }
    switch (art) {
    case Exportspalte::Art::Zahl:
        csv.zahl(wert.toLongLong());
        return;
    case Exportspalte::Art::Zeitpunkt:
        csv.feld(QStringView(sqldate::germanDateTime(wert)));
        return;
    case Exportspalte::Art::Text:
        // Chain values are stored as bytes; the auditor compares them as hex digits.
        if (wert.metaType().id() == QMetaType::QByteArray)
            csv.feld(QStringView(QString::fromLatin1(wert.toByteArray().toHex().toUpper())));
        else
            csv.feld(QStringView(wert.toString()));
        return;
    }
}

void zeilenSchreiben(CsvSchreiber& csv, SqlStatement& s, const std::vector<Exportspalte>& spalten)
{
    s.exec();
    while (s.next()) {
        for (std::size_t i = 0; i < spalten.size(); ++i)
            feldSchreiben(csv, s.value(static_cast<int>(i)), spalten[i].art);
        csv.zeileBeenden();
    }
}

QString iso(const QDate& tag, const QTime& zeit)
{
    return QDateTime(tag, zeit).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace

namespace UeberlassungStore {

void alleZeilen(CsvSchreiber& csv, const QString& tabelle, const std::vector<Exportspalte>& spalten)
{
    SqlStatement s(QStringLiteral("SELECT %1 FROM %2 ORDER BY ID").arg(spaltenliste(spalten), tabelle));
    zeilenSchreiben(csv, s, spalten);
}

void rohfahrten(CsvSchreiber& csv, const std::vector<Exportspalte>& spalten, const Exportzeitraum& zeitraum)
{
    QString sql = QStringLiteral("SELECT %1 FROM T_basis WHERE COALESCE(Startzeit, Einlesedat) >= ? AND "
                                 "COALESCE(Startzeit, Einlesedat) <= ?")
                      .arg(spaltenliste(spalten));
    // A raw trip names its vehicle by the key the recorder gives it: "<KFZID> - <KZuFzg>".
    if (zeitraum.fahrzeug)
        sql += QStringLiteral(" AND KFZid = (SELECT CAST(KFZID AS TEXT) || ' - ' || KZuFzg FROM T_KFZ WHERE ID = ?)");
    SqlStatement s(sql + QStringLiteral(" ORDER BY ID"));
    s.bind(iso(zeitraum.von, QTime(0, 0))).bind(iso(zeitraum.bis, QTime(23, 59, 59)));
    if (zeitraum.fahrzeug)
        s.bind(*zeitraum.fahrzeug);
    zeilenSchreiben(csv, s, spalten);
}

} // namespace UeberlassungStore
