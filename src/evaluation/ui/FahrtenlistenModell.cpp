#include "evaluation/ui/FahrtenlistenModell.h"

#include "common_ui/Handler.h"
#include "common_ui/Signalfarbe.h"
#include "evaluation/Fahrtenleser.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QPalette>

#include <algorithm>
#include <limits>

FahrtenlistenModell::FahrtenlistenModell(QObject* parent) : QAbstractTableModel(parent)
{
    naechstesStueck_.setInterval(0);
    verbinden(&naechstesStueck_, &QTimer::timeout, this, &FahrtenlistenModell::weiterlesen);
}

FahrtenlistenModell::~FahrtenlistenModell() = default;

void FahrtenlistenModell::setzen(Fahrtenliste liste, QSet<qlonglong> auffaellig)
{
    beginResetModel();
    naechstesStueck_.stop();
    leser_.reset();
    liste_ = std::move(liste);
    auffaellig_ = std::move(auffaellig);
    endResetModel();
}

void FahrtenlistenModell::lesen(std::unique_ptr<Fahrtenleser> leser, QSet<qlonglong> auffaellig)
{
    std::vector<GelisteteFahrt> fahrten;
    leser->weiterlesen(fahrten, stueckgroesse_);
    Fahrtenliste erste = leser->liste(std::move(fahrten));
    if (leser->fertig())
        erste.ordnen();
    setzen(std::move(erste), std::move(auffaellig));
    stuecke_ = 1;
    if (!leser->fertig()) {
        leser->ohneFortschritt();
        leser_ = std::move(leser);
        naechstesStueck_.start();
    }
}

// Behind the shown rows, larger pieces: fewer updates of the view, still short enough for
// scrolling to go on between them.
void FahrtenlistenModell::weiterlesen()
{
    if (leser_)
        stueckLesen(4 * stueckgroesse_);
}

const Fahrtenliste& FahrtenlistenModell::ganzeListe()
{
    if (leser_)
        stueckLesen(std::numeric_limits<std::size_t>::max());
    return liste_;
}

bool FahrtenlistenModell::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && leser_;
}

void FahrtenlistenModell::fetchMore(const QModelIndex& parent)
{
    if (canFetchMore(parent))
        stueckLesen(stueckgroesse_);
}

// A piece that fails ends the reading: the rows read so far stay, and the error is shown once.
void FahrtenlistenModell::stueckLesen(std::size_t anzahl)
{
    stueck_.clear();
    try {
        // Counting a large result costs less than copying the growing list, but only once the
        // first rows are on screen.
        if (stuecke_ == 1)
            liste_.reservieren(leser_->geschaetzteAnzahl());
        leser_->weiterlesen(stueck_, std::max<std::size_t>(1, anzahl));
    } catch (...) {
        naechstesStueck_.stop();
        leser_.reset();
        throw;
    }
    ++stuecke_;
    if (!stueck_.empty()) {
        // Only the last piece can be empty, so the list already holds rows: no empty row to replace.
        const int erste = static_cast<int>(liste_.anzahl());
        beginInsertRows({}, erste, erste + static_cast<int>(stueck_.size()) - 1);
        liste_.anhaengen(stueck_, leser_->namen());
        endInsertRows();
        emit gewachsen();
    }
    if (leser_->fertig())
        abschliessen();
}

// Rows stored out of departure order move to their place; selection and current row go with
// their trips.
void FahrtenlistenModell::abschliessen()
{
    naechstesStueck_.stop();
    leser_.reset();
    stueck_ = {};
    if (!liste_.geordnet()) {
        emit layoutAboutToBeChanged();
        const QModelIndexList vorher = persistentIndexList();
        std::vector<int> fahrtenVorher;
        QHash<int, int> zeileNachFahrt;
        for (const QModelIndex& index : vorher) {
            fahrtenVorher.push_back(liste_.fahrt(static_cast<std::size_t>(index.row())).id);
            zeileNachFahrt.insert(fahrtenVorher.back(), -1);
        }
        liste_.ordnen();
        for (std::size_t zeile = 0; zeile < liste_.anzahl(); ++zeile) {
            const auto gesucht = zeileNachFahrt.find(liste_.fahrt(zeile).id);
            if (gesucht != zeileNachFahrt.end())
                gesucht.value() = static_cast<int>(zeile);
        }
        QModelIndexList nachher;
        for (qsizetype i = 0; i < vorher.size(); ++i)
            nachher << index(zeileNachFahrt.value(fahrtenVorher[static_cast<std::size_t>(i)]), vorher[i].column());
        changePersistentIndexList(vorher, nachher);
        emit layoutChanged();
    }
    emit ganzGelesenWorden();
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
