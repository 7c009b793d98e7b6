#include "Messung.h"

#include <QMap>

#include <cstdio>

namespace {

QMap<QString, double>& zeiten()
{
    static QMap<QString, double> ms;
    return ms;
}

} // namespace

Messung::~Messung()
{
    if (anzahl_ > 0)
        zeiten()[name_] = gesamtMs_ / anzahl_;
}

void verhaeltnisZeigen(const QString& was, const QString& programm, const QString& boden)
{
    if (!zeiten().contains(programm) || !zeiten().contains(boden))
        return;
    std::printf("%s: %.0f ms zu %.0f ms, Verhältnis %.2f\n", qPrintable(was), zeiten()[programm], zeiten()[boden],
                zeiten()[programm] / zeiten()[boden]);
    // The program's windows are torn down after this; what is said here must be out before.
    std::fflush(stdout);
}
