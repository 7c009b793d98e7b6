#include "app/TF_Start.h"

#include "app/VarnoBild.h"
#include "common_ui/Kontrast.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QThread>
#include <QVBoxLayout>

TF_Start::TF_Start(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TF_Start"));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    // The ground matches the picture's; under a dark theme the text would be white on white.
    white.setColor(QPalette::WindowText, kontrast::lesbarGegen(white.color(QPalette::WindowText), Qt::white));
    setPalette(white);

    auto* bild = new QLabel(this);
    bild->setObjectName(QStringLiteral("Image1"));
    bild->setPixmap(varnoBild(QSize(420, 220)));
    auto* text = new QLabel(QStringLiteral("... die Fahrtenbuchsoftware wird gestartet"), this);
    text->setObjectName(QStringLiteral("Label1"));
    text->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bild);
    layout->addWidget(text);
    adjustSize();
}

void TF_Start::zeigenUndWarten(int millisekunden)
{
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QThread::msleep(static_cast<unsigned long>(millisekunden));
    close();
}
