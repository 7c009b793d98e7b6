#include "Programmfenster.h"

#include "admin/ui/TF_Optionen.h"
#include "admin/ui/TF_ueber.h"
#include "app/TF_ProgressBar.h"
#include "app/THauptform.h"
#include "app/Varno.h"
#include "app/Wartefenster.h"
#include "audit/ui/TF_Korrektur.h"
#include "audit/ui/TF_Protokoll.h"
#include "audit/ui/TF_Pruefung.h"
#include "admin/ui/TF_Datensicherung.h"
#include "card/ui/TF_Speicherkarte.h"
#include "card/ui/TF_Varno_Datei.h"
#include "card/ui/TF_Varno_V_OK.h"
#include "card/ui/TF_mirel_Verbindung.h"
#include "entry/ui/TF_Eingabe.h"
#include "evaluation/ui/TF_AuswertungMirel.h"
#include "evaluation/ui/TF_Details.h"
#include "master/ui/TF_Fahrer.h"
#include "master/ui/TF_KFZ.h"
#include "master/ui/TF_KFZNeu.h"

namespace {

template <typename Fenster> QWidget* eigenes(std::unique_ptr<QWidget>& eigene, Fenster* fenster)
{
    eigene.reset(fenster);
    return fenster;
}

} // namespace

void PrintTo(const Fensterfall& fall, std::ostream* os)
{
    *os << fall.name;
}

::testing::internal::ParamGenerator<Fensterfall> programmfenster()
{
    return ::testing::Values(
        Fensterfall{"Hauptfenster", [](Varno& v, auto&) -> QWidget* { return v.hauptform(); }},
        Fensterfall{"Fahrteingabe", [](Varno& v, auto&) -> QWidget* { return v.eingabe(); }},
        Fensterfall{"Auswertung", [](Varno& v, auto&) -> QWidget* { return v.auswertung(); }},
        Fensterfall{"Details", [](Varno& v, auto&) -> QWidget* { return v.details(); }},
        Fensterfall{"Korrektur", [](Varno& v, auto&) -> QWidget* { return v.korrektur(); }},
        Fensterfall{"Fahrzeuge", [](Varno& v, auto&) -> QWidget* { return v.kfz(); }},
        Fensterfall{"NeuesFahrzeug", [](Varno& v, auto&) -> QWidget* { return v.kfzNeu(); }},
        Fensterfall{"Fahrer", [](Varno& v, auto&) -> QWidget* { return v.fahrer(); }},
        Fensterfall{"Kartenimport", [](Varno& v, auto&) -> QWidget* { return v.kartenimport(); }},
        Fensterfall{"Kartenlisten", [](Varno& v, auto&) -> QWidget* { return v.kartenlisten(); }},
        Fensterfall{"Speicherkarte", [](Varno& v, auto&) -> QWidget* { return v.speicherkarte(); }},
        Fensterfall{"Verbindung", [](Varno& v, auto&) -> QWidget* { return v.mirelVerbindung(); }},
        Fensterfall{"Datensicherung", [](Varno& v, auto&) -> QWidget* { return v.datensicherung(); }},
        Fensterfall{"Pruefung", [](Varno& v, auto&) -> QWidget* { return v.pruefung(); }},
        Fensterfall{"Protokoll", [](Varno& v, auto&) -> QWidget* { return v.protokoll(); }},
        Fensterfall{"Warten", [](Varno& v, auto&) -> QWidget* { return v.wartefenster(); }},
        Fensterfall{"Fortschritt", [](Varno& v, auto&) -> QWidget* { return v.fortschritt(); }},
        Fensterfall{"Optionen", [](Varno&, auto& eigene) { return eigenes(eigene, new TF_Optionen); }},
        Fensterfall{"Ueber", [](Varno& v, auto& eigene) { return eigenes(eigene, new TF_ueber(v.sitzung())); }});
}

std::string fensterName(const ::testing::TestParamInfo<Fensterfall>& fall)
{
    return fall.param.name;
}
