#include "evaluation/ui/FahrtenlistenModell.h"

FahrtenlistenModell::FahrtenlistenModell(QObject* parent) : QAbstractTableModel(parent) {}

void FahrtenlistenModell::setzen(Fahrtenliste liste)
{
    beginResetModel();
    liste_ = std::move(liste);
    endResetModel();
}

int FahrtenlistenModell::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return liste_.leer() ? 1 : static_cast<int>(liste_.anzahl());
}

int FahrtenlistenModell::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Fahrtenliste::Spalten;
}

QVariant FahrtenlistenModell::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || liste_.leer())
        return {};
    return liste_.zelle(static_cast<std::size_t>(index.row()), index.column());
}

QVariant FahrtenlistenModell::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= Fahrtenliste::Spalten)
        return QAbstractTableModel::headerData(section, orientation, role);
    return Fahrtenliste::kopf().at(section);
}
