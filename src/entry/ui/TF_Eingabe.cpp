#include "entry/ui/TF_Eingabe.h"

#include "common/Clock.h"
#include "common/Prompts.h"
#include "common_ui/Feldverlassen.h"
#include "common_ui/Fensterereignisse.h"
#include "common_ui/Handler.h"
#include "common_ui/Schriftmass.h"
#include "logbuch/FahrzeugStore.h"
#include "logbuch/Sitzung.h"
#include "logbuch/StammdatenStore.h"
#include "logbuch/StammfahrtStore.h"
#include "entry/Auswahlfeld.h"
#include "entry/Fahrtart.h"
#include "entry/Fahrtdatum.h"
#include "entry/Fahrtspeicherung.h"
#include "entry/Rohfahrtkopie.h"
#include "entry/Rueckfahrt.h"
#include "entry/Speicherpruefung.h"
#include "entry/ui/Eingabefeldregeln.h"
#include "entry/ui/Radiogruppe.h"
#include "entry/ui/Rohfahrtliste.h"
#include "entry/ui/Vorschlagsliste.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>

#include <algorithm>

using auswahlfeld::keineAngabe;
using auswahlfeld::standardKategorie;

namespace {

const QString speichernText = QStringLiteral("&Speichern");
const QString schliessenText = QStringLiteral("&Schließen");

enum LetzteFahrtSpalte { SpalteAnkunft, SpalteVon, SpalteNach, SpalteZweck, SpalteKm, SpalteArt };

constexpr int breiteOhneKarte = 800;
constexpr int hoeheOhneKarte = 505;
constexpr int hoeheMitKarte = 600;
// Raw trips in view at once when the window opens, so a card of trips is not read two rows at a time.
constexpr int sichtbareRohfahrten = 8;

void setzeZeit(QLineEdit* feld, const QString& text)
{
    if (text.isEmpty())
        feld->clear();
    else
        feld->setText(text);
}

} // namespace

TF_Eingabe::TF_Eingabe(Sitzung& sitzung, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), sitzung_(sitzung)
{
    setObjectName(QStringLiteral("TF_Eingabe"));
    setWindowTitle(QStringLiteral("Dateneingabe"));
    rohfahrten_ = new Rohfahrtliste(this);
    vorschlagsliste_ = new Vorschlagsliste(this);
    setupUi(this, rohfahrten_);
    verbindeFelder();
    keineAenderung();
    Fensterereignisse::fuer(this).beimZeigen([this] { FormShow(); }).mittigUeberDemAufrufer();
}

void TF_Eingabe::verbindeFelder()
{
    auto* regeln = new Eingabefeldregeln(
        *this, vorschlagsliste_, [this] { return Eingabefeldregeln::Stand{letzterKmStand_, Kartenfahrzeug_}; }, this);
    verbinden(regeln, &Eingabefeldregeln::geaendert, this, &TF_Eingabe::aenderungMerken);
    verbinden(regeln, &Eingabefeldregeln::naechstesFeld, this, [this] { focusNextChild(); });
    verbinden(RGFahrtart, &Radiogruppe::geaendert, this, &TF_Eingabe::RGFahrtartClick);
    verbinden(btSchliessenSpeichern, &QPushButton::clicked, this, &TF_Eingabe::btSchliessenSpeichernClick);
    verbinden(&sitzung_, &Sitzung::fahrtenbuchGeaendert, this, [this] {
        if (isVisible())
            letzteFahrtAuffrischen();
    });
    verbinden(Btverwerfen, &QPushButton::clicked, this, &TF_Eingabe::Verwerfen);
    verbinden(btAbbrechen, &QPushButton::clicked, this, &QWidget::close);
    verbinden(BtRueckfahrt, &QPushButton::clicked, this, &TF_Eingabe::BtRueckfahrtClick);
    verbinden(BtLetzteKorrigieren, &QPushButton::clicked, this, &TF_Eingabe::BtLetzteKorrigierenClick);
    verbinden(BtNachtragen, &QPushButton::clicked, this, &TF_Eingabe::BtNachtragenClick);
    verbinden(btUebernehmen, &QPushButton::clicked, this, &TF_Eingabe::StammfahrtUebernehmen);
    verbinden(sgStammfahrten, &QTableWidget::cellDoubleClicked, this, &TF_Eingabe::StammfahrtUebernehmen);
    // The fields follow the current raw trip, whether a click or the keyboard moved it.
    verbinden(StringGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
              &TF_Eingabe::StringGrid1Click);
    verbinden(StringGrid1, &QTableView::clicked, this, &TF_Eingabe::StringGrid1Click);
}

