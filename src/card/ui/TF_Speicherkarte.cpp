#include "card/ui/TF_Speicherkarte.h"

#include "card/KartenSuche.h"
#include "card/SpeicherkartenStore.h"
#include "card/datafile/ResetTemplate.h"
#include "common/Prompts.h"
#include "common_ui/Fensterereignisse.h"
#include "common_ui/Handler.h"
#include "common_ui/Knopf.h"
#include "common_ui/Rasterspalten.h"
#include "common_ui/Sanduhr.h"
#include "common_ui/Schriftmass.h"
#include "common_ui/Signalfarbe.h"
#include "platform/Programmdateien.h"
#include "platform/RemovableMedia.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>

namespace {

const QStringList koepfe = {QStringLiteral("ID"), QStringLiteral("Fahrer"), QStringLiteral("letztes KFZ"),
                            QStringLiteral("letztes Zieldatum"), QStringLiteral("Einlesedatum")};

QTableWidget* uebersichtstabelle()
{
    auto* tabelle = new QTableWidget(0, static_cast<int>(koepfe.size()));
    tabelle->setObjectName(QStringLiteral("SgUebersicht"));
    tabelle->setHorizontalHeaderLabels(koepfe);
    rasterspalten::setzen(tabelle, {81, 85, 125, {123, spaltenmuster::datumZeit}, {122, spaltenmuster::datumZeit}});
    tabelle->verticalHeader()->hide();
    tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabelle->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return tabelle;
}

void zeigeKarte(QTableWidget* tabelle, int zeile, const SpeicherkartenStore::Karte& karte)
{
    const std::array<QString, 5> werte = {karte.id, karte.fahrer, karte.fahrzeug, karte.letztesZieldatum,
                                          karte.einlesedatum};
    for (int spalte = 0; spalte < static_cast<int>(werte.size()); ++spalte)
        tabelle->setItem(zeile, spalte, new QTableWidgetItem(werte[spalte]));
}

bool fragen(PromptIcon icon, const QString& text, PromptButtons knoepfe, PromptAnswer vorgabe, PromptAnswer ja)
{
    return Prompts::instance().ask(icon, QStringLiteral("Bestätigung"), text, knoepfe, vorgabe) == ja;
}

void meldeAusgang(const kartensuche::Ergebnis& ergebnis)
{
    switch (ergebnis.ausgang) {
    case kartensuche::Ausgang::Keine:
        prompt::warning(QStringLiteral("Keine passende Speicherkarte gefunden."));
        break;
    case kartensuche::Ausgang::Ungeeignet:
        prompt::warning(QStringLiteral("Der Datenträger im Laufwerk %1 hat eine ungültige Größe.")
                            .arg(ergebnis.letztesLaufwerk));
        break;
    case kartensuche::Ausgang::Angeboten:
        break;
    }
}

} // namespace

TF_Speicherkarte::TF_Speicherkarte(std::unique_ptr<RemovableMedia> datentraeger, QWidget* parent)
    : QWidget(parent, Qt::Window),
      datentraeger_(std::move(datentraeger)),
      vorlage_(programmdateien::datei(QLatin1String(cardfile::ResetTemplateName)))
{
    setObjectName(QStringLiteral("TF_Speicherkarte"));
    setWindowTitle(QStringLiteral("Verwaltung Speicherkarten"));
    baueOberflaeche();
    verbinden(BtZeigen, &QPushButton::clicked, this, &TF_Speicherkarte::BtZeigenClick);
    verbinden(BtVerwalt, &QPushButton::clicked, this, &TF_Speicherkarte::BtVerwaltClick);
    verbinden(BtFormat, &QPushButton::clicked, this, &TF_Speicherkarte::BtFormatClick);
    verbinden(BtEnde, &QPushButton::clicked, this, &TF_Speicherkarte::BtEndeClick);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, BtFormat, &QPushButton::click);
    setFenster(nullptr, nullptr);
    Fensterereignisse::fuer(this).beimAktivieren([this] { FormActivate(); });
}

TF_Speicherkarte::~TF_Speicherkarte() = default;

