#pragma once

#include <QWidget>

// Splash window shown while the program starts.
class TF_Start : public QWidget {
    Q_OBJECT
public:
    explicit TF_Start(QWidget* parent = nullptr);
    // Shows the window, lets it paint, waits without handling further events, closes it.
    void zeigenUndWarten(int millisekunden);
};
