#include "audit/ui/TF_Korrektur.h"

#include "audit/KorrekturStore.h"
#include "common/Clock.h"
#include "common/GermanFormat.h"
#include "common/Prompts.h"
#include "common_ui/Benannt.h"
#include "common_ui/Handler.h"
#include "common_ui/Knopf.h"
#include "logbuch/FahrzeugStore.h"
#include "entry/Fahrtspeicherung.h"
#include "entry/Kilometerfeld.h"
#include "entry/Zeitfeld.h"
#include "entry/ui/Eingabefelder.h"
#include "entry/ui/Eingabefeldregeln.h"
#include "entry/ui/Radiogruppe.h"
#include "entry/ui/TF_Eingabe.h"
#include "entry/ui/Vorschlagsliste.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QStringList arten = {QStringLiteral("unzugeordnet"), QStringLiteral("privat"), QStringLiteral("Arbeitsweg"),
                           QStringLiteral("geschäftlich")};

void fuellen(QComboBox* feld, const QStringList& eintraege)
{
    const QString text = feld->currentText();
    feld->clear();
    feld->addItems(eintraege);
    feld->setEditText(text);
}

} // namespace

TF_Korrektur::TF_Korrektur(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TF_Korrektur"));
    setWindowTitle(QStringLiteral("Fahrt korrigieren"));
    setModal(true);
    baueOberflaeche();
}

void TF_Korrektur::baueOberflaeche()
{
    EAbfahrt = eingabefelder::zeitEingabe("EAbfahrt");
    EAnkunft = eingabefelder::zeitEingabe("EAnkunft");
    Kalender = benannt(new QCalendarWidget, "Kalender");
    Kalender->setVerticalHeaderFormat(QCalendarWidget::ISOWeekNumbers);
    cbVon = eingabefelder::auswahl("cbVon");
    Cbnach = eingabefelder::auswahl("Cbnach");
    Cbzweck = eingabefelder::auswahl("Cbzweck");
    CbKategorie = eingabefelder::auswahl("CbKategorie");
    CbFahrer = eingabefelder::auswahl("CbFahrer");
    CbFahrzeug = benannt(new QComboBox, "CbFahrzeug");
    EkmAbfahrt = benannt(new QLineEdit, "EkmAbfahrt");
    EkmAbfahrt->setMaxLength(kilometerfeld::standBreite);
    EkmStand = benannt(new QLineEdit, "EkmStand");
    EkmStand->setMaxLength(kilometerfeld::standBreite);
    Ekm = benannt(new QLineEdit, "Ekm");
    Ekm->setMaxLength(kilometerfeld::streckeBreite);
    RGFahrtart = benannt(new Radiogruppe(QStringLiteral("Fahrtart:"), arten, 4), "RGFahrtart");
    MBemerkungen = benannt(new QPlainTextEdit, "MBemerkungen");
    MBemerkungen->setTabChangesFocus(true);
    CbGrund = benannt(new QComboBox, "CbGrund");
    CbGrund->setEditable(true);
    CbGrund->setInsertPolicy(QComboBox::NoInsert);
    CbGrund->addItems(korrektur::ueblicheGruende());
    EGrund = benannt(CbGrund->lineEdit(), "EGrund");
    btSpeichern = benannt(new QPushButton(QStringLiteral("&Speichern")), "btSpeichern");
    btAbbrechen = benannt(new QPushButton(QStringLiteral("&Abbrechen")), "btAbbrechen");

    // The trip entry's own field rules, measured from the departure reading this window shows.
    auto* regeln = new Eingabefeldregeln(
        *this, new Vorschlagsliste(this),
        [this] {
            return Eingabefeldregeln::Stand{EkmAbfahrt->text().trimmed().toLongLong(), kartenfahrzeug_};
        },
        this);
    verbinden(regeln, &Eingabefeldregeln::naechstesFeld, this, [this] { focusNextChild(); });
    verbinden(EkmAbfahrt, &QLineEdit::editingFinished, this, &TF_Korrektur::kmAbfahrtVerlassen);
    verbinden(btSpeichern, &QPushButton::clicked, this, &TF_Korrektur::btSpeichernClick);
    verbinden(btAbbrechen, &QPushButton::clicked, this, [this] { reject(); });

    QFormLayout* felder = eingabefelder::formular(*this);
    int zeile = 0;
    QFormLayout::ItemRole rolle{};
    felder->getWidgetPosition(EkmStand, &zeile, &rolle);
    felder->insertRow(zeile, QStringLiteral("KM-Abfahrt"), EkmAbfahrt);
    felder->insertRow(0, QStringLiteral("Fahrzeug:"), CbFahrzeug);
    auto* oben = new QHBoxLayout;
    oben->addLayout(felder);
    oben->addWidget(Kalender);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(oben);
    layout->addWidget(RGFahrtart);
    layout->addWidget(new QLabel(QStringLiteral("Bemerkungen:")));
    layout->addWidget(MBemerkungen);
    grundBeschriftung_ = new QLabel(QStringLiteral("Grund der Korrektur:"));
    layout->addWidget(grundBeschriftung_);
    layout->addWidget(CbGrund);
    layout->addLayout(knopfzeile({btSpeichern, btAbbrechen}));
}

