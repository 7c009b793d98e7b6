#include "support/ui/Textplatz.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QLabel>
#include <QStringList>
#include <QTableView>
#include <QWidget>

namespace {

// The text a widget shows on one line, or nothing where it wraps, shows a picture or shows no text.
QString einzeiligerText(const QWidget& w)
{
    if (const auto* label = qobject_cast<const QLabel*>(&w))
        return label->wordWrap() || !label->pixmap().isNull() ? QString() : label->text();
    if (const auto* knopf = qobject_cast<const QAbstractButton*>(&w))
        return knopf->text();
    return {};
}

void pruefeEinzeiler(const QWidget& w, QStringList& abgeschnitten)
{
    const QString text = einzeiligerText(w);
    if (text.isEmpty())
        return;
    const bool breitGenug = w.width() >= w.sizeHint().width();
    const bool hochGenug = w.height() >= w.fontMetrics().height();
    if (!breitGenug || !hochGenug)
        abgeschnitten << QStringLiteral("%1 „%2“ (%3×%4 von %5×%6 Pixeln)")
                             .arg(w.objectName(), text)
                             .arg(w.width())
                             .arg(w.height())
                             .arg(w.sizeHint().width())
                             .arg(w.fontMetrics().height());
}

// An elided caption is whole when the tooltip names it.
bool kopfGanz(const QHeaderView& kopf, int spalte)
{
    if (kopf.sectionSize(spalte) >= kopf.sectionSizeHint(spalte))
        return true;
    const QAbstractItemModel& modell = *kopf.model();
    return kopf.textElideMode() != Qt::ElideNone &&
           modell.headerData(spalte, Qt::Horizontal, Qt::ToolTipRole).toString() ==
               modell.headerData(spalte, Qt::Horizontal).toString();
}

void pruefeKopf(const QTableView& raster, QStringList& abgeschnitten)
{
    const QHeaderView& kopf = *raster.horizontalHeader();
    if (kopf.isHidden())
        return;
    for (int spalte = 0; spalte < kopf.count(); ++spalte)
        if (!kopf.isSectionHidden(spalte) && !kopfGanz(kopf, spalte))
            abgeschnitten << QStringLiteral("%1: Kopf „%2“ (%3 von %4 Pixeln)")
                                 .arg(raster.objectName(), raster.model()->headerData(spalte, Qt::Horizontal).toString())
                                 .arg(kopf.sectionSize(spalte))
                                 .arg(kopf.sectionSizeHint(spalte));
}

void pruefeZeilen(const QTableView& raster, QStringList& abgeschnitten)
{
    // The table's own row hint, reached through the public base: with word wrap it measures each cell
    // at its column's width.
    const QAbstractItemView& ansicht = raster;
    for (int zeile = 0; zeile < raster.model()->rowCount(); ++zeile)
        if (!raster.isRowHidden(zeile) && raster.rowHeight(zeile) < ansicht.sizeHintForRow(zeile))
            abgeschnitten << QStringLiteral("%1: Zeile %2 (%3 von %4 Pixeln Höhe)")
                                 .arg(raster.objectName())
                                 .arg(zeile)
                                 .arg(raster.rowHeight(zeile))
                                 .arg(ansicht.sizeHintForRow(zeile));
}

} // namespace

::testing::AssertionResult texteGanz(const QWidget& fenster)
{
    QStringList abgeschnitten;
    for (const QWidget* w : fenster.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&fenster))
            continue;
        pruefeEinzeiler(*w, abgeschnitten);
        if (const auto* raster = qobject_cast<const QTableView*>(w); raster && raster->model()) {
            pruefeKopf(*raster, abgeschnitten);
            pruefeZeilen(*raster, abgeschnitten);
        }
    }
    if (abgeschnitten.isEmpty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << abgeschnitten.join(QStringLiteral(", ")).toStdString();
}
