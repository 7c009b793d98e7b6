#include "common_ui/Signalfarbe.h"

#include "common_ui/Kontrast.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace signalfarbe {

void warnendeSchrift(QWidget* knopf)
{
    QPalette palette = knopf->palette();
    palette.setColor(QPalette::ButtonText, kontrast::lesbarGegen(Qt::red, palette.color(QPalette::Button)));
    knopf->setPalette(palette);
}

void gelberGrund(QWidget* feld, bool gelb)
{
    QPalette palette = QApplication::palette(feld);
    if (gelb) {
        const QColor schrift = palette.color(QPalette::Active, QPalette::Text);
        palette.setColor(QPalette::Base, kontrast::lesbarGegen(Qt::yellow, schrift));
        palette.setColor(QPalette::Text, schrift);
    }
    feld->setPalette(palette);
}

QColor auffaelligerGrund()
{
    return kontrast::lesbarGegen(QColor(255, 200, 200), QApplication::palette().color(QPalette::Text));
}

QColor ersetzteSchrift(const QColor& grund)
{
    return kontrast::lesbarGegen(Qt::gray, grund);
}

} // namespace signalfarbe
