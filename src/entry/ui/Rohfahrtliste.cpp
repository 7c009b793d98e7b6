#include "entry/ui/Rohfahrtliste.h"

#include "common/GermanFormat.h"

namespace {
QString zeit(const std::optional<QDateTime>& zeit)
{
    return zeit ? german::dateTime(*zeit) : QString();
}

const QStringList titel = {QStringLiteral("Startzeit"), QStringLiteral("Start-km"), QStringLiteral("Zielzeit"),
                           QStringLiteral("Ziel-km"),   QStringLiteral("Fahrer"),   QStringLiteral("CF"),
                           QStringLiteral("Art"),       QStringLiteral("Ort"),      QStringLiteral("Grund"),
                           QStringLiteral("Kategorie")};
} // namespace

void Rohfahrtliste::setzen(std::vector<Rohfahrt> fahrten)
{
    beginResetModel();
    fahrten_ = std::move(fahrten);
    if (!fahrten_.empty())
        mitTiteln_ = true;
    endResetModel();
}

QString Rohfahrtliste::text(int zeile, int spalte) const
{
    const Rohfahrt& f = fahrt(zeile);
    switch (spalte) {
    case Startzeit:
        return zeit(f.startzeit);
    case Startkm:
        return QString::number(f.startkm);
    case Zielzeit:
        return zeit(f.zielzeit);
    case Zielkm:
        return QString::number(f.zielkm);
    case Fahrer:
        return f.fahrer;
    case CF:
        return f.cf == 0 ? QStringLiteral("OK") : QStringLiteral("ohne");
    case Art:
        return f.art;
    case Ort:
        return f.ort;
    case Grund:
        return f.grund;
    case Kategorie:
        return f.kat;
    }
    return {};
}

int Rohfahrtliste::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(fahrten_.size());
}

int Rohfahrtliste::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Spaltenzahl;
}

QVariant Rohfahrtliste::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return text(index.row(), index.column());
}

QVariant Rohfahrtliste::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || !mitTiteln_)
        return {};
    return titel.value(section);
}
