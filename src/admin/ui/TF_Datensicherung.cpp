#include "admin/ui/TF_Datensicherung.h"

#include "admin/Ruecksicherung.h"
#include "admin/SicherungStore.h"
#include "admin/Sicherungsname.h"
#include "common/Clock.h"
#include "common/Prompts.h"
#include "common/VarnoError.h"
#include "common_ui/Feldanfang.h"
#include "common_ui/Fensterereignisse.h"
#include "common_ui/Handler.h"
#include "common_ui/Knopf.h"
#include "common_ui/Schriftmass.h"
#include "db/Database.h"
#include "logbuch/Logbuch.h"
#include "logbuch/OptionenStore.h"
#include "db/Serveradresse.h"
#include "logbuch/Sitzung.h"
#include "platform/FileOperations.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>

namespace {

} // namespace

TF_Datensicherung::TF_Datensicherung(Sitzung& sitzung, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      sitzung_(sitzung), dateien_(&FileOperations::system())
{
    setObjectName(QStringLiteral("F_Datensicherung"));
    setWindowTitle(QStringLiteral("Datensicherung"));

    EDSVerz = new QLineEdit(this);
    EDSVerz->setObjectName(QStringLiteral("EDSVerz"));
    EDSVerz->setEnabled(false);
    EDSVerz->setMinimumWidth(schriftmass::breite(320));
    Feldanfang::einrichten(EDSVerz);
    BtAendern = knopf(QStringLiteral("BtAendern"), QStringLiteral("Ä&ndern"), this);
    BtSicherung = knopf(QStringLiteral("BtSicherung"), QStringLiteral("&Sicherung"), this);
    BtRueckSicherung = knopf(QStringLiteral("BtRueckSicherung"), QStringLiteral("&Rücksicherung"), this);
    BtNeueDatenbank = knopf(QStringLiteral("BtNeueDatenbank"), QStringLiteral("Neue &Datenbank anlegen"), this);
    BtNeueDatenbank->setVisible(false);
    btSchliessen = knopf(QStringLiteral("btSchliessen"), QStringLiteral("S&chliessen"), this);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Datensicherungsverzeichnis:"), this), 0, 0, 1, 2);
    layout->addWidget(EDSVerz, 1, 0);
    layout->addWidget(BtAendern, 1, 1);
    layout->addWidget(BtSicherung, 2, 0, 1, 2);
    layout->addWidget(BtRueckSicherung, 3, 0, 1, 2);
    layout->addWidget(BtNeueDatenbank, 4, 0, 1, 2);
    layout->addWidget(btSchliessen, 5, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    verbinden(BtAendern, &QPushButton::clicked, this, &TF_Datensicherung::BtAendernClick);
    verbinden(BtSicherung, &QPushButton::clicked, this, &TF_Datensicherung::BtSicherungClick);
    verbinden(BtRueckSicherung, &QPushButton::clicked, this, &TF_Datensicherung::BtRueckSicherungClick);
    verbinden(BtNeueDatenbank, &QPushButton::clicked, this, &TF_Datensicherung::BtNeueDatenbankClick);
    verbinden(btSchliessen, &QPushButton::clicked, this, &TF_Datensicherung::btSchliessenClick);
    Fensterereignisse::fuer(this).beimZeigen([this] { FormActivate(); }).beimAktivieren([this] { FormActivate(); });
}

void TF_Datensicherung::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        gewaehltesVerzeichnis_.reset();
}

void TF_Datensicherung::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (!sitzung_.datenbankVorhanden())
        emit beenden();
}

void TF_Datensicherung::FormActivate()
{
    // A logbook on a server has no folder; its backups go to the user's home by default.
    const QString logbuch = sitzung_.logbuch();
    AktVerz = istServeradresse(logbuch) ? QDir::homePath() : QFileInfo(logbuch).absolutePath();
    const bool vorhanden = sitzung_.datenbankVorhanden();
    if (gewaehltesVerzeichnis_)
        EDSVerz->setText(*gewaehltesVerzeichnis_);
    else
        EDSVerz->setText(vorhanden ? gespeichertesVerzeichnis() : AktVerz);
    BtSicherung->setEnabled(vorhanden);
    BtNeueDatenbank->setVisible(!vorhanden);
}

