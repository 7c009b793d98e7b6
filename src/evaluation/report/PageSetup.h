#pragma once

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QSizeF>

// Paper, orientation and margins of one report. All lengths are millimetres.
struct PageSetup {
    QPageSize::PageSizeId paper = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF margins;

    static PageSetup a4(QPageLayout::Orientation orientation, qreal margin);

    QPageLayout pageLayout() const;
    // The area inside the margins, where the bands are placed.
    QSizeF bodySize() const;
};
