#include "master/ui/Bedienelemente.h"

#include <QDateEdit>
#include <QPushButton>

QPushButton* knopf(const QString& name, const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

QDateEdit* datumsfeld(const QString& name, QWidget* parent)
{
    auto* feld = new QDateEdit(parent);
    feld->setObjectName(name);
    feld->setCalendarPopup(true);
    feld->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    return feld;
}
