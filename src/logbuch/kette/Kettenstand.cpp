#include "logbuch/kette/Kettenstand.h"

#include "common/Clock.h"
#include "logbuch/kette/Kettenanhang.h"
#include "db/Spaltenzugabe.h"

#include <QStringList>

namespace kettenstand {

pruefkette::Koepfe vermerkt()
{
    pruefkette::Koepfe koepfe;
    const auto notiert = vermerkteKoepfe();
    for (std::size_t i = 0; i < koepfe.size(); ++i)
        koepfe[i] = notiert[i].value_or(pruefkette::Kopf{});
    return koepfe;
}

QString text(const pruefkette::Koepfe& koepfe)
{
    QStringList koepfeText;
    qint64 eintraege = 0;
    for (pruefkette::Kette kette : pruefkette::alleKetten) {
        const pruefkette::Kopf& kopf = koepfe[pruefkette::index(kette)];
        koepfeText << QStringLiteral("%1 %2 Einträge, letzter Wert %3")
                          .arg(pruefkette::tabelle(kette))
                          .arg(kopf.anzahl)
                          .arg(QString::fromLatin1(kopf.wert.toHex()).toUpper());
        eintraege += kopf.anzahl;
    }
    return QStringLiteral("Prüfwert %1 (%2 Einträge; %3)")
        .arg(pruefkette::vollanzeige(pruefkette::gesamtwert(koepfe)))
        .arg(eintraege)
        .arg(koepfeText.join(QStringLiteral("; ")));
}

void erweitern(const QStringList& spalten, bool mitKette, const QString& was)
{
    spaltenHinzufuegen(spalten);
    if (!mitKette)
        return;
    Kettenanhang kette(Clock::now());
    kette.protokollieren(
        Ereignis::KetteErweitert,
        QStringLiteral("%1 Stand davor laut den Vermerken der Prüfkette: %2.").arg(was, text(vermerkt())));
    kette.kopfSchreiben();
}

} // namespace kettenstand