// ---- showing and loading ----

void TF_Eingabe::hideEvent(QHideEvent* event)
{
    // The typing list is a window of its own and would outlive the closed entry.
    if (vorschlagsliste_)
        vorschlagsliste_->schliessen();
    QWidget::hideEvent(event);
}

void TF_Eingabe::platzFuerRohfahrten()
{
    const int gewuenscht = StringGrid1->horizontalHeader()->sizeHint().height() +
                           sichtbareRohfahrten * StringGrid1->verticalHeader()->defaultSectionSize() +
                           2 * StringGrid1->frameWidth() + StringGrid1->horizontalScrollBar()->sizeHint().height();
    int hoechstens = QWIDGETSIZE_MAX;
    if (const QScreen* bildschirm = screen())
        hoechstens = bildschirm->availableGeometry().height() - (frameGeometry().height() - height());
    // Fields squeezed below their natural height take their share of the gain first, so grow in steps.
    for (int schritt = 0; schritt < 3; ++schritt) {
        layout()->activate();
        const int hoehe = std::min(height() + gewuenscht - StringGrid1->height(), hoechstens);
        if (hoehe <= height())
            return;
        resize(width(), std::max(hoehe, minimumHeight()));
    }
}

void TF_Eingabe::FormShow()
{
    Kartenfahrzeug_ = FahrzeugStore::eingabeart(sitzung_.aktuellesFahrzeug()) == EingabeVarno;
    Reload();
    lbUnbearbeitet->setVisible(Kartenfahrzeug_);
    StringGrid1->setVisible(Kartenfahrzeug_);
    // The standard-trip list always shows; the raw-trip list needs room below the fields.
    setMinimumSize(schriftmass::groesse(breiteOhneKarte, Kartenfahrzeug_ ? hoeheMitKarte : hoeheOhneKarte));
    if (Kartenfahrzeug_) {
        SGfuellen();
        platzFuerRohfahrten();
    }
    if (Kartenfahrzeug_)
        (EAnkunft->isEnabled() ? EAnkunft : static_cast<QWidget*>(Cbnach))->setFocus();
    else if (EAbfahrt->isEnabled())
        EAbfahrt->setFocus();
    BtRueckfahrt->setEnabled(!Kartenfahrzeug_);
    // A card vehicle's trips come from its card only.
    BtNachtragen->setEnabled(!Kartenfahrzeug_ && nachtragen_);
    StammfahrtenLesen();
}

void TF_Eingabe::Reload()
{
    cbVon->setEnabled(false);
    vorschlagsliste_->schliessen();
    for (QComboBox* feld : {cbVon, Cbnach, Cbzweck, CbKategorie, CbFahrer})
        feld->clear();
    letzteFahrtZeigen();
    if (!letzteFahrten_.empty() && !letzteFahrten_.front().istStartdatensatz())
        Kalender->setSelectedDate(letzteFahrten_.front().anDat.date());

    Ekm->clear();
    EkmStand->clear();
    RGFahrtart->setItemIndex(Unzugeordnet);

    listeFuellen(cbVon, stammdaten_.orte.namen());
    listeFuellen(Cbnach, stammdaten_.orte.namen());
    listeFuellen(Cbzweck, stammdaten_.zwecke.namen());
    listeFuellen(CbKategorie, stammdaten_.kategorien.namen());
    listeFuellen(CbFahrer, stammdaten_.fahrer.namen());
    CbFahrer->setEnabled(false);
    Verwerfen();
}

