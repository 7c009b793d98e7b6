#include "evaluation/ui/Druckvorschau.h"

#include "audit/Pruefstand.h"
#include "common_ui/LangeArbeit.h"
#include "evaluation/report/Berichtsfahrten.h"
#include "evaluation/report/Pruefvermerk.h"
#include "evaluation/report/QRFahrerAuswertung.h"
#include "evaluation/report/QRFahrerTabAuswertung.h"
#include "evaluation/report/QRFahrerTagAuswertung.h"
#include "evaluation/report/ReportLayout.h"
#include "evaluation/ui/ReportPreview.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Disables the button for the time of the work and enables it again however the work ends.
class KnopfGesperrt {
public:
    explicit KnopfGesperrt(QPushButton* knopf) : knopf_(knopf) { knopf_->setEnabled(false); }
    ~KnopfGesperrt() { knopf_->setEnabled(true); }
    KnopfGesperrt(const KnopfGesperrt&) = delete;
    KnopfGesperrt& operator=(const KnopfGesperrt&) = delete;

private:
    QPushButton* knopf_;
};


std::vector<QStringList> zeilen(const TextTabelle& tabelle)
{
    return std::vector<QStringList>(tabelle.zeilen.begin(), tabelle.zeilen.end());
}

} // namespace

Druckvorschau::Druckvorschau(TF_AuswertungMirel& fenster, Fortschritt fortschritt,
                             Vorschau vorschau)
    : fenster_(&fenster), fortschritt_(std::move(fortschritt)),
      vorschau_(vorschau ? std::move(vorschau) : Vorschau(showReportPreview))
{
}

void Druckvorschau::operator()() const
{
    const KnopfGesperrt gesperrt(fenster_->btExport);
    std::optional<LaidOutReport> bericht;
    {
        const std::optional<ReportDefinition> definition = this->bericht();
        if (!definition)
            return;
        const Sanduhr sanduhr;
        bericht = layOutReport(*definition);
    }
    vorschau_(std::move(*bericht), fenster_);
}

std::optional<ReportDefinition> Druckvorschau::bericht() const
{
    std::optional<ReportDefinition> bericht = berichtOhneVermerk();
    if (bericht)
        pruefvermerkEinfuegen(*bericht, pruefvermerk());
    return bericht;
}

QString Druckvorschau::pruefvermerk() const
{
    Pruefstand eigener;
    return (fenster_->pruefstand() ? *fenster_->pruefstand() : eigener).vermerk();
}

std::optional<ReportDefinition> Druckvorschau::berichtOhneVermerk() const
{
    const Auswertungsstand& stand = fenster_->stand();
    if (!stand.angezeigt || stand.fahrzeugansicht)
        return std::nullopt;
    const DatumsAuswahl datum{fenster_->cbxAbDat->isChecked(), stand.anzeigeVon, fenster_->cbxAnDat->isChecked(),
                              stand.anzeigeBis};
    const QString fahrer = fenster_->cbFahrer->currentText();
    switch (stand.ansichtsModus) {
    case Auswertungsstand::Fahrten:
        return TQuickReport::bericht(fahrtenDaten());
    case Auswertungsstand::AlleFahrer:
        return TQRFahrer::bericht({datum, zeilen(stand.fahrerTabelle)});
    case Auswertungsstand::FahrerJeTag:
        return TQRFahrerTab::bericht({fahrer, datum, zeilen(stand.fahrerTabelle)});
    case Auswertungsstand::FahrerAnEinemTag:
        return TQRFahrerTag::bericht({fahrer, stand.anzeigeVon, zeilen(stand.fahrerTabelle)});
    }
    return std::nullopt;
}

FahrtenBerichtDaten Druckvorschau::fahrtenDaten() const
{
    const TF_AuswertungMirel& f = *fenster_;
    FahrtenBerichtDaten daten;
    daten.kfz = f.cbFahrzeug->currentText();
    daten.fahrer = f.cbFahrer->currentText();
    daten.filter = FilterTexte{f.cbVon->currentText(),       f.cbNach->currentText(), f.cbZweck->currentText(),
                               f.cbKategorie->currentText(), f.cbArt->currentText(),  f.cbBemerkung->currentText(),
                               f.eKMAbf->text(),             f.eKMAnk->text()};
    if (f.cbxAbDat->isChecked())
        daten.abDatum = f.dtpAbDat->date();
    if (f.cbxAnDat->isChecked())
        daten.anDatum = f.dtpAnDat->date();
    const Fahrtenliste& liste = f.fahrtenliste();
    daten.fahrten = berichtsfahrten(liste, store_.bemerkungen(liste), store_.erfassungen(liste));
    const Fahrtenfilter& filter = f.stand().filter;
    daten.korrekturen =
        berichtskorrekturen(filter.fahrzeug, filter.ohneMusterfahrzeug, filter.abfahrtAb, filter.ankunftBis);
    const LangeArbeit arbeit(fortschritt_, fenster_);
    daten.summen = artSummen(daten.fahrten, [&](int prozent) { arbeit.setzen(prozent); });
    return daten;
}
