#include "evaluation/report/TextStyle.h"

QFont TextStyle::font() const
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    // Unhinted outlines scale linearly, so widths measured once hold on every resolution.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}
