#include "common/Rasterspalten.h"

#include "common/Abschneidehinweis.h"
#include "common/Schriftmass.h"

#include <QHeaderView>
#include <QStyle>
#include <QTableView>

#include <algorithm>

namespace rasterspalten {

namespace {

QChar breitesteZiffer(const QFontMetrics& metrik)
{
    QChar breiteste = QLatin1Char('0');
    for (char ziffer = '1'; ziffer <= '9'; ++ziffer)
        if (metrik.horizontalAdvance(QLatin1Char(ziffer)) > metrik.horizontalAdvance(breiteste))
            breiteste = QLatin1Char(ziffer);
    return breiteste;
}

int spaltenbreite(QTableView* raster, int spalte, const Rasterspalte& beschrieben)
{
    const int skaliert = schriftmass::breite(beschrieben.breite);
    if (beschrieben.muster.isEmpty())
        return skaliert;
    // The header counts even while hidden: its texts are then the labels above the grid.
    const QAbstractItemView* ansicht = raster;
    return std::max({skaliert, zellbreite(raster, musterText(raster, beschrieben.muster)),
                     raster->horizontalHeader()->sectionSizeHint(spalte), ansicht->sizeHintForColumn(spalte)});
}

} // namespace

QString musterText(const QTableView* raster, const QString& muster)
{
    QString text = muster;
    return text.replace(QLatin1Char('0'), breitesteZiffer(raster->fontMetrics()));
}

int zellbreite(const QTableView* raster, const QString& text)
{
    // The item views draw a cell's text inside a margin on both sides; the grid line takes a pixel.
    const int rand = raster->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, raster) + 1;
    const int gitterlinie = raster->showGrid() ? 1 : 0;
    return raster->fontMetrics().horizontalAdvance(text) + 2 * rand + gitterlinie;
}

void setzen(QTableView* raster, const QList<Rasterspalte>& spalten)
{
    raster->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    for (int spalte = 0; spalte < spalten.size(); ++spalte)
        raster->setColumnWidth(spalte, spaltenbreite(raster, spalte, spalten.at(spalte)));
    Abschneidehinweis::einrichten(raster);
}

} // namespace rasterspalten
