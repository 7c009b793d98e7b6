#include "evaluation/ui/Auswertungsfilter.h"

#include "common/Clock.h"
#include "common/Prompts.h"
#include "common_ui/Feldverlassen.h"
#include "common_ui/Handler.h"
#include "logbuch/Sitzung.h"
#include "evaluation/AuswertungStore.h"
#include "evaluation/ui/Ui_TF_AuswertungMirel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {

const QString alle = QStringLiteral("alle");

void fuellen(QComboBox* liste, const std::vector<AuswertungStore::Eintrag>& eintraege)
{
    liste->addItem(alle);
    for (const auto& e : eintraege)
        liste->addItem(e.bezeichnung, e.id);
}

std::optional<int> gewaehlteId(const QComboBox* liste)
{
    const QVariant id = liste->currentData();
    if (!id.isValid())
        return std::nullopt;
    return id.toInt();
}

Fahrtenfilter::Bemerkung bemerkung(const QString& text)
{
    if (text == alle || text.isEmpty())
        return Fahrtenfilter::Bemerkung::Alle;
    return text == QStringLiteral("ja") ? Fahrtenfilter::Bemerkung::Ja : Fahrtenfilter::Bemerkung::Keine;
}

} // namespace

Auswertungsfilter::Auswertungsfilter(Ui_TF_AuswertungMirel& ui, const AuswertungStore& store, const Sitzung& sitzung,
                                     QObject* parent)
    : QObject(parent), ui_(ui), store_(store), sitzung_(sitzung)
{
    for (QComboBox* liste : {ui_.cbVon, ui_.cbNach, ui_.cbFahrzeug, ui_.cbFahrer, ui_.cbZweck, ui_.cbKategorie,
                             ui_.cbArt, ui_.cbBemerkung})
        verbinden(liste, &QComboBox::currentIndexChanged, this, &Auswertungsfilter::auswahlGeaendert);
    for (QLineEdit* feld : {ui_.eKMAbf, ui_.eKMAnk})
        feld->installEventFilter(this);
    verbinden(ui_.cbxAbDat, &QCheckBox::clicked, this, &Auswertungsfilter::cbxAbDatClick);
    verbinden(ui_.cbxAnDat, &QCheckBox::clicked, this, &Auswertungsfilter::cbxAnDatClick);
    verbinden(ui_.dtpAbDat, &QDateEdit::dateChanged, this, &Auswertungsfilter::dtpAbDatCloseUp);
    verbinden(ui_.dtpAnDat, &QDateEdit::dateChanged, this, &Auswertungsfilter::dtpAnDatCloseUp);
    verbinden(ui_.cbxErsetzte, &QCheckBox::clicked, this,
              [this] { filter_.mitErsetzten = ui_.cbxErsetzte->isChecked(); });
}


void Auswertungsfilter::FillComboBox()
{
    const AuswertungStore::Stammlisten listen = store_.stammlisten();
    const bool mitMuster = store_.musterfahrzeugEinbeziehen();
    for (QComboBox* liste : {ui_.cbVon, ui_.cbNach, ui_.cbFahrzeug, ui_.cbFahrer, ui_.cbZweck, ui_.cbKategorie, ui_.cbArt, ui_.cbBemerkung}) {
        const QSignalBlocker sperre(liste);
        liste->clear();
    }
    fuellen(ui_.cbVon, listen.orte);
    fuellen(ui_.cbNach, listen.orte);
    std::vector<AuswertungStore::Eintrag> fahrzeuge;
    for (const auto& f : listen.fahrzeuge)
        if (mitMuster || f.id != 1)
            fahrzeuge.push_back(f);
    fuellen(ui_.cbFahrzeug, fahrzeuge);
    fuellen(ui_.cbFahrer, listen.fahrer);
    fuellen(ui_.cbZweck, listen.zwecke);
    fuellen(ui_.cbKategorie, listen.kategorien);
    fuellen(ui_.cbArt, listen.arten);
    ui_.cbBemerkung->addItems({alle, QStringLiteral("ja"), QStringLiteral("keine")});
    // A current vehicle the list does not offer (the hidden sample vehicle) means all vehicles.
    const int aktuell = ui_.cbFahrzeug->findData(sitzung_.aktuellesFahrzeug());
    ui_.cbFahrzeug->setCurrentIndex(aktuell >= 0 ? aktuell : 0);
    auswahlGeaendert();
}