void TF_Korrektur::listenFuellen()
{
    const Stammdaten stammdaten = EingabeStore::stammdaten();
    fuellen(cbVon, stammdaten.orte.namen());
    fuellen(Cbnach, stammdaten.orte.namen());
    fuellen(Cbzweck, stammdaten.zwecke.namen());
    fuellen(CbKategorie, stammdaten.kategorien.namen());
    fuellen(CbFahrer, stammdaten.fahrer.namen());
}

// A trip entered by hand may move to any vehicle entered by hand; a card trip stays where it is.
void TF_Korrektur::fahrzeugeFuellen(int kfz, const QString& name)
{
    CbFahrzeug->clear();
    if (!kartenfahrzeug_)
        for (const auto& [id, fahrzeug] : KorrekturStore::handfahrzeuge())
            CbFahrzeug->addItem(fahrzeug, id);
    if (CbFahrzeug->findData(kfz) < 0)
        CbFahrzeug->addItem(name, kfz);
    CbFahrzeug->setCurrentIndex(CbFahrzeug->findData(kfz));
    CbFahrzeug->setEnabled(alt_ && !kartenfahrzeug_);
}

bool TF_Korrektur::laden(int fahrtId)
{
    alt_ = KorrekturStore::fassung(fahrtId);
    if (!alt_)
        return false;
    kartenfahrzeug_ = KorrekturStore::kartenfahrzeug(alt_->kfz);
    setWindowTitle(QStringLiteral("Fahrt korrigieren"));
    grundBeschriftung_->show();
    CbGrund->show();
    fahrzeugeFuellen(alt_->kfz, alt_->fahrzeug);
    listenFuellen();
    EAbfahrt->setText(german::time(alt_->abDat.time()));
    EAnkunft->setText(german::time(alt_->anDat.time()));
    Kalender->setSelectedDate(alt_->abDat.date());
    cbVon->setEditText(alt_->von);
    Cbnach->setEditText(alt_->nach);
    Cbzweck->setEditText(alt_->zweck);
    CbKategorie->setEditText(alt_->kategorie);
    CbFahrer->setEditText(alt_->fahrer);
    EkmAbfahrt->setText(QString::number(alt_->kmAb));
    EkmStand->setText(QString::number(alt_->kmAn));
    Ekm->setText(QString::number(alt_->kmAn - alt_->kmAb));
    RGFahrtart->setItemIndex(std::max<qsizetype>(0, arten.indexOf(alt_->art)));
    MBemerkungen->setPlainText(alt_->bemerkung);
    CbGrund->setCurrentIndex(-1);
    EGrund->clear();
    // What the recorder measured stays as it was read; everything typed may be corrected.
    for (QWidget* gemessen : std::initializer_list<QWidget*>{EAbfahrt, EAnkunft, Kalender, EkmAbfahrt, EkmStand, Ekm})
        gemessen->setEnabled(!kartenfahrzeug_);
    return true;
}

bool TF_Korrektur::korrigieren(int fahrtId)
{
    return laden(fahrtId) && exec() == QDialog::Accepted;
}

