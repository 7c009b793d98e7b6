#include "support/ui/Schriften.h"

#include "common_ui/Schriftmass.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QTableView>

QFont systemschrift()
{
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont);
}

QFont referenzschrift()
{
    QFont schrift = systemschrift();
    for (int pixel = 13; pixel > 1; --pixel) {
        schrift.setPixelSize(pixel);
        const QFontMetricsF metrik(schrift);
        if (metrik.averageCharWidth() <= schriftmass::bezug.breite && metrik.height() <= schriftmass::bezug.hoehe)
            break;
    }
    return schrift;
}

QFont breiteSchrift()
{
    QFont schrift = systemschrift();
    schrift.setPointSizeF(schrift.pointSizeF() * 1.4);
    return schrift;
}

Schriftwahl::Schriftwahl(const QFont& schrift) : vorher_(QApplication::font())
{
    QApplication::setFont(schrift);
}

Schriftwahl::~Schriftwahl()
{
    QApplication::setFont(vorher_);
}

::testing::internal::ParamGenerator<Schriftfall> schriftfaelle()
{
    return ::testing::Values(Schriftfall{"System", systemschrift}, Schriftfall{"Breit", breiteSchrift});
}

void PrintTo(const Schriftfall& fall, std::ostream* os)
{
    *os << fall.name;
}

std::string schriftfallName(const ::testing::TestParamInfo<Schriftfall>& fall)
{
    return fall.param.name;
}

::testing::AssertionResult spaltenFassenTexte(const QTableView& raster, const QList<int>& spalten)
{
    const int gitterlinie = raster.showGrid() ? 1 : 0;
    const QAbstractItemModel& modell = *raster.model();
    for (int spalte : spalten) {
        const int breite = raster.columnWidth(spalte);
        const QString kopf = modell.headerData(spalte, Qt::Horizontal).toString();
        if (!raster.horizontalHeader()->isHidden() && raster.horizontalHeader()->sectionSizeHint(spalte) > breite)
            return ::testing::AssertionFailure()
                   << "Kopf \"" << kopf.toStdString() << "\" in Spalte " << spalte << " breiter als " << breite;
        for (int zeile = 0; zeile < modell.rowCount(); ++zeile) {
            const QModelIndex zelle = modell.index(zeile, spalte);
            if (raster.sizeHintForIndex(zelle).width() + gitterlinie > breite)
                return ::testing::AssertionFailure()
                       << "\"" << zelle.data().toString().toStdString() << "\" in Zeile " << zeile << ", Spalte "
                       << spalte << " (\"" << kopf.toStdString() << "\") breiter als " << breite;
        }
    }
    return ::testing::AssertionSuccess();
}
