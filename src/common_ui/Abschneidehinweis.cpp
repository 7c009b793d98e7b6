#include "common_ui/Abschneidehinweis.h"

#include "common_ui/Rasterspalten.h"

#include <QHelpEvent>
#include <QTableView>
#include <QToolTip>

Abschneidehinweis::Abschneidehinweis(QTableView* raster) : QObject(raster->viewport()), raster_(raster)
{
    raster->viewport()->installEventFilter(this);
}

void Abschneidehinweis::einrichten(QTableView* raster)
{
    if (!raster->viewport()->findChild<Abschneidehinweis*>(QString(), Qt::FindDirectChildrenOnly))
        new Abschneidehinweis(raster);
}

QString Abschneidehinweis::abgeschnittenerText(const QTableView* raster, const QModelIndex& zelle)
{
    if (!zelle.isValid())
        return {};
    const QString text = zelle.data(Qt::DisplayRole).toString();
    return rasterspalten::zellbreite(raster, text) > raster->columnWidth(zelle.column()) ? text : QString();
}

bool Abschneidehinweis::eventFilter(QObject* beobachtet, QEvent* ereignis)
{
    if (ereignis->type() != QEvent::ToolTip)
        return QObject::eventFilter(beobachtet, ereignis);
    const auto* hilfe = static_cast<QHelpEvent*>(ereignis);
    const QModelIndex zelle = raster_->indexAt(hilfe->pos());
    const QString text = abgeschnittenerText(raster_, zelle);
    // A text that shows in full leaves the tooltip to the model, as without the hint.
    if (text.isEmpty())
        return false;
    QToolTip::showText(hilfe->globalPos(), text, raster_->viewport(), raster_->visualRect(zelle));
    return true;
}
