#include "app/Varno.h"

#include "app/Hauptfenster.h"
#include "app/ProgressBar.h"
#include "app/StartLogo.h"
#include "entry/Eingabemaske.h"
#include "evaluation/AuswertMirelMaske.h"
#include "evaluation/Details.h"
#include "evaluation/Druckvorschau.h"
#include "admin/Datensicherung.h"
#include "admin/OptionenMaske.h"
#include "admin/ueber.h"
#include "card/Speicherkarte.h"
#include "card/Varno_Datei.h"
#include "card/mirel_verbindung.h"
#include "card/varno_v_ok.h"
#include "master/Fahrermaske.h"
#include "master/KFZNeuMaske.h"
#include "master/KFZmaske.h"
#include "platform/LinuxVolumeSerial.h"
#include "platform/RemovableMedia.h"

#include <QApplication>

namespace {
constexpr int startbildMillisekunden = 3000;
}

Varno::Varno()
{
    // The main window first: closing it ends the program. The other windows follow in the
    // order the program has always created them; none is shown yet.
    hauptform_ = new THauptform;
    hauptform_->setAttribute(Qt::WA_DeleteOnClose, false);
    eingabe_ = new TF_Eingabe(hauptform_);
    fahrer_ = new TF_Fahrer(hauptform_);
    kfz_ = new TF_KFZ(hauptform_);
    kfzNeu_ = new TF_KFZNeu(hauptform_);
    auswertung_ = new TF_AuswertungMirel(hauptform_);
    details_ = new TF_Details(hauptform_);
    optionen_ = new TF_Optionen(hauptform_);
    fortschritt_ = new TF_ProgressBar(hauptform_);
    start_ = new TF_Start;
    mirelVerbindung_ = new TF_mirel_Verbindung(hauptform_);
    kartenlisten_ = new TF_Varno_Datei(std::make_unique<LinuxVolumeSerial>(), hauptform_);
    kartenimport_ = new TF_Varno_V_OK(std::make_unique<LinuxVolumeSerial>());
    // Without a parent: the main window is disabled while it is open.
    datensicherung_ = new TF_Datensicherung;
    speicherkarte_ = new TF_Speicherkarte(systemRemovableMedia(), hauptform_);
    ueber_ = new TF_ueber(hauptform_);
    verbinden();
}

Varno::~Varno()
{
    delete kartenimport_;
    delete datensicherung_;
    delete start_;
    delete hauptform_;
}

void Varno::verbinden()
{
    Hauptfensterziele ziele;
    ziele.eingabe = eingabe_;
    ziele.kfz = kfz_;
    ziele.fahrer = fahrer_;
    kfz_->setNeuesFahrzeugFenster(kfzNeu_);
    kfzNeu_->setMirelVerbindung(mirelVerbindung_);
    kfz_->setKartenliste(kartenlisten_);
    ziele.speicherkarte = speicherkarte_;
    speicherkarte_->setFenster(kartenimport_, kartenlisten_);
    ziele.kartenimport = kartenimport_;
    kartenimport_->setFortschritt(Fortschritt::von(fortschritt_));
    ziele.auswertung = auswertung_;
    auswertung_->setDetails(details_);
    const TF_AuswertungMirel::Fortschrittsanzeige auswertungsfortschritt{
        [this](const QWidget* ueber) { fortschritt_->starten(ueber); },
        [this](int prozent) { fortschritt_->setzen(prozent); }, [this] { fortschritt_->beenden(); }};
    auswertung_->setFortschritt(auswertungsfortschritt);
    auswertung_->setDruckvorschau(Druckvorschau(*auswertung_, auswertungsfortschritt));
    ziele.optionen = optionen_;
    ziele.datensicherung = datensicherung_;
    ziele.ueber = ueber_;
    hauptform_->setZiele(ziele);
    connect(hauptform_, &THauptform::beenden, qApp, &QApplication::quit, Qt::QueuedConnection);
    connect(datensicherung_, &TF_Datensicherung::beenden, qApp, &QApplication::quit, Qt::QueuedConnection);
    connect(datensicherung_, &TF_Datensicherung::datenbankBereit, hauptform_, &THauptform::DatenbankBereit);
}

void Varno::starten(bool mitStartbild)
{
    if (mitStartbild)
        start_->zeigenUndWarten(startbildMillisekunden);
    hauptform_->show();
    // Without a window manager nobody else hands the new window the focus; it loads on activation.
    hauptform_->activateWindow();
}
