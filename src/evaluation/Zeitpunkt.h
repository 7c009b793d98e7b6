#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

// A logbook time as whole seconds on the civil calendar (no time zones, no daylight saving), so
// durations are plain differences, as the logbook always counted them. Parsing the stored ISO
// text by hand keeps the trip list fast for a million rows.
namespace zeitpunkt {

using Sekunden = qint64;

inline constexpr Sekunden sekundenJeTag = 86400;

// "YYYY-MM-DD HH:MM:SS" (the stored form); nothing for NULL, empty or malformed text.
std::optional<Sekunden> ausIso(const char* text, qsizetype laenge);
std::optional<Sekunden> ausIso(QStringView text);
Sekunden aus(const QDate& datum, int stunde = 0, int minute = 0, int sekunde = 0);
// The stored form "YYYY-MM-DD HH:MM:SS".
QString alsIso(Sekunden zeit);

QDate datum(Sekunden zeit);
// Day number on the civil calendar: equal for two times of the same day.
qint64 tag(Sekunden zeit);
// "24.12.2005 14:05:00"
QString deutschMitZeit(Sekunden zeit);
// "14:05:00"
QString uhrzeitMitSekunden(Sekunden zeit);

// The same two forms written into a buffer, for files of a hundred thousand trips; each returns
// the end of what it wrote.
inline constexpr int laengeDeutschMitZeit = 19;
inline constexpr int laengeUhrzeitMitSekunden = 8;
char* schreibeDeutschMitZeit(char* ziel, Sekunden zeit);
char* schreibeUhrzeitMitSekunden(char* ziel, Sekunden zeit);
// "14:05"
QString uhrzeit(Sekunden zeit);

} // namespace zeitpunkt
