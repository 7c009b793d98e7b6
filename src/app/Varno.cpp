#include "app/Varno.h"

#include "admin/ui/TF_Datensicherung.h"
#include "admin/ui/TF_Optionen.h"
#include "admin/ui/TF_ueber.h"
#include "app/Sicherungsanker.h"
#include "app/TF_ProgressBar.h"
#include "app/TF_Start.h"
#include "app/THauptform.h"
#include "app/Wartefenster.h"
#include "audit/Pruefstand.h"
#include "audit/Stornierung.h"
#include "audit/Verankerung.h"
#include "audit/ui/Startpruefung.h"
#include "audit/ui/TF_Korrektur.h"
#include "audit/ui/TF_Protokoll.h"
#include "audit/ui/TF_Pruefung.h"
#include "card/ui/TF_Speicherkarte.h"
#include "card/ui/TF_Varno_Datei.h"
#include "card/ui/TF_Varno_V_OK.h"
#include "card/ui/TF_mirel_Verbindung.h"
#include "common/Prompts.h"
#include "common_ui/Handler.h"
#include "common_ui/LangeArbeit.h"
#include "db/Database.h"
#include "logbuch/Sitzung.h"
#include "entry/ui/TF_Eingabe.h"
#include "evaluation/ui/Druckvorschau.h"
#include "evaluation/ui/TF_AuswertungMirel.h"
#include "evaluation/ui/TF_Details.h"
#include "master/ui/TF_Fahrer.h"
#include "master/ui/TF_KFZ.h"
#include "master/ui/TF_KFZNeu.h"
#include "platform/LinuxVolumeSerial.h"
#include "platform/RemovableMedia.h"

#include <QApplication>

namespace {
constexpr int startbildMillisekunden = 3000;
}

Varno::Varno(const QString& logbuch) : pruefstand_(std::make_unique<Pruefstand>())
{
    // The main window first: closing it ends the program. The other windows follow in the
    // order the program has always created them; none is shown yet.
    sitzung_ = new Sitzung(logbuch, this);
    hauptform_ = new THauptform(*sitzung_);
    hauptform_->setAttribute(Qt::WA_DeleteOnClose, false);
    eingabe_ = new TF_Eingabe(*sitzung_, hauptform_);
    fahrer_ = new TF_Fahrer(hauptform_);
    kfz_ = new TF_KFZ(*sitzung_, hauptform_);
    kfzNeu_ = new TF_KFZNeu(hauptform_);
    auswertung_ = new TF_AuswertungMirel(*sitzung_, hauptform_);
    details_ = new TF_Details(hauptform_);
    optionen_ = new TF_Optionen(hauptform_);
    fortschritt_ = new TF_ProgressBar(hauptform_);
    wartefenster_ = new Wartefenster(hauptform_);
    start_ = new TF_Start;
    mirelVerbindung_ = new TF_mirel_Verbindung(hauptform_);
    kartenlisten_ = new TF_Varno_Datei(std::make_unique<LinuxVolumeSerial>(), hauptform_);
    kartenimport_ = new TF_Varno_V_OK(std::make_unique<LinuxVolumeSerial>());
    // Without a parent: the main window is disabled while it is open.
    datensicherung_ = new TF_Datensicherung(*sitzung_);
    speicherkarte_ = new TF_Speicherkarte(systemRemovableMedia(), hauptform_);
    ueber_ = new TF_ueber(*sitzung_, hauptform_);
    pruefung_ = new TF_Pruefung(*pruefstand_, hauptform_);
    protokoll_ = new TF_Protokoll(hauptform_);
    korrektur_ = new TF_Korrektur(hauptform_);
    verdrahten();
}

Varno::~Varno()
{
    delete kartenimport_;
    delete datensicherung_;
    delete start_;
    delete hauptform_;
}

void Varno::verdrahten()
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
    auswertung_->setFortschritt(Fortschritt::von(fortschritt_));
    auswertung_->setDruckvorschau(Druckvorschau(*auswertung_, Fortschritt::von(fortschritt_)));
    auswertung_->setPruefstand(pruefstand_.get());
    // A correction or cancellation is announced, so the open trip entry and the main window follow.
    const auto gemeldet = [this](std::function<bool(int)> ersetzen) {
        return [this, ersetzen](int fahrtId) {
            const bool ersetzt = ersetzen(fahrtId);
            if (ersetzt)
                sitzung_->fahrtenbuchGeaendertMelden();
            return ersetzt;
        };
    };
    const auto korrigieren = gemeldet([this](int fahrtId) { return korrektur_->korrigieren(fahrtId); });
    auswertung_->setKorrekturen({korrigieren, gemeldet(stornierung::fahrtStornieren)});
    eingabe_->setKorrektur(korrigieren);
    eingabe_->setNachtrag(gemeldet([this](int kfz) { return korrektur_->nachtragen(kfz); }));
    ziele.optionen = optionen_;
    ziele.datensicherung = datensicherung_;
    ziele.ueber = ueber_;
    ziele.pruefung = pruefung_;
    ziele.protokoll = protokoll_;
    hauptform_->setZiele(ziele);
    verankerungVerdrahten();
    connect(hauptform_, &THauptform::beenden, qApp, &QApplication::quit, Qt::QueuedConnection);
    connect(datensicherung_, &TF_Datensicherung::beenden, qApp, &QApplication::quit, Qt::QueuedConnection);
    verbinden(datensicherung_, &TF_Datensicherung::datenbankBereit, hauptform_, &THauptform::DatenbankBereit);
}

// The program's end, a backup and a restore note the logbook's state outside it. At the end
// nobody is left to read a failure; the next start and "varno pruefen" name a damaged file.
void Varno::verankerungVerdrahten()
{
    connect(hauptform_, &THauptform::beenden, this, [this] {
        if (Database::isOpen())
            verankerung::festhalten(*pruefstand_, QStringLiteral("Programmende"));
    });
    connect(datensicherung_, &TF_Datensicherung::gesichert, this, [this](const QString& sicherung) {
        Sicherungsvermerke vermerke;
        {
            const Fortschritt fortschritt = Fortschritt::von(fortschritt_);
            const LangeArbeit arbeit(fortschritt, datensicherung_);
            vermerke = sicherungFesthalten(sicherung, arbeit.melder());
        }
        // The backup is written either way; a time stamp that failed is only said.
        if (vermerke.zeitstempel && !vermerke.zeitstempel->gespeichert)
            vermerke.fehler << vermerke.zeitstempel->text +
                                   QStringLiteral(" Die Datensicherung selbst ist geschrieben.");
        if (!vermerke.fehler.isEmpty())
            prompt::warning(vermerke.fehler.join(QLatin1Char('\n')));
    });
    connect(datensicherung_, &TF_Datensicherung::zurueckgesichert, this, [this] {
        verankerung::festhalten(*pruefstand_, QStringLiteral("Rücksicherung"), verankerung::Anschluss::Ruecksicherung);
    });
}

void Varno::starten(bool mitStartbild)
{
    if (mitStartbild)
        start_->zeigenUndWarten(startbildMillisekunden);
    hauptform_->show();
    if (Database::isOpen())
        startpruefung::pruefenUndWarnen(*pruefstand_);
    // Without a window manager nobody else hands the new window the focus; it loads on activation.
    hauptform_->activateWindow();
}