void Auswertungsfilter::ClrFilter()
{
    const std::optional<int> fahrzeug = filter_.fahrzeug;
    filter_ = Fahrtenfilter::zurueckgesetzt(Clock::today(), !store_.musterfahrzeugEinbeziehen());
    filter_.fahrzeug = fahrzeug;
    {
        const QSignalBlocker ab(ui_.dtpAbDat), an(ui_.dtpAnDat);
        ui_.dtpAbDat->setDate(QDate(2004, 1, 1));
        ui_.dtpAnDat->setDate(Clock::today());
    }
    ui_.dtpAbDat->setEnabled(false);
    ui_.dtpAnDat->setEnabled(false);
    ui_.cbxAbDat->setChecked(false);
    ui_.cbxAnDat->setChecked(false);
    ui_.cbxErsetzte->setChecked(false);
    for (QComboBox* liste : {ui_.cbVon, ui_.cbNach, ui_.cbFahrer, ui_.cbZweck, ui_.cbKategorie, ui_.cbArt, ui_.cbBemerkung})
        liste->setCurrentIndex(0);
    ui_.eKMAbf->clear();
    ui_.eKMAnk->clear();
}

bool Auswertungsfilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease && (watched == ui_.eKMAbf || watched == ui_.eKMAnk))
        static_cast<QLineEdit*>(watched)->selectAll();
    // Every leaving is checked, also of a field left unchanged after its error: a bound the
    // user was told is wrong must not slip through on the second try.
    if (verlaesstFeld(event)) {
        if (watched == ui_.eKMAbf)
            geschuetzt([this] { eKMAbfExit(); });
        else if (watched == ui_.eKMAnk)
            geschuetzt([this] { eKMAnkExit(); });
    }
    return QObject::eventFilter(watched, event);
}

bool Auswertungsfilter::kmGrenzeLesen(QLineEdit* feld, int standard, int& grenze)
{
    const auto wert = filtergrenzen::kmGrenze(feld->text(), standard);
    if (wert) {
        grenze = *wert;
        return true;
    }
    // The box takes the focus away, which would report leaving the field a second time.
    if (meldetFehler_)
        return false;
    meldetFehler_ = true;
    prompt::beep();
    prompt::error(QStringLiteral("Fehler bei Eingabe"));
    meldetFehler_ = false;
    feld->setFocus();
    return false;
}

void Auswertungsfilter::eKMAbfExit()
{
    kmGrenzeLesen(ui_.eKMAbf, Fahrtenfilter::kmAbStandard, filter_.kmAb);
}

void Auswertungsfilter::eKMAnkExit()
{
    kmGrenzeLesen(ui_.eKMAnk, Fahrtenfilter::kmAnStandard, filter_.kmAn);
}

void Auswertungsfilter::cbxAbDatClick()
{
    ui_.dtpAbDat->setEnabled(ui_.cbxAbDat->isChecked());
    if (!ui_.cbxAbDat->isChecked()) {
        filter_.abfahrtAb = filtergrenzen::abfahrtAb(filtergrenzen::fruehesterTag());
        return;
    }
    dtpAbDatCloseUp();
}

void Auswertungsfilter::cbxAnDatClick()
{
    ui_.dtpAnDat->setEnabled(ui_.cbxAnDat->isChecked());
    if (!ui_.cbxAnDat->isChecked()) {
        filter_.ankunftBis = filtergrenzen::ankunftBis(Clock::today());
        return;
    }
    dtpAnDatCloseUp();
}

void Auswertungsfilter::dtpAbDatCloseUp()
{
    const QDate tag = filtergrenzen::abfahrtKorrigiert(ui_.dtpAbDat->date(), ui_.dtpAnDat->date(), ui_.cbxAnDat->isChecked());
    {
        const QSignalBlocker sperre(ui_.dtpAbDat);
        ui_.dtpAbDat->setDate(tag);
    }
    if (ui_.cbxAbDat->isChecked())
        filter_.abfahrtAb = filtergrenzen::abfahrtAb(ui_.dtpAbDat->date());
}

void Auswertungsfilter::dtpAnDatCloseUp()
{
    const QDate tag = filtergrenzen::ankunftKorrigiert(ui_.dtpAnDat->date(), ui_.dtpAbDat->date(), ui_.cbxAbDat->isChecked());
    {
        const QSignalBlocker sperre(ui_.dtpAnDat);
        ui_.dtpAnDat->setDate(tag);
    }
    if (ui_.cbxAnDat->isChecked())
        filter_.ankunftBis = filtergrenzen::ankunftBis(ui_.dtpAnDat->date());
}

// Each list sets its part of the filter; "alle" sets none.
void Auswertungsfilter::auswahlGeaendert()
{
    filter_.von = gewaehlteId(ui_.cbVon);
    filter_.nach = gewaehlteId(ui_.cbNach);
    filter_.fahrzeug = gewaehlteId(ui_.cbFahrzeug);
    filter_.fahrer = gewaehlteId(ui_.cbFahrer);
    filter_.zweck = gewaehlteId(ui_.cbZweck);
    filter_.kategorie = gewaehlteId(ui_.cbKategorie);
    filter_.art = gewaehlteId(ui_.cbArt);
    filter_.bemerkung = bemerkung(ui_.cbBemerkung->currentText());
}
