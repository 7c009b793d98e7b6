#include "entry/ui/Eingabefelder.h"

#include "common_ui/Benannt.h"
#include "common_ui/Feldanfang.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

namespace eingabefelder {

QLineEdit* zeitEingabe(const char* name)
{
    auto* feld = benannt(new QLineEdit, name);
    feld->setInputMask(QStringLiteral("99:99;_"));
    return feld;
}

QComboBox* auswahl(const char* name)
{
    auto* feld = benannt(new QComboBox, name);
    feld->setEditable(true);
    // The window completes typed text itself; Qt's own completion would compete with it.
    feld->setCompleter(nullptr);
    feld->setInsertPolicy(QComboBox::NoInsert);
    // Locked fields show the beginning of a long place name.
    Feldanfang::einrichten(feld);
    return feld;
}

QFormLayout* formular(const Fahrtfelder& f)
{
    auto* formular = new QFormLayout;
    formular->addRow(QStringLiteral("Abfahrt:"), f.EAbfahrt);
    formular->addRow(QStringLiteral("Ankunft:"), f.EAnkunft);
    formular->addRow(QStringLiteral("von:"), f.cbVon);
    formular->addRow(QStringLiteral("nach:"), f.Cbnach);
    formular->addRow(QStringLiteral("KM-Ankunft"), f.EkmStand);
    formular->addRow(QStringLiteral("gefahrene km"), f.Ekm);
    formular->addRow(QStringLiteral("Zweck:"), f.Cbzweck);
    formular->addRow(QStringLiteral("Kategorie:"), f.CbKategorie);
    formular->addRow(QStringLiteral("Fahrer:"), f.CbFahrer);
    return formular;
}

} // namespace eingabefelder
