#include "audit/ui/TF_Korrektur.h"

#include "audit/KorrekturStore.h"
#include "common/GermanFormat.h"
#include "common/Prompts.h"
#include "common_ui/Benannt.h"
#include "common_ui/Handler.h"
#include "common_ui/Knopf.h"
#include "entry/Fahrtspeicherung.h"
#include "entry/Kilometerfeld.h"
#include "entry/Zeitfeld.h"
#include "entry/ui/Eingabefelder.h"
#include "entry/ui/Radiogruppe.h"
#include "entry/ui/TF_Eingabe.h"

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
    EkmStand = benannt(new QLineEdit, "EkmStand");
    EkmStand->setMaxLength(kilometerfeld::standBreite);
    Ekm = benannt(new QLineEdit, "Ekm");
    Ekm->setMaxLength(kilometerfeld::streckeBreite);
    RGFahrtart = benannt(new Radiogruppe(QStringLiteral("Fahrtart:"), arten, 4), "RGFahrtart");
    MBemerkungen = benannt(new QPlainTextEdit, "MBemerkungen");
    MBemerkungen->setTabChangesFocus(true);
    EGrund = benannt(new QLineEdit, "EGrund");
    btSpeichern = benannt(new QPushButton(QStringLiteral("&Speichern")), "btSpeichern");
    btAbbrechen = benannt(new QPushButton(QStringLiteral("&Abbrechen")), "btAbbrechen");

    for (QLineEdit* zeit : {EAbfahrt, EAnkunft})
        verbinden(zeit, &QLineEdit::editingFinished, this, [zeit] {
            const QString text = TF_Eingabe::zeittext(zeit);
            if (zeitfeld::vervollstaendigen(text) != text)
                zeit->setText(zeitfeld::vervollstaendigen(text));
        });
    verbinden(Ekm, &QLineEdit::editingFinished, this, [this] { kmFelderAbgleichen(Ekm); });
    verbinden(EkmStand, &QLineEdit::editingFinished, this, [this] { kmFelderAbgleichen(EkmStand); });
    verbinden(btSpeichern, &QPushButton::clicked, this, &TF_Korrektur::btSpeichernClick);
    verbinden(btAbbrechen, &QPushButton::clicked, this, [this] { reject(); });

    QFormLayout* felder = eingabefelder::formular(*this);
    auto* oben = new QHBoxLayout;
    oben->addLayout(felder);
    oben->addWidget(Kalender);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(oben);
    layout->addWidget(RGFahrtart);
    layout->addWidget(new QLabel(QStringLiteral("Bemerkungen:")));
    layout->addWidget(MBemerkungen);
    layout->addWidget(new QLabel(QStringLiteral("Grund der Korrektur:")));
    layout->addWidget(EGrund);
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

bool TF_Korrektur::laden(int fahrtId)
{
    alt_ = KorrekturStore::fassung(fahrtId);
    if (!alt_)
        return false;
    kartenfahrzeug_ = KorrekturStore::kartenfahrzeug(alt_->kfz);
    listenFuellen();
    EAbfahrt->setText(german::time(alt_->abDat.time()));
    EAnkunft->setText(german::time(alt_->anDat.time()));
    Kalender->setSelectedDate(alt_->abDat.date());
    cbVon->setEditText(alt_->von);
    Cbnach->setEditText(alt_->nach);
    Cbzweck->setEditText(alt_->zweck);
    CbKategorie->setEditText(alt_->kategorie);
    CbFahrer->setEditText(alt_->fahrer);
    EkmStand->setText(QString::number(alt_->kmAn));
    Ekm->setText(QString::number(alt_->kmAn - alt_->kmAb));
    RGFahrtart->setItemIndex(std::max<qsizetype>(0, arten.indexOf(alt_->art)));
    MBemerkungen->setPlainText(alt_->bemerkung);
    EGrund->clear();
    return true;
}

bool TF_Korrektur::korrigieren(int fahrtId)
{
    return laden(fahrtId) && exec() == QDialog::Accepted;
}

void TF_Korrektur::kmFelderAbgleichen(QLineEdit* verlassen)
{
    if (!alt_)
        return;
    const kilometerfeld::Felder felder{Ekm->text(), EkmStand->text()};
    const kilometerfeld::Ergebnis ergebnis =
        verlassen == Ekm ? kilometerfeld::ekmVerlassen(felder, alt_->kmAb)
                         : kilometerfeld::ekmStandVerlassen(felder, alt_->kmAb, kartenfahrzeug_, true);
    if (ergebnis.fehler) {
        ablehnen(QStringLiteral("Fehler bei der Eingabe"), verlassen);
        return;
    }
    Ekm->setText(ergebnis.felder.ekm.trimmed());
    EkmStand->setText(ergebnis.felder.ekmStand.trimmed());
}

void TF_Korrektur::ablehnen(const QString& meldung, QWidget* feld)
{
    prompt::beep();
    if (!meldung.isEmpty())
        prompt::error(meldung);
    feld->setFocus();
}

// The version the fields describe, in the words the old one is compared in.
Fassung TF_Korrektur::neueFassung() const
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
    neu.kmAn = EkmStand->text().trimmed().toInt();
    neu.art = arten.value(RGFahrtart->itemIndex());
    neu.bemerkung = MBemerkungen->toPlainText();
    return neu;
}

void TF_Korrektur::btSpeichernClick()
{
    if (!alt_)
        return;
    if (const auto meldung = korrektur::ohneGrundKorrigiert(EGrund->text())) {
        ablehnen(*meldung, EGrund);
        return;
    }
    if (const auto meldung = korrektur::unveraendert({*alt_, neueFassung()})) {
        ablehnen(*meldung, EAbfahrt);
        return;
    }
    const fahrtspeicherung::Stand stand{
        .fahrzeug = alt_->kfz,
        .kartenfahrzeug = kartenfahrzeug_,
        .letzteAnkunft = KorrekturStore::letzteAnkunftVor(alt_->kfz, alt_->abDat, alt_->id),
        .letzterKmStand = alt_->kmAb,
        .hoechsteFahrtdauer = EingabeStore::hoechsteFahrtdauer(),
        .hoechsteGeschwindigkeit = EingabeStore::hoechsteDurchschnittsgeschwindigkeit()};
    const auto nachfrage = [](const QString& frage) { return prompt::confirm(QStringLiteral("Bestätigung"), frage); };
    const auto ergebnis =
        fahrtspeicherung::pruefen({TF_Eingabe::zeittext(EAbfahrt), TF_Eingabe::zeittext(EAnkunft), true,
                                   Kalender->selectedDate(), RGFahrtart->itemIndex(), cbVon->currentText(),
                                   Cbnach->currentText(), Cbzweck->currentText(), CbKategorie->currentText(),
                                   CbFahrer->currentText(), EkmStand->text(), Ekm->text(), MBemerkungen->toPlainText()},
                                  stand, nachfrage);
    if (const auto* ablehnung = std::get_if<speicherpruefung::Ablehnung>(&ergebnis)) {
        ablehnen(ablehnung->meldung, feld(ablehnung->feld));
        return;
    }
    KorrekturStore::korrigieren(alt_->id, std::get<fahrtspeicherung::Auftrag>(ergebnis), EGrund->text().trimmed());
    accept();
}
