#include "card/ui/MerkpunkteModell.h"

void MerkpunkteModell::setzen(std::vector<ImportMerkpunkt> merkpunkte)
{
    beginResetModel();
    merkpunkte_ = std::move(merkpunkte);
    endResetModel();
}

void MerkpunkteModell::leeren()
{
    setzen({});
}

void MerkpunkteModell::setBemerkung(int zeile, const QString& bemerkung)
{
    merkpunkte_.at(static_cast<std::size_t>(zeile)).bemerkung = bemerkung;
    const QModelIndex zelle = index(zeile, SpalteBemerkung);
    emit dataChanged(zelle, zelle, {Qt::DisplayRole});
}

void MerkpunkteModell::setGespeichert(const std::vector<qlonglong>& zeilen)
{
    for (std::size_t i = 0; i < zeilen.size() && i < merkpunkte_.size(); ++i)
        merkpunkte_[i].zeile = zeilen[i];
}

int MerkpunkteModell::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(merkpunkte_.size());
}

int MerkpunkteModell::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : MerkpunktSpalten;
}

QVariant MerkpunkteModell::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return zelltext(merkpunkte_.at(static_cast<std::size_t>(index.row())), index.column());
}

QVariant MerkpunkteModell::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < merkpunktSpaltenkoepfe().size())
        return merkpunktSpaltenkoepfe().at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}
