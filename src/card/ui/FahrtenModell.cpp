#include "card/ui/FahrtenModell.h"

#include <QColor>

namespace {

const QColor rotFarbe(255, 0, 0);
const QColor gruenFarbe(0, 128, 0);

} // namespace

void FahrtenModell::setzen(std::vector<ImportFahrt> fahrten)
{
    beginResetModel();
    fahrten_ = std::move(fahrten);
    rot_.assign(fahrten_.size(), false);
    endResetModel();
}

void FahrtenModell::leeren()
{
    setzen({});
}

void FahrtenModell::setMarkierung(std::vector<bool> rot)
{
    rot.resize(fahrten_.size(), false);
    rot_ = std::move(rot);
    markierungNeuZeichnen();
}

void FahrtenModell::umkehren(int zeile)
{
    rot_.at(static_cast<std::size_t>(zeile)) = !rot(zeile);
    markierungNeuZeichnen();
}

void FahrtenModell::setFaerben(bool faerben)
{
    faerben_ = faerben;
    markierungNeuZeichnen();
}

void FahrtenModell::markierungNeuZeichnen()
{
    if (!fahrten_.empty())
        emit dataChanged(index(0, SpalteMarkierung), index(rowCount() - 1, SpalteMarkierung), {Qt::BackgroundRole});
}

int FahrtenModell::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(fahrten_.size());
}

int FahrtenModell::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : FahrtSpalten;
}

QVariant FahrtenModell::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const auto zeile = static_cast<std::size_t>(index.row());
    if (role == Qt::DisplayRole)
        return zelltext(fahrten_.at(zeile), index.column());
    if (role == Qt::BackgroundRole && index.column() == SpalteMarkierung && faerben_)
        return rot_.at(zeile) ? rotFarbe : gruenFarbe;
    return {};
}

QVariant FahrtenModell::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < fahrtSpaltenkoepfe().size())
        return fahrtSpaltenkoepfe().at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}