// The line of the vehicle's last trip and what the next trip continues from; the typed fields
// stay as they are.
void TF_Eingabe::letzteFahrtZeigen()
{
    for (int spalte = 0; spalte < sgLFahrt->columnCount(); ++spalte)
        sgLFahrt->item(0, spalte)->setText(QString());
    BtRueckfahrt->setEnabled(false);
    BtLetzteKorrigieren->setEnabled(false);
    const int kfz = sitzung_.aktuellesFahrzeug();
    stammdaten_ = EingabeStore::stammdaten();
    letzteFahrten_ = EingabeStore::letzteFahrten(kfz, 2);
    setWindowTitle(QStringLiteral("Fahrtenbuch für ") + FahrzeugStore::kennzeichen(kfz));

    letzterKmStand_ = 0;
    LetzteAnkunft = QDateTime();
    if (!letzteFahrten_.empty()) {
        const Logbuchzeile& letzte = letzteFahrten_.front();
        letzterKmStand_ = letzte.kmAn;
        LetzteAnkunft = letzte.anDat;
        sgLFahrt->item(0, SpalteKm)->setText(QString::number(letzte.kmAn));
        if (!letzte.istStartdatensatz()) {
            BtRueckfahrt->setEnabled(true);
            BtLetzteKorrigieren->setEnabled(static_cast<bool>(korrigieren_));
            sgLFahrt->item(0, SpalteAnkunft)->setText(letzte.anDat.toString(QStringLiteral("dd.MM hh:mm")));
            sgLFahrt->item(0, SpalteVon)->setText(stammdaten_.orte.name(letzte.start));
            sgLFahrt->item(0, SpalteNach)->setText(stammdaten_.orte.name(letzte.ziel));
            sgLFahrt->item(0, SpalteZweck)->setText(stammdaten_.zwecke.name(letzte.zweck));
            sgLFahrt->item(0, SpalteArt)->setText(stammdaten_.arten.abkuerzung(letzte.art));
        }
    }
}

// Another window changed the logbook (a correction, a cancellation, a colleague's trip): the next
// trip continues from the vehicle's current last trip, and the start place locked to its
// destination follows it; whatever the user typed stays.
void TF_Eingabe::letzteFahrtAuffrischen()
{
    const bool vonGesperrt = !cbVon->isEnabled();
    letzteFahrtZeigen();
    if (!vonGesperrt)
        return;
    const QString ziel = letztesZiel();
    const bool vonFrei = ziel.isEmpty() || ziel == keineAngabe;
    cbVon->setEnabled(vonFrei);
    cbVon->setEditText(vonFrei ? keineAngabe : ziel);
}

void TF_Eingabe::setKorrektur(std::function<bool(int fahrtId)> korrigieren)
{
    korrigieren_ = std::move(korrigieren);
}

// The correction announces itself; the last-trip line then follows and the typed fields stay.
void TF_Eingabe::BtLetzteKorrigierenClick()
{
    if (korrigieren_ && !letzteFahrten_.empty() && !letzteFahrten_.front().istStartdatensatz())
        korrigieren_(letzteFahrten_.front().id);
}

void TF_Eingabe::setNachtrag(std::function<bool(int kfz)> nachtragen)
{
    nachtragen_ = std::move(nachtragen);
}

// The entry announces the trip entered later; the last-trip line then follows and the typed fields stay.
void TF_Eingabe::BtNachtragenClick()
{
    if (nachtragen_ && !Kartenfahrzeug_)
        nachtragen_(sitzung_.aktuellesFahrzeug());
}

void TF_Eingabe::SGfuellen()
{
    rohfahrten_->setzen(EingabeStore::unbearbeiteteRohfahrten(sitzung_.aktuellesFahrzeug()));
    if (rohfahrten_->rowCount() == 0) {
        prompt::message(QStringLiteral("Keine Daten zum Fahrzeug gefunden"));
        return;
    }
    rohfahrtenLaden_ = true;
    StringGrid1->setCurrentIndex(rohfahrten_->index(0, Rohfahrtliste::Startkm));
    rohfahrtenLaden_ = false;
}

