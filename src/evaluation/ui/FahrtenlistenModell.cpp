#include "evaluation/ui/FahrtenlistenModell.h"

#include "common_ui/Signalfarbe.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QPalette>

FahrtenlistenModell::FahrtenlistenModell(QObject* parent) : QAbstractTableModel(parent) {}

void FahrtenlistenModell::setzen(Fahrtenliste liste, QSet<qlonglong> auffaellig)
{
    beginResetModel();
    liste_ = std::move(liste);
    auffaellig_ = std::move(auffaellig);
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

bool FahrtenlistenModell::auffaellig(std::size_t zeile) const
{
    return auffaellig_.contains(liste_.fahrt(zeile).id);
}

// Taken from the palette as the row is painted, so a change of the desktop theme reaches the list.
QColor FahrtenlistenModell::grund(std::size_t zeile) const
{
    return auffaellig(zeile) ? signalfarbe::auffaelligerGrund() : QApplication::palette().color(QPalette::Base);
}

QString FahrtenlistenModell::hinweis(std::size_t zeile) const
{
    QStringList texte;
    if (const Ersetzung* ersetzung = liste_.ersetzung(zeile))
        texte << (ersetzung->storniert ? QStringLiteral("storniert am %1: %2") : QStringLiteral("ersetzt am %1: %2"))
                     .arg(ersetzung->erfasst, ersetzung->grund);
    if (auffaellig(zeile))
        texte << QStringLiteral("Dieser Eintrag passt nicht mehr zu seinem Prüfwert: er wurde außerhalb von Varno "
                                "verändert (Extras > Fahrtenbuch prüfen).");
    return texte.join(QLatin1Char('\n'));
}

QVariant FahrtenlistenModell::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || liste_.leer())
        return {};
    const auto zeile = static_cast<std::size_t>(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return liste_.zelle(zeile, index.column());
    case Qt::ToolTipRole: {
        const QString text = hinweis(zeile);
        return text.isEmpty() ? QVariant() : QVariant(text);
    }
    case Qt::ForegroundRole:
        return liste_.ersetzung(zeile) ? QVariant(signalfarbe::ersetzteSchrift(grund(zeile))) : QVariant();
    case Qt::FontRole: {
        if (!liste_.ersetzung(zeile))
            return {};
        QFont durchgestrichen;
        durchgestrichen.setStrikeOut(true);
        return durchgestrichen;
    }
    case Qt::BackgroundRole:
        return auffaellig(zeile) ? QVariant(grund(zeile)) : QVariant();
    default:
        return {};
    }
}

QVariant FahrtenlistenModell::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= Fahrtenliste::Spalten)
        return QAbstractTableModel::headerData(section, orientation, role);
    return Fahrtenliste::kopf().at(section);
}
