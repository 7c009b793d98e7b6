#include "Messung.h"

#include <QMap>
#include <QStringList>

#include <cstdio>

namespace {

QMap<QString, double>& zeiten()
{
    static QMap<QString, double> ms;
    return ms;
}

const QString fehlt = QStringLiteral("–");

QString wertText(double wert, const QString& einheit)
{
    return QString::number(wert, 'f', 1) + QLatin1Char(' ') + einheit;
}

QString zielText(double hoechstens, const QString& einheit = {})
{
    return (QStringLiteral("≤ ") + QString::number(hoechstens, 'g') + QLatin1Char(' ') + einheit).trimmed();
}

QString erreicht(std::optional<double> wert, std::optional<double> hoechstens)
{
    if (!wert)
        return QStringLiteral("nicht gemessen");
    if (!hoechstens)
        return fehlt;
    return *wert <= *hoechstens ? QStringLiteral("ja") : QStringLiteral("nein");
}

void zeileZeigen(const QStringList& spalten)
{
    std::printf("Maß | %s\n", qPrintable(spalten.join(QStringLiteral(" | "))));
    // The program's windows are torn down after this; what is said here must be out before.
    std::fflush(stdout);
}

} // namespace

Messung::~Messung()
{
    if (anzahl_ > 0)
        zeiten()[name_] = gesamtMs_ / anzahl_;
}

std::optional<double> gemessenMs(const QString& name)
{
    const auto zeit = zeiten().constFind(name);
    return zeit == zeiten().cend() ? std::nullopt : std::optional<double>(*zeit);
}

void verhaeltnisZeigen(const QString& was, const QString& programm, const QString& boden,
                       std::optional<double> hoechstens)
{
    const std::optional<double> wert = gemessenMs(programm);
    const std::optional<double> bodenwert = gemessenMs(boden);
    const QString ziel = hoechstens ? zielText(*hoechstens) : fehlt;
    if (!wert || !bodenwert) {
        zeileZeigen({was, fehlt, fehlt, fehlt, ziel, erreicht(std::nullopt, hoechstens)});
        return;
    }
    const double verhaeltnis = *wert / *bodenwert;
    zeileZeigen({was, wertText(*wert, QStringLiteral("ms")), wertText(*bodenwert, QStringLiteral("ms")),
                 QString::number(verhaeltnis, 'f', 2), ziel, erreicht(verhaeltnis, hoechstens)});
}

void grenzeZeigen(const QString& was, std::optional<double> wert, const QString& einheit, double hoechstens)
{
    zeileZeigen({was, wert ? wertText(*wert, einheit) : fehlt, fehlt, fehlt, zielText(hoechstens, einheit),
                 erreicht(wert, hoechstens)});
}