void TF_Korrektur::nachtragLaden(int kfz)
{
    alt_.reset();
    kartenfahrzeug_ = false;
    setWindowTitle(QStringLiteral("Fahrt nachtragen"));
    // The trip is new: there is nothing it replaces, so nothing to give a reason for.
    grundBeschriftung_->hide();
    CbGrund->hide();
    fahrzeugeFuellen(kfz, FahrzeugStore::kennzeichen(kfz));
    listenFuellen();
    for (QLineEdit* feld : {EAbfahrt, EAnkunft, EkmAbfahrt, EkmStand, Ekm})
        feld->clear();
    Kalender->setSelectedDate(Clock::today());
    for (QComboBox* feld : {cbVon, Cbnach, Cbzweck, CbKategorie, CbFahrer})
        feld->setEditText(QString());
    RGFahrtart->setItemIndex(0);
    MBemerkungen->clear();
    for (QWidget* feld : std::initializer_list<QWidget*>{EAbfahrt, EAnkunft, Kalender, EkmAbfahrt, EkmStand, Ekm})
        feld->setEnabled(true);
}

bool TF_Korrektur::nachtragen(int kfz)
{
    nachtragLaden(kfz);
    return exec() == QDialog::Accepted;
}

void TF_Korrektur::kmAbfahrtVerlassen()
{
    if (!EkmAbfahrt->isEnabled())
        return;
    const auto stand = kmAbfahrt();
    if (!stand) {
        ablehnen(QStringLiteral("Fehler bei der Eingabe"), EkmAbfahrt);
        return;
    }
    // The distance stays; the arrival follows the new departure.
    const kilometerfeld::Ergebnis ergebnis = kilometerfeld::ekmVerlassen({Ekm->text(), EkmStand->text()}, *stand);
    if (!ergebnis.fehler)
        EkmStand->setText(ergebnis.felder.ekmStand);
}

std::optional<qint64> TF_Korrektur::kmAbfahrt() const
{
    bool zahl = false;
    const qint64 stand = EkmAbfahrt->text().trimmed().toLongLong(&zahl);
    if (!zahl || stand < 0)
        return std::nullopt;
    return stand;
}

void TF_Korrektur::ablehnen(const QString& meldung, QWidget* feld)
{
    prompt::beep();
    if (!meldung.isEmpty())
        prompt::error(meldung);
    feld->setFocus();
}

// The version the fields describe with the departure odometer as read, in the words the old one is
// compared in.
Fassung TF_Korrektur::neueFassung(qint64 kmAb) const
{
    Fassung neu = *alt_;
    const QDate tag = Kalender->selectedDate();
    neu.abDat = QDateTime(tag, zeitfeld::lesen(TF_Eingabe::zeittext(EAbfahrt)).value_or(QTime()));
    neu.anDat = QDateTime(tag, zeitfeld::lesen(TF_Eingabe::zeittext(EAnkunft)).value_or(QTime()));
    if (neu.anDat < neu.abDat)
        neu.anDat = neu.anDat.addDays(1);
    neu.von = cbVon->currentText();
    neu.nach = Cbnach->currentText();
    neu.zweck = Cbzweck->currentText();
    neu.kategorie = CbKategorie->currentText();
    neu.fahrer = CbFahrer->currentText();
    neu.kmAb = static_cast<int>(kmAb);
    neu.kmAn = EkmStand->text().trimmed().toInt();
    neu.fahrzeug = CbFahrzeug->currentText();
    neu.art = arten.value(RGFahrtart->itemIndex());
    neu.bemerkung = MBemerkungen->toPlainText();
    return neu;
}

int TF_Korrektur::zielfahrzeug() const
{
    return CbFahrzeug->currentData().toInt();
}

bool TF_Korrektur::umsetzen() const
{
    return alt_ && zielfahrzeug() != alt_->kfz;
}

// The trip a refusal speaks of.
QString TF_Korrektur::fahrtName(const fahrtspeicherung::Auftrag& neu) const
{
    if (!alt_)
        return korrektur::nachgetrageneFahrt(neu.abDat, CbFahrzeug->currentText());
    return umsetzen() ? korrektur::umgesetzteFahrt(*alt_, CbFahrzeug->currentText()) : korrektur::fahrt(*alt_);
}