void TF_Speicherkarte::baueOberflaeche()
{
    GroupBox1 = new QGroupBox(QStringLiteral("eingelegte Speicherkarte:"));
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    BtZeigen = knopf(QStringLiteral("BtZeigen"), QStringLiteral("&Fahrten zeigen"));
    BtVerwalt = knopf(QStringLiteral("BtVerwalt"), QStringLiteral("&Verwalten"));
    BtFormat = knopf(QStringLiteral("BtFormat"), QStringLiteral("&Karte zurücksetzen"));
    BtFormat->setIcon(style()->standardIcon(QStyle::SP_DriveFDIcon));
    // Red: the reset erases everything on the card.
    signalfarbe::warnendeSchrift(BtFormat);
    BtEnde = knopf(QStringLiteral("BtEnde"), QStringLiteral("&Schliessen"));
    Label1 = new QLabel(QStringLiteral("Folgende Tabelle listet alle in der Datenbank gespeicherte Speicherkarten auf:"));
    Label1->setObjectName(QStringLiteral("Label1"));
    SgUebersicht = uebersichtstabelle();

    auto* gruppe = new QHBoxLayout(GroupBox1);
    gruppe->addWidget(BtZeigen);
    gruppe->addWidget(BtVerwalt);
    gruppe->addWidget(BtFormat);
    auto* oben = new QHBoxLayout;
    oben->addWidget(GroupBox1);
    oben->addStretch();
    oben->addWidget(BtEnde, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(oben);
    layout->addWidget(Label1);
    layout->addWidget(SgUebersicht);
    resize(schriftmass::groesse(600, 360));
}

void TF_Speicherkarte::setFenster(QWidget* kartenimport, QWidget* kartenlisten)
{
    kartenimport_ = kartenimport;
    kartenlisten_ = kartenlisten;
    BtZeigen->setEnabled(kartenimport_ != nullptr);
    BtVerwalt->setEnabled(kartenlisten_ != nullptr);
}

void TF_Speicherkarte::setVorlage(const QString& pfad)
{
    vorlage_ = pfad;
}

void TF_Speicherkarte::FormActivate()
{
    const std::vector<SpeicherkartenStore::Karte> karten = SpeicherkartenStore::uebersicht();
    SgUebersicht->clearContents();
    SgUebersicht->setRowCount(static_cast<int>(karten.size()));
    for (int zeile = 0; zeile < static_cast<int>(karten.size()); ++zeile)
        zeigeKarte(SgUebersicht, zeile, karten[zeile]);
}

void TF_Speicherkarte::BtZeigenClick()
{
    if (kartenimport_) {
        kartenimport_->show();
        kartenimport_->raise();
    }
}

void TF_Speicherkarte::BtVerwaltClick()
{
    if (kartenlisten_) {
        kartenlisten_->show();
        kartenlisten_->raise();
    }
}

void TF_Speicherkarte::BtEndeClick()
{
    close();
}

void TF_Speicherkarte::BtFormatClick()
{
    kartensuche::Ergebnis ergebnis;
    if (fragen(PromptIcon::Question, QStringLiteral("Ihr System wird nach einem passenden Datenträger durchsucht."),
               PromptButtons::YesNo, PromptAnswer::Yes, PromptAnswer::Yes))
        ergebnis = kartensuche::suchen(datentraeger_->drives(),
                                       [this](const RemovableDrive& laufwerk) { return anbieten(laufwerk); });
    if (ergebnis.gewaehlt)
        zuruecksetzen(*ergebnis.gewaehlt);
    meldeAusgang(ergebnis);
}

bool TF_Speicherkarte::anbieten(const RemovableDrive& laufwerk)
{
    // Everything on the medium goes, so cancelling is what a hasty Enter does.
    return fragen(PromptIcon::Warning,
                  QStringLiteral("Passender Datenträger im Laufwerk %1 gefunden. Alle Daten auf der Karte werden "
                                 "gelöscht.")
                      .arg(laufwerk.root),
                  PromptButtons::OkCancel, PromptAnswer::Cancel, PromptAnswer::Ok);
}

void TF_Speicherkarte::zuruecksetzen(const RemovableDrive& laufwerk)
{
    bool kopiert = false;
    {
        const Sanduhr sanduhr;
        const QString wurzel = datentraeger_->prepare(laufwerk);
        kopiert = !wurzel.isEmpty() && datentraeger_->copyFile(vorlage_, wurzel + QStringLiteral("daten.txt"));
    }
    if (kopiert)
        prompt::information(QStringLiteral("Die Speicherkarte wurde erfolgreich zurückgesetzt."));
    else
        prompt::error(QStringLiteral("Fehler beim Erstellen der Datendatei!"));
}
