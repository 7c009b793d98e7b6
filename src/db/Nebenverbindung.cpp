#include "db/Nebenverbindung.h"

#include "db/Database.h"

#include <exception>
#include <thread>

void aufEigenerVerbindung(const std::function<void()>& arbeit)
{
    std::exception_ptr fehler;
    std::thread faden([&] {
        try {
            arbeit();
        } catch (...) {
            fehler = std::current_exception();
        }
        Database::schliessen();
    });
    faden.join();
    if (fehler)
        std::rethrow_exception(fehler);
}
