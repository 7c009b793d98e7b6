#include "common_ui/Knopf.h"

#include <QPushButton>

QPushButton* knopf(const QString& name, const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}
