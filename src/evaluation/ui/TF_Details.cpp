#include "evaluation/ui/TF_Details.h"

#include "audit/KorrekturStore.h"
#include "common/GermanFormat.h"
#include "common_ui/Benannt.h"
#include "common_ui/Feldanfang.h"
#include "common_ui/Fensterereignisse.h"
#include "common_ui/Handler.h"
#include "entry/ui/Eingabefelder.h"
#include "evaluation/AuswertungStore.h"
#include "evaluation/Fahrtenliste.h"

#include <QButtonGroup>
#include <QCalendarWidget>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString zeitMaske = QStringLiteral("99:99;_");

QComboBox* textfeld(const char* name)
{
    auto* feld = benannt(new QComboBox, name);
    feld->setEditable(true);
    feld->setEnabled(false);
    Feldanfang::einrichten(feld);
    return feld;
}

QLineEdit* zahlfeld(const char* name, int laenge)
{
    auto* feld = benannt(new QLineEdit, name);
    feld->setMaxLength(laenge);
    feld->setEnabled(false);
    return feld;
}

} // namespace

TF_Details::TF_Details(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TF_Details"));
    setWindowTitle(QStringLiteral("Details"));
    setModal(true);
    baueOberflaeche();
    setFixedSize(sizeHint());
    Fensterereignisse::fuer(this).beimZeigen([this] { FormShow(); });
}

void TF_Details::baueOberflaeche()
{
    EAbfahrt = zahlfeld("EAbfahrt", 5);
    EAnkunft = zahlfeld("EAnkunft", 5);
    LDatum = new QLabel(QStringLiteral("Abfahrtsdatum:"));
    LDatum->setObjectName(QStringLiteral("LDatum"));
    Kalender = benannt(new QCalendarWidget, "Kalender");
    Kalender->setVerticalHeaderFormat(QCalendarWidget::ISOWeekNumbers);
    Kalender->setEnabled(false);
    cbVon = textfeld("cbVon");
    Cbnach = textfeld("Cbnach");
    EkmStand = zahlfeld("EkmStand", 7);
    Ekm = zahlfeld("Ekm", 4);
    Cbzweck = textfeld("Cbzweck");
    CbKategorie = textfeld("CbKategorie");
    CbFahrer = benannt(new QComboBox, "CbFahrer");
    CbFahrer->setEnabled(false);

    auto* fahrtart = benannt(new QGroupBox(QStringLiteral("Fahrtart:")), "RGFahrtart");
    auto* fahrtartZeile = new QHBoxLayout(fahrtart);
    RGFahrtart = new QButtonGroup(this);
    const QStringList arten = {QStringLiteral("unzugeordnet"), QStringLiteral("privat"), QStringLiteral("Arbeitsweg"),
                               QStringLiteral("geschäftlich")};
    for (int i = 0; i < arten.size(); ++i) {
        auto* knopf = new QRadioButton(arten.at(i));
        knopf->setEnabled(false);
        RGFahrtart->addButton(knopf, i);
        fahrtartZeile->addWidget(knopf);
    }

    MBemerkungen = benannt(new QPlainTextEdit, "MBemerkungen");
    MBemerkungen->setReadOnly(true);
    MBemerkungen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    LErfasst = benannt(new QLabel, "LErfasst");
    LBenutzer = benannt(new QLabel, "LBenutzer");
    btAbbrechen = benannt(new QPushButton(QStringLiteral("&Schliessen")), "btAbbrechen");
    verbinden(btAbbrechen, &QPushButton::clicked, this, &TF_Details::btAbbrechenClick);

    QFormLayout* felder = eingabefelder::formular(*this);
    felder->addRow(QStringLiteral("Erfasst:"), LErfasst);
    felder->addRow(QStringLiteral("Gespeichert von:"), LBenutzer);

    auto* datum = new QVBoxLayout;
    datum->addWidget(LDatum);
    datum->addWidget(Kalender);
    datum->addStretch();

    auto* oben = new QHBoxLayout;
    oben->addLayout(felder);
    oben->addLayout(datum);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(oben);
    layout->addWidget(fahrtart);
    layout->addWidget(new QLabel(QStringLiteral("Bemerkungen:")));
    layout->addWidget(MBemerkungen);
    layout->addWidget(btAbbrechen, 0, Qt::AlignRight);
}

QString TF_Details::zelle(int spalte) const
{
    return fahrt_.zellen.value(spalte);
}

void TF_Details::FormShow()
{
    CbFahrer->clear();
    MBemerkungen->clear();
    zeitenFuellen();
    cbVon->setEditText(zelle(Fahrtenliste::Von));
    Cbnach->setEditText(zelle(Fahrtenliste::Nach));
    EkmStand->setText(zelle(Fahrtenliste::KmAnk));
    Ekm->setText(QString::number(zelle(Fahrtenliste::KmAnk).toInt() - zelle(Fahrtenliste::KmAbf).toInt()));
    Cbzweck->setEditText(zelle(Fahrtenliste::Zweck));
    CbKategorie->setEditText(zelle(Fahrtenliste::Kategorie));
    CbFahrer->addItem(zelle(Fahrtenliste::Fahrer));
    CbFahrer->setCurrentIndex(0);
    artWaehlen(zelle(Fahrtenliste::Art));
    MBemerkungen->setPlainText(AuswertungStore().bemerkung(fahrt_.id));
    const QString erfasst = AuswertungStore().erfasst(fahrt_.id);
    LErfasst->setText(KorrekturStore::nachgetragen(fahrt_.id) ? QStringLiteral("%1 (nachgetragen)").arg(erfasst)
                                                              : erfasst);
    LBenutzer->setText(AuswertungStore().gespeichertVon(fahrt_.id));
}

void TF_Details::zeitenFuellen()
{
    const QString abfahrt = zelle(Fahrtenliste::Abfahrt);
    const bool mitDatum = !abfahrt.isEmpty();
    LDatum->setVisible(mitDatum);
    Kalender->setVisible(mitDatum);
    if (!mitDatum) {
        EAbfahrt->setInputMask(QString());
        EAnkunft->setInputMask(QString());
        EAbfahrt->clear();
        EAnkunft->clear();
        return;
    }
    EAbfahrt->setInputMask(zeitMaske);
    EAnkunft->setInputMask(zeitMaske);
    // "dd.mm.yyyy hh:mm:ss" and "hh:mm:ss"
    EAbfahrt->setText(abfahrt.mid(11, 5));
    EAnkunft->setText(zelle(Fahrtenliste::Ankunft).left(5));
    if (const auto tag = german::parseDate(abfahrt.left(10)))
        Kalender->setSelectedDate(*tag);
}

void TF_Details::artWaehlen(const QString& kuerzel)
{
    RGFahrtart->setExclusive(false);
    for (QAbstractButton* knopf : RGFahrtart->buttons())
        knopf->setChecked(false);
    RGFahrtart->setExclusive(true);
    const auto art = AuswertungStore().artNachKuerzel(kuerzel);
    if (art && RGFahrtart->button(*art - 1))
        RGFahrtart->button(*art - 1)->setChecked(true);
}

int TF_Details::gewaehlteArt() const
{
    return RGFahrtart->checkedId();
}

void TF_Details::btAbbrechenClick()
{
    close();
}