void TF_Eingabe::StringGrid1Click()
{
    if (rohfahrtenLaden_)
        return;
    // A click on the row just copied would otherwise copy it a second time.
    if (const auto zeile = gewaehlteRohfahrt(); zeile && !inDenFeldern(*zeile))
        DatInEdit(*zeile);
}

bool TF_Eingabe::inDenFeldern(int zeile) const
{
    return uebernommeneRohfahrt_ && uebernommeneRohfahrt_->id == rohfahrten_->fahrt(zeile).id;
}

std::optional<int> TF_Eingabe::gewaehlteRohfahrt() const
{
    if (rohfahrten_->rowCount() == 0)
        return std::nullopt;
    const int zeile = StringGrid1->currentIndex().row();
    return zeile < 0 ? 0 : zeile;
}

void TF_Eingabe::DatInEdit(int zeile)
{
    const Rohfahrt& fahrt = rohfahrten_->fahrt(zeile);
    uebernommeneRohfahrt_ = fahrt;
    const Rohfahrtkopie kopie = rohfahrtKopieren(fahrt, letzterKmStand_, letztesZiel());
    if (kopie.hinweis)
        prompt::message(*kopie.hinweis);
    Kalender->setSelectedDate(kopie.datum);
    setzeZeit(EAbfahrt, kopie.abfahrt);
    Kalender->setEnabled(kopie.abfahrtFrei);
    EAbfahrt->setEnabled(kopie.abfahrtFrei);
    setzeZeit(EAnkunft, kopie.ankunft);
    EAnkunft->setEnabled(kopie.ankunftFrei);
    EkmStand->setText(kopie.kmStand);
    Cbnach->setEditText(kopie.nach);
    Cbzweck->setEditText(kopie.zweck);
    CbKategorie->setEditText(kopie.kategorie);
    CbFahrer->setEditText(kopie.fahrer);
    CbFahrer->setEnabled(true);
    RGFahrtart->setItemIndex(kopie.art);
    EkmStand->setEnabled(kopie.kmFrei);
    Ekm->setEnabled(kopie.kmFrei);
    if (kopie.km)
        Ekm->setText(*kopie.km);
    if (kopie.von) {
        cbVon->setEditText(*kopie.von);
        cbVon->setEnabled(kopie.vonFrei);
    }
    if (kopie.warnung)
        prompt::warning(*kopie.warnung);
}

void TF_Eingabe::Verwerfen()
{
    for (QWidget* feld : {static_cast<QWidget*>(Kalender), static_cast<QWidget*>(EAbfahrt),
                          static_cast<QWidget*>(EAnkunft), static_cast<QWidget*>(Ekm),
                          static_cast<QWidget*>(EkmStand), static_cast<QWidget*>(Cbnach)})
        feld->setEnabled(true);
    vorschlagsliste_->schliessen();
    uebernommeneRohfahrt_.reset();

    const QString ziel = letztesZiel();
    const bool vonFrei = ziel.isEmpty() || ziel == keineAngabe;
    cbVon->setEnabled(vonFrei);
    cbVon->setEditText(vonFrei ? keineAngabe : ziel);

    Cbnach->setEditText(keineAngabe);
    Cbzweck->setEditText(keineAngabe);
    CbFahrer->setEditText(keineAngabe);
    CbKategorie->setEditText(standardKategorie);
    Ekm->clear();
    EkmStand->clear();
    setzeZeit(EAbfahrt, QString());
    setzeZeit(EAnkunft, QString());

    RGFahrtart->setItemIndex(Geschaeftlich);
    cbxStammfahrt->setChecked(false);

    const QDate letzteAnkunft = letzteFahrten_.empty() ? QDate() : letzteFahrten_.front().anDat.date();
    Kalender->setSelectedDate(letzteAnkunft.isValid() && letzteAnkunft > fruehestesFahrtdatum ? letzteAnkunft
                                                                                        : fruehestesFahrtdatum);
    MBemerkungen->clear();
    keineAenderung();
}

QString TF_Eingabe::letztesZiel() const
{
    return sgLFahrt->item(0, SpalteNach)->text();
}

// ---- change tracking ----

void TF_Eingabe::aenderungMerken()
{
    btSchliessenSpeichern->setText(speichernText);
    btAbbrechen->show();
}