void TF_Datensicherung::BtAendernClick()
{
    const QString ordner =
        Prompts::instance().chooseFolder(QStringLiteral("Wählen Sie ein Verzeichnis zur Datensicherung"),
                                         QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
    if (ordner.isEmpty())
        return;
    gewaehltesVerzeichnis_ = sicherungsname::verzeichnisMitTrennzeichen(ordner);
    EDSVerz->setText(*gewaehltesVerzeichnis_);
}

void TF_Datensicherung::BtSicherungClick()
{
    const QString ziel = sicherungsname::dateiname(EDSVerz->text(), Clock::now());
    if (!sicherungSchreiben(ziel))
        return;
    emit gesichert(ziel);
    prompt::message(QStringLiteral("Die Datensicherung war erfolgreich."));
    close();
}

bool TF_Datensicherung::sicherungSchreiben(const QString& ziel)
{
    // Two backups within one second share a name; replacing the earlier one is the user's call.
    if (QFileInfo::exists(ziel) &&
        !prompt::confirmDestructive(QStringLiteral("Die Datei %1 ist bereits vorhanden. Wollen Sie sie ersetzen?")
                                        .arg(QDir::toNativeSeparators(ziel)))) {
        fehlerBeimKopieren();
        return false;
    }
    try {
        SicherungStore::sichern(ziel, *dateien_);
    } catch (const VarnoError& fehler) {
        fehlerBeimKopieren(fehler.message());
        return false;
    }
    return true;
}

void TF_Datensicherung::BtRueckSicherungClick()
{
    const QString sicherung = Prompts::instance().openFile(QStringLiteral("Öffnen"), EDSVerz->text(),
                                                           QStringLiteral("Varno Sicherung (*.sav)"));
    if (sicherung.isEmpty())
        return;
    try {
        const auto verlustBestaetigen = [](const QString& frage) { return prompt::confirmDestructive(frage); };
        if (!Ruecksicherung(*dateien_).zuruecksichern(sicherung, logbuch(), verlustBestaetigen))
            return;
    } catch (const VarnoError& fehler) {
        fehlerBeimKopieren(fehler.message());
        return;
    }
    emit zurueckgesichert();
    prompt::message(QStringLiteral("Die Rücksicherung war erfolgreich."));
    logbuchUebernommen();
}

void TF_Datensicherung::BtNeueDatenbankClick()
{
    QString meldung = QStringLiteral("Eine neue, leere Datenbank wurde angelegt.");
    // A file that is there but no usable logbook is kept beside the new one, never overwritten.
    if (QFileInfo::exists(logbuch())) {
        const QString aufbewahrt = logbuch() + QStringLiteral(".unbrauchbar");
        dateien_->renameReplacing(logbuch(), aufbewahrt);
        meldung +=
            QStringLiteral("\nDie bisherige Datei wurde als %1 aufbewahrt.").arg(QDir::toNativeSeparators(aufbewahrt));
    }
    Logbuch::anlegen(logbuch());
    prompt::message(meldung);
    logbuchUebernommen();
    close();
}

void TF_Datensicherung::btSchliessenClick()
{
    if (sitzung_.datenbankVorhanden())
        OptionenStore::datensicherungsVerzeichnisSpeichern(EDSVerz->text());
    close();
}

QString TF_Datensicherung::logbuch() const
{
    return sitzung_.logbuch();
}

// Without a folder of its own the backup goes beside the logbook, not wherever the program was
// started from.
QString TF_Datensicherung::gespeichertesVerzeichnis() const
{
    const QString gespeichert = OptionenStore::datensicherungsVerzeichnis();
    return gespeichert.isEmpty() ? sicherungsname::verzeichnisMitTrennzeichen(AktVerz) : gespeichert;
}

// The restored or new logbook is open; without one before, the program now goes on with it.
void TF_Datensicherung::logbuchUebernommen()
{
    const bool neu = !sitzung_.datenbankVorhanden();
    sitzung_.setDatenbankVorhanden(true);
    FormActivate();
    if (neu)
        emit datenbankBereit();
}

void TF_Datensicherung::fehlerBeimKopieren(const QString& grund)
{
    QString text = QStringLiteral("Fehler beim Kopieren");
    if (!grund.isEmpty())
        text += QLatin1Char('\n') + grund;
    Prompts::instance().ask(PromptIcon::Error, QStringLiteral("Varno"), text, PromptButtons::Ok, PromptAnswer::Ok);
}
