#pragma once

#include "common_ui/Sanduhr.h"

#include <QWidget>

#include <functional>

// The program's progress window as the windows use it; the program hands it in when it wires the
// windows, so no window library needs anything from the application.
struct Fortschritt {
    std::function<void(const QWidget*)> starten;
    std::function<void(int)> setzen;
    std::function<void()> beenden;

    // For any window with starten(parent), setzen(percent) and beenden().
    template <typename Fenster> static Fortschritt von(Fenster* fenster)
    {
        return {[fenster](const QWidget* ueber) { fenster->starten(ueber); },
                [fenster](int prozent) { fenster->setzen(prozent); }, [fenster] { fenster->beenden(); }};
    }
};

// While it lives: the hourglass cursor and the progress window over `fenster`. Ends both however
// the work ends, an exception included.
class LangeArbeit {
public:
    LangeArbeit(const Fortschritt& fortschritt, const QWidget* fenster);
    ~LangeArbeit();
    LangeArbeit(const LangeArbeit&) = delete;
    LangeArbeit& operator=(const LangeArbeit&) = delete;

    void setzen(int prozent) const;
    // For work that reports its percentage through a function of its own.
    std::function<void(int)> melder() const;

    // Gives the normal cursor back while the user answers a question in the middle of the work.
    class Rueckfrage {
    public:
        Rueckfrage() : zeiger_(Qt::ArrowCursor) {}

    private:
        Sanduhr zeiger_;
    };

private:
    const Sanduhr sanduhr_;
    const Fortschritt& fortschritt_;
};