void TF_Eingabe::keineAenderung()
{
    btSchliessenSpeichern->setText(schliessenText);
    btAbbrechen->hide();
}

// ---- field rules ----

void TF_Eingabe::listeFuellen(QComboBox* feld, const QStringList& eintraege)
{
    const QString text = feld->currentText();
    feld->clear();
    feld->addItems(eintraege);
    feld->setCurrentIndex(-1);
    feld->setEditText(text);
}

// ---- kind of trip, standard trips, return trip ----

void TF_Eingabe::RGFahrtartClick()
{
    const int art = RGFahrtart->itemIndex();
    const QString von = cbVon->currentText();
    const QString ziel = letztesZiel();
    if (art == Privat && von != keineAngabe) {
        // A private trip may hide where it started.
        if (!ziel.isEmpty())
            listeFuellen(cbVon, {keineAngabe, von});
        cbVon->setEnabled(true);
        return;
    }
    listeFuellen(cbVon, stammdaten_.orte.namen());
    if (!ziel.isEmpty() && ziel != keineAngabe) {
        cbVon->setEditText(ziel);
        cbVon->setEnabled(false);
    }
    if (art == Arbeitsweg)
        Cbzweck->setEditText(QStringLiteral("Arbeitsweg"));
}

void TF_Eingabe::StammfahrtenLesen()
{
    sgStammfahrten->setRowCount(0);
    std::optional<int> von;
    if (cbVon->currentText() != keineAngabe) {
        von = stammdaten_.orte.idVonName(cbVon->currentText());
        if (!von) {
            prompt::beep();
            prompt::beep();
            return;
        }
    }
    for (const Stammfahrt& fahrt : StammfahrtStore::abOrt(von)) {
        const int zeile = sgStammfahrten->rowCount();
        sgStammfahrten->insertRow(zeile);
        const QStringList texte = {stammdaten_.orte.name(fahrt.von), stammdaten_.orte.name(fahrt.nach),
                                   stammdaten_.zwecke.name(fahrt.zweck), stammdaten_.arten.abkuerzung(fahrt.art)};
        for (int spalte = 0; spalte < texte.size(); ++spalte)
            sgStammfahrten->setItem(zeile, spalte, new QTableWidgetItem(texte.at(spalte)));
    }
    if (sgStammfahrten->rowCount() == 0)
        prompt::beep();
    else
        sgStammfahrten->setCurrentCell(0, 0); // "Übernehmen" works without a click first
}

void TF_Eingabe::StammfahrtUebernehmen()
{
    const int zeile = sgStammfahrten->currentRow();
    if (zeile < 0 || zeile >= sgStammfahrten->rowCount()) {
        prompt::beep();
        return;
    }
    const auto text = [this, zeile](int spalte) { return sgStammfahrten->item(zeile, spalte)->text(); };
    const auto von = stammdaten_.orte.idVonName(text(0));
    const auto nach = stammdaten_.orte.idVonName(text(1));
    const auto zweck = stammdaten_.zwecke.idVonName(text(2));
    const auto art = stammdaten_.arten.idVonAbkuerzung(text(3));
    const auto fahrt = von && nach && zweck && art ? StammfahrtStore::suchen(*von, *nach, *zweck, *art)
                                                   : std::nullopt;
    if (!fahrt) {
        prompt::beep();
        return;
    }
    // A card vehicle keeps where it started and its readings: the recorder knows them.
    if (!Kartenfahrzeug_) {
        cbVon->setEditText(text(0));
        Ekm->setText(QString::number(fahrt->km));
        EkmStand->setText(QString::number(letzterKmStand_ + fahrt->km));
    }
    Cbnach->setEditText(text(1));
    Cbzweck->setEditText(text(2));
    CbKategorie->setEditText(stammdaten_.kategorien.name(fahrt->kategorie));
    RGFahrtart->setItemIndex(fahrt->art - 1);
    aenderungMerken();
    (EAnkunft->isEnabled() ? EAnkunft : static_cast<QWidget*>(Cbnach))->setFocus();
}

