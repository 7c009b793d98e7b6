#include "common_ui/Rasterspalten.h"

#include "common_ui/Abschneidehinweis.h"
#include "common_ui/Schriftmass.h"

#include <QFontMetricsF>
#include <QHeaderView>
#include <QStyle>
#include <QTableView>
#include <QtMath>

#include <algorithm>

namespace rasterspalten {

namespace {

QChar breitesteZiffer(const QFontMetricsF& metrik)
{
    QChar breiteste = QLatin1Char('0');
    for (char ziffer = '1'; ziffer <= '9'; ++ziffer)
        if (metrik.horizontalAdvance(QLatin1Char(ziffer)) > metrik.horizontalAdvance(breiteste))
            breiteste = QLatin1Char(ziffer);
    return breiteste;
}

// The least width of a column with a pattern: its pattern, its header (even while hidden: its
// texts are then the labels above the grid) and the cells it holds.
int datenbreite(const QTableView* raster, int spalte, const QString& muster)
{
    const QAbstractItemView* ansicht = raster;
    return std::max({zellbreite(raster, musterText(raster, muster)),
                     raster->horizontalHeader()->sectionSizeHint(spalte), ansicht->sizeHintForColumn(spalte)});
}

// Widens the data columns again when the model is refilled: a list may bring its header texts
// only with its first rows.
class Datenspaltenpflege : public QObject {
public:
    explicit Datenspaltenpflege(QTableView* raster) : QObject(raster) {}

    static Datenspaltenpflege* von(QTableView* raster)
    {
        for (QObject* kind : raster->children())
            if (auto* pflege = dynamic_cast<Datenspaltenpflege*>(kind))
                return pflege;
        return new Datenspaltenpflege(raster);
    }

    void beobachten(const QAbstractItemModel* modell, const QList<Rasterspalte>& spalten)
    {
        spalten_ = spalten;
        disconnect(neuGefuellt_);
        disconnect(neueKoepfe_);
        neuGefuellt_ = connect(modell, &QAbstractItemModel::modelReset, this, [this] { nachziehen(); });
        neueKoepfe_ = connect(modell, &QAbstractItemModel::headerDataChanged, this, [this] { nachziehen(); });
    }

private:
    void nachziehen()
    {
        // A grid's own model resets once more while the grid is destroyed; it is no grid by then.
        auto* raster = qobject_cast<QTableView*>(parent());
        if (!raster)
            return;
        for (int spalte = 0; spalte < spalten_.size(); ++spalte)
            if (!spalten_.at(spalte).muster.isEmpty())
                raster->setColumnWidth(spalte, std::max(raster->columnWidth(spalte),
                                                        datenbreite(raster, spalte, spalten_.at(spalte).muster)));
    }

    QList<Rasterspalte> spalten_;
    QMetaObject::Connection neuGefuellt_;
    QMetaObject::Connection neueKoepfe_;
};

int spaltenbreite(const QTableView* raster, int spalte, const Rasterspalte& beschrieben)
{
    const int skaliert = schriftmass::breite(beschrieben.breite);
    if (beschrieben.muster.isEmpty())
        return skaliert;
    return std::max(skaliert, datenbreite(raster, spalte, beschrieben.muster));
}

} // namespace

QString musterText(const QTableView* raster, const QString& muster)
{
    QString text = muster;
    return text.replace(QLatin1Char('0'), breitesteZiffer(QFontMetricsF(raster->font())));
}

int zellbreite(const QTableView* raster, const QString& text)
{
    // The item views lay a cell's text out at fractional widths inside a margin on both sides;
    // the grid line takes a pixel.
    const int rand = raster->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, raster) + 1;
    const int gitterlinie = raster->showGrid() ? 1 : 0;
    return qCeil(QFontMetricsF(raster->font()).horizontalAdvance(text)) + 2 * rand + gitterlinie;
}

void setzen(QTableView* raster, const QList<Rasterspalte>& spalten)
{
    raster->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // A wrapped text would need a second line the row does not have; on one line it is elided and
    // the tooltip shows it whole.
    raster->setWordWrap(false);
    for (int spalte = 0; spalte < spalten.size(); ++spalte)
        raster->setColumnWidth(spalte, spaltenbreite(raster, spalte, spalten.at(spalte)));
    Datenspaltenpflege::von(raster)->beobachten(raster->model(), spalten);
    Abschneidehinweis::einrichten(raster);
}

} // namespace rasterspalten
