#include "evaluation/Pruefwert.h"

#include "common/CsvSchreiber.h"
#include "logbuch/kette/Pruefkette.h"

#include <QByteArray>

#include <algorithm>

Pruefwert Pruefwert::ungueltig()
{
    Pruefwert wert;
    wert.stand_ = Stand::Ungueltig;
    return wert;
}

Pruefwert Pruefwert::gueltig(QByteArrayView wert)
{
    if (wert.size() != static_cast<qsizetype>(bytes))
        return ungueltig();
    Pruefwert gelesen;
    gelesen.stand_ = Stand::Gueltig;
    std::copy_n(reinterpret_cast<const std::uint8_t*>(wert.data()), bytes, gelesen.wert_.begin());
    return gelesen;
}

QString Pruefwert::text() const
{
    switch (stand_) {
    case Stand::Keiner:
        return {};
    case Stand::Ungueltig:
        return QString::fromUtf8(pruefkette::ungueltig);
    case Stand::Gueltig:
        break;
    }
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(wert_.data()), bytes).toHex()).toUpper();
}

void Pruefwert::schreiben(CsvSchreiber& csv) const
{
    switch (stand_) {
    case Stand::Keiner:
        csv.feld(QByteArrayView());
        return;
    case Stand::Ungueltig:
        // Letters only: no quotes needed.
        csv.vorbereitetesFeld(QByteArrayView(pruefkette::ungueltig));
        return;
    case Stand::Gueltig:
        csv.hexFeld(wert_);
        return;
    }
}
