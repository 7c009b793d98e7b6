#include "master/ui/Bedienelemente.h"

#include <QDateEdit>

QDateEdit* datumsfeld(const QString& name, QWidget* parent)
{
    auto* feld = new QDateEdit(parent);
    feld->setObjectName(name);
    feld->setCalendarPopup(true);
    feld->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    return feld;
}
