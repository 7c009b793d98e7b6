#include "network/Zeitstempeldienst.h"

#include "common/VarnoError.h"
#include "common/Zaehlwoerter.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace {

constexpr int taktMs = 100;

struct Verlauf {
    bool abgelaufen = false;
    bool zuGross = false;
};

QString grund(QNetworkReply& antwort, const Verlauf& verlauf, std::chrono::milliseconds frist)
{
    const QVariant status = antwort.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (verlauf.zuGross)
        return QStringLiteral("Die Antwort ist größer als jede Zeitstempel-Antwort.");
    if (verlauf.abgelaufen)
        return QStringLiteral("Er hat nicht innerhalb von %1 geantwortet.")
            .arg(anzahl(static_cast<long long>(std::chrono::duration_cast<std::chrono::seconds>(frist).count()),
                        zaehlwort::sekunde));
    if (status.isValid() && status.toInt() >= 300)
        return QStringLiteral("Er antwortete mit dem HTTP-Status %1 (%2).")
            .arg(status.toInt())
            .arg(antwort.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString());
    switch (antwort.error()) {
    case QNetworkReply::ConnectionRefusedError:
        return QStringLiteral("Die Verbindung wurde abgelehnt.");
    case QNetworkReply::HostNotFoundError:
        return QStringLiteral("Der Rechner wurde nicht gefunden (keine Netzverbindung?).");
    case QNetworkReply::SslHandshakeFailedError:
        return QStringLiteral("Die verschlüsselte Verbindung kam nicht zustande (%1).").arg(antwort.errorString());
    default:
        return QStringLiteral("Er ist nicht erreichbar (%1).").arg(antwort.errorString());
    }
}

} // namespace

Zeitstempeldienst::Zeitstempeldienst(QUrl adresse, std::chrono::milliseconds frist)
    : adresse_(std::move(adresse)), frist_(frist)
{
}

QByteArray Zeitstempeldienst::anfragen(const QByteArray& anfrage, const std::function<void(int)>& fortschritt) const
{
    QNetworkAccessManager netz;
    QNetworkRequest request(adresse_);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/timestamp-query"));
    request.setRawHeader(QByteArrayLiteral("Accept"), QByteArrayLiteral("application/timestamp-reply"));
    QNetworkReply* antwort = netz.post(request, anfrage);
    Verlauf verlauf;
    QEventLoop schleife;
    QElapsedTimer uhr;
    uhr.start();
    QTimer takt;
    QObject::connect(&takt, &QTimer::timeout, &schleife, [&] {
        if (uhr.elapsed() >= frist_.count()) {
            verlauf.abgelaufen = true;
            antwort->abort();
        } else if (fortschritt) {
            fortschritt(static_cast<int>(uhr.elapsed() * 100 / frist_.count()));
        }
    });
    QObject::connect(antwort, &QNetworkReply::downloadProgress, &schleife, [&](qint64 empfangen, qint64 gesamt) {
        if (std::max(empfangen, gesamt) > hoechsteAntwort) {
            verlauf.zuGross = true;
            antwort->abort();
        }
    });
    QObject::connect(antwort, &QNetworkReply::finished, &schleife, &QEventLoop::quit);
    takt.start(taktMs);
    if (!antwort->isFinished())
        schleife.exec(QEventLoop::ExcludeUserInputEvents);
    takt.stop();
    if (antwort->error() != QNetworkReply::NoError || verlauf.abgelaufen || verlauf.zuGross)
        throw VarnoError(QStringLiteral("Der Zeitstempeldienst %1 hat keinen Zeitstempel geliefert. %2")
                             .arg(adresse_.toDisplayString(), grund(*antwort, verlauf, frist_)));
    return antwort->readAll();
}
