#include "evaluation/report/PageSetup.h"

#include <QRectF>

PageSetup PageSetup::a4(QPageLayout::Orientation orientation, qreal margin)
{
    return PageSetup{QPageSize::A4, orientation, QMarginsF(margin, margin, margin, margin)};
}

QPageLayout PageSetup::pageLayout() const
{
    return QPageLayout(QPageSize(paper), orientation, margins, QPageLayout::Millimeter);
}

QSizeF PageSetup::bodySize() const
{
    return pageLayout().paintRect(QPageLayout::Millimeter).size();
}
