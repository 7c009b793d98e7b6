#include "common_ui/Spaltenkopf.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>

Spaltenkopf::Spaltenkopf(QTableView* raster, QWidget* parent) : QWidget(parent), raster_(raster)
{
    const QAbstractItemModel* modell = raster->model();
    for (int spalte = 0; spalte < modell->columnCount(); ++spalte)
        beschriftungen_ << new QLabel(modell->headerData(spalte, Qt::Horizontal).toString(), this);
    raster->installEventFilter(this);
    connect(raster->horizontalHeader(), &QHeaderView::sectionResized, this, &Spaltenkopf::anordnen);
    connect(raster->horizontalScrollBar(), &QScrollBar::valueChanged, this, &Spaltenkopf::anordnen);
}

QSize Spaltenkopf::sizeHint() const
{
    // As wide as nothing: the grid below decides the width.
    int hoehe = 0;
    for (const QLabel* beschriftung : beschriftungen_)
        hoehe = std::max(hoehe, beschriftung->sizeHint().height());
    return {0, hoehe};
}

bool Spaltenkopf::eventFilter(QObject* beobachtet, QEvent* ereignis)
{
    if (ereignis->type() == QEvent::Move || ereignis->type() == QEvent::Resize)
        anordnen();
    return QWidget::eventFilter(beobachtet, ereignis);
}

void Spaltenkopf::resizeEvent(QResizeEvent* ereignis)
{
    QWidget::resizeEvent(ereignis);
    anordnen();
}

void Spaltenkopf::moveEvent(QMoveEvent* ereignis)
{
    QWidget::moveEvent(ereignis);
    anordnen();
}

void Spaltenkopf::anordnen()
{
    const QWidget* fenster = window();
    if (raster_->window() != fenster)
        return;
    for (int spalte = 0; spalte < beschriftungen_.size(); ++spalte) {
        const QPoint links = raster_->viewport()->mapTo(fenster, QPoint(raster_->columnViewportPosition(spalte), 0));
        beschriftungen_.at(spalte)->setGeometry(mapFrom(fenster, links).x(), 0, raster_->columnWidth(spalte), height());
    }
}
