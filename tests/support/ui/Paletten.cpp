#include "support/ui/Paletten.h"

#include "common_ui/Kontrast.h"

#include <QApplication>
#include <QStyle>
#include <QWidget>

QPalette hellePalette()
{
    return QApplication::style()->standardPalette();
}

QPalette dunklePalette()
{
    const QColor schrift(252, 252, 252);
    const QColor gesperrt(110, 113, 117);
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(42, 46, 50));
    palette.setColor(QPalette::WindowText, schrift);
    palette.setColor(QPalette::Base, QColor(27, 30, 32));
    palette.setColor(QPalette::AlternateBase, QColor(35, 38, 41));
    palette.setColor(QPalette::Text, schrift);
    palette.setColor(QPalette::Button, QColor(49, 54, 59));
    palette.setColor(QPalette::ButtonText, schrift);
    palette.setColor(QPalette::Highlight, QColor(61, 174, 233));
    palette.setColor(QPalette::HighlightedText, schrift);
    palette.setColor(QPalette::ToolTipBase, QColor(49, 54, 59));
    palette.setColor(QPalette::ToolTipText, schrift);
    palette.setColor(QPalette::PlaceholderText, gesperrt);
    for (const auto rolle : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, rolle, gesperrt);
    return palette;
}

Palettenwahl::Palettenwahl(const QPalette& palette) : vorher_(QApplication::palette())
{
    QApplication::setPalette(palette);
}

Palettenwahl::~Palettenwahl()
{
    QApplication::setPalette(vorher_);
}

::testing::internal::ParamGenerator<Palettenfall> palettenfaelle()
{
    return ::testing::Values(Palettenfall{"Hell", hellePalette}, Palettenfall{"Dunkel", dunklePalette});
}

std::string palettenfallName(const ::testing::TestParamInfo<Palettenfall>& fall)
{
    return fall.param.name;
}

void PrintTo(const Palettenfall& fall, std::ostream* os)
{
    *os << fall.name;
}

::testing::AssertionResult liestSich(const QColor& schrift, const QColor& grund)
{
    const double verhaeltnis = kontrast::verhaeltnis(schrift, grund);
    if (verhaeltnis >= kontrast::lesbar)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << schrift.name().toStdString() << " auf " << grund.name().toStdString()
                                         << ": " << verhaeltnis << ":1";
}

::testing::AssertionResult liestSich(const QWidget& w, QPalette::ColorRole schrift, QPalette::ColorRole grund)
{
    const QPalette::ColorGroup gruppe = w.isEnabled() ? QPalette::Active : QPalette::Disabled;
    return liestSich(w.palette().color(gruppe, schrift), w.palette().color(gruppe, grund))
           << " (" << w.objectName().toStdString() << ")";
}
