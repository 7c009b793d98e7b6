#include "common_ui/Knopf.h"

#include <QHBoxLayout>
#include <QPushButton>

QPushButton* knopf(const QString& name, const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

QHBoxLayout* knopfzeile(std::initializer_list<QPushButton*> knoepfe)
{
    auto* zeile = new QHBoxLayout;
    zeile->addStretch();
    for (QPushButton* knopf : knoepfe)
        zeile->addWidget(knopf);
    return zeile;
}
