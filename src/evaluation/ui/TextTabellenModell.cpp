#include "evaluation/ui/TextTabellenModell.h"

TextTabellenModell::TextTabellenModell(QObject* parent) : QAbstractTableModel(parent) {}

void TextTabellenModell::setzen(TextTabelle tabelle)
{
    beginResetModel();
    tabelle_ = std::move(tabelle);
    endResetModel();
}

int TextTabellenModell::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(tabelle_.zeilen.size());
}

int TextTabellenModell::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(tabelle_.kopf.size());
}

QVariant TextTabellenModell::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return tabelle_.zeilen.at(index.row()).value(index.column());
}

QVariant TextTabellenModell::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= tabelle_.kopf.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    return tabelle_.kopf.at(section);
}