// The trip the fields describe, checked by the trip entry's rules for the chosen vehicle; nothing
// when a rule refused it, which the user has been told.
std::optional<fahrtspeicherung::Auftrag> TF_Korrektur::gepruefterAuftrag(qint64 kmAb)
{
    // A trip new to the chosen vehicle's logbook is placed among its trips by the neighbour check,
    // which names the trip; the entry's own check would only compare it with the last one.
    const fahrtspeicherung::Stand stand{
        .fahrzeug = zielfahrzeug(),
        .kartenfahrzeug = kartenfahrzeug_,
        .letzteAnkunft =
            alt_ && !umsetzen() ? KorrekturStore::letzteAnkunftVor(alt_->kfz, alt_->abDat, alt_->id) : QDateTime(),
        .letzterKmStand = kmAb,
        .hoechsteFahrtdauer = EingabeStore::hoechsteFahrtdauer(),
        .hoechsteGeschwindigkeit = EingabeStore::hoechsteDurchschnittsgeschwindigkeit()};
    const auto nachfrage = [](const QString& frage) { return prompt::confirm(QStringLiteral("Bestätigung"), frage); };
    const auto ergebnis =
        fahrtspeicherung::pruefen({TF_Eingabe::zeittext(EAbfahrt), TF_Eingabe::zeittext(EAnkunft), !kartenfahrzeug_,
                                   Kalender->selectedDate(), RGFahrtart->itemIndex(), cbVon->currentText(),
                                   Cbnach->currentText(), Cbzweck->currentText(), CbKategorie->currentText(),
                                   CbFahrer->currentText(), EkmStand->text(), Ekm->text(), MBemerkungen->toPlainText()},
                                  stand, nachfrage);
    if (const auto* ablehnung = std::get_if<speicherpruefung::Ablehnung>(&ergebnis)) {
        ablehnen(ablehnung->meldung, feld(ablehnung->feld));
        return std::nullopt;
    }
    return std::get<fahrtspeicherung::Auftrag>(ergebnis);
}

nachbarpruefung::Befund TF_Korrektur::befund(const fahrtspeicherung::Auftrag& neu) const
{
    if (!alt_)
        return KorrekturStore::nachtragbefund(neu);
    return umsetzen() ? KorrekturStore::umsetzbefund(alt_->id, neu) : KorrekturStore::nachbarbefund(alt_->id, neu);
}

bool TF_Korrektur::folgefahrtBestaetigt(const nachbarpruefung::Lage& folgefahrt, const QDateTime& abfahrt) const
{
    const int bisher = KorrekturStore::fassung(folgefahrt.id)->kmAb;
    const std::optional<QString> grund = alt_ ? std::nullopt : std::optional(korrektur::nachtragsgrund(abfahrt));
    return prompt::confirm(QStringLiteral("Folgende Fahrt"),
                           nachbarpruefung::folgefahrtFrage(folgefahrt, bisher, grund));
}

void TF_Korrektur::speichern(const fahrtspeicherung::Auftrag& neu, bool folgefahrtMitkorrigieren)
{
    const QString grund = EGrund->text().trimmed();
    if (!alt_)
        KorrekturStore::nachtragen(neu, folgefahrtMitkorrigieren);
    else if (umsetzen())
        KorrekturStore::umsetzen(alt_->id, neu, grund, folgefahrtMitkorrigieren);
    else
        KorrekturStore::korrigieren(alt_->id, neu, grund, folgefahrtMitkorrigieren);
}

void TF_Korrektur::btSpeichernClick()
{
    if (alt_)
        if (const auto meldung = korrektur::ohneGrundKorrigiert(EGrund->text())) {
            ablehnen(*meldung, EGrund);
            return;
        }
    const auto kmAb = kmAbfahrt();
    if (!kmAb) {
        ablehnen(QStringLiteral("Fehler bei der Eingabe"), EkmAbfahrt);
        return;
    }
    if (alt_)
        if (const auto meldung = korrektur::unveraendert({*alt_, neueFassung(*kmAb)})) {
            ablehnen(*meldung, EAbfahrt);
            return;
        }
    const std::optional<fahrtspeicherung::Auftrag> auftrag = gepruefterAuftrag(*kmAb);
    if (!auftrag)
        return;
    const nachbarpruefung::Befund gefunden = befund(*auftrag);
    if (gefunden.ablehnung) {
        ablehnen(QStringLiteral("%1: %2").arg(fahrtName(*auftrag), *gefunden.ablehnung), EAbfahrt);
        return;
    }
    if (gefunden.folgefahrt && !folgefahrtBestaetigt(*gefunden.folgefahrt, auftrag->abDat))
        return;
    speichern(*auftrag, gefunden.folgefahrt.has_value());
    accept();
}
