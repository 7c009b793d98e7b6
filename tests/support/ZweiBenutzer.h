#pragma once

#include "db/Database.h"
#include "logbuch/Logbuch.h"

#include <QString>

#include <array>
#include <latch>
#include <thread>

// Two users at the same moment: each opens the logbook at `ort` on a connection of its own, both
// wait for each other, then each runs `tun(nummer)` once, the first user 0, the second 1. Returns
// what each got.
template <typename Tun> auto zweiBenutzerZugleich(const QString& ort, Tun tun)
{
    std::array<decltype(tun(0)), 2> ergebnisse{};
    std::latch start(2);
    auto benutzer = [&](int nummer) {
        Logbuch::oeffnen(ort);
        start.arrive_and_wait();
        ergebnisse[static_cast<std::size_t>(nummer)] = tun(nummer);
        Database::schliessen();
    };
    std::thread erster(benutzer, 0);
    std::thread zweiter(benutzer, 1);
    erster.join();
    zweiter.join();
    return ergebnisse;
}
