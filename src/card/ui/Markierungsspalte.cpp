#include "card/ui/Markierungsspalte.h"

#include <QPainter>

void Markierungsspalte::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QVariant farbe = index.data(Qt::BackgroundRole);
    if (!farbe.isValid()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    painter->fillRect(option.rect, farbe.value<QColor>());
    // The cell's text is always empty; drawn like every cell, inset, on one line, centred.
    constexpr int einzug = 2;
    painter->drawText(option.rect.adjusted(einzug, 0, -einzug, 0), Qt::AlignVCenter | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
}