void TF_Eingabe::BtRueckfahrtClick()
{
    const std::optional<Rueckfahrt> zurueck = rueckfahrt(letzteFahrten_, Clock::today());
    if (!zurueck) {
        prompt::beep();
        return;
    }
    Cbnach->setEditText(sgLFahrt->item(0, SpalteVon)->text());
    Ekm->setText(QString::number(zurueck->km));
    EkmStand->setText(QString::number(zurueck->kmStand));
    Cbzweck->setEditText(sgLFahrt->item(0, SpalteZweck)->text());
    if (zurueck->kategorie)
        CbKategorie->setEditText(StammdatenStore::name(Stammtabelle::Kategorien, *zurueck->kategorie));
    if (zurueck->fahrer)
        CbFahrer->setEditText(StammdatenStore::name(Stammtabelle::Fahrer, *zurueck->fahrer));
    RGFahrtart->setItemIndex(zurueck->art);
    Kalender->setSelectedDate(zurueck->datum);
    EAbfahrt->setFocus();
}

// ---- saving ----

void TF_Eingabe::btSchliessenSpeichernClick()
{
    if (btSchliessenSpeichern->text() != speichernText) {
        close();
        return;
    }
    speichern();
}

void TF_Eingabe::speichern()
{
    const auto nachfrage = [](const QString& frage) { return prompt::confirm(QStringLiteral("Bestätigung"), frage); };
    const auto ergebnis = fahrtspeicherung::pruefen(eingabeLesen(), standLesen(), nachfrage);
    if (const auto* ablehnung = std::get_if<speicherpruefung::Ablehnung>(&ergebnis)) {
        prompt::beep();
        if (!ablehnung->meldung.isEmpty())
            prompt::error(ablehnung->meldung);
        feld(ablehnung->feld)->setFocus();
        return;
    }
    try {
        const bool neueStammfahrt = EingabeStore::fahrtSpeichern(std::get<fahrtspeicherung::Auftrag>(ergebnis));
        sitzung_.fahrtenbuchGeaendertMelden();
        if (!neueStammfahrt)
            prompt::beep();
    } catch (const Rohfahrtkonflikt& konflikt) {
        // The raw trip is taken already: the list has to show what is left.
        prompt::beep();
        prompt::error(konflikt.message());
    } catch (const Fahrtkonflikt& konflikt) {
        // A refused save keeps every typed field; only what the trip continues from is new.
        prompt::beep();
        prompt::error(konflikt.message());
        letzteFahrtAuffrischen();
        EkmStand->setFocus();
        return;
    }

    Reload();
    StammfahrtenLesen();
    if (Kartenfahrzeug_)
        SGfuellen();
}

fahrtspeicherung::Eingabe TF_Eingabe::eingabeLesen() const
{
    return {.abfahrt = Eingabefeldregeln::zeittext(EAbfahrt),
            .ankunft = Eingabefeldregeln::zeittext(EAnkunft),
            .ankunftAktiv = EAnkunft->isEnabled(),
            .datum = Kalender->selectedDate(),
            .art = RGFahrtart->itemIndex(),
            .von = cbVon->currentText(),
            .nach = Cbnach->currentText(),
            .zweck = Cbzweck->currentText(),
            .kategorie = CbKategorie->currentText(),
            .fahrer = CbFahrer->currentText(),
            .kmStand = EkmStand->text(),
            .km = Ekm->text(),
            .bemerkung = MBemerkungen->toPlainText(),
            .alsStammfahrt = cbxStammfahrt->isChecked()};
}

fahrtspeicherung::Stand TF_Eingabe::standLesen() const
{
    return {.fahrzeug = sitzung_.aktuellesFahrzeug(),
            .kartenfahrzeug = Kartenfahrzeug_,
            .letzteAnkunft = LetzteAnkunft,
            .letzterKmStand = letzterKmStand_,
            .rohfahrt = uebernommeneRohfahrt_,
            .hoechsteFahrtdauer = EingabeStore::hoechsteFahrtdauer(),
            .hoechsteGeschwindigkeit = EingabeStore::hoechsteDurchschnittsgeschwindigkeit()};
}
