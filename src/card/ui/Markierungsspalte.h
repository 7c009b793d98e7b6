#pragma once

#include <QStyledItemDelegate>

// Draws the marking column of the trip list as a solid red or green cell, selected or not.
class Markierungsspalte : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
