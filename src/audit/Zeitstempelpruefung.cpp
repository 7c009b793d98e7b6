#include "audit/Zeitstempelpruefung.h"

#include "audit/Ankerpruefung.h"
#include "audit/OpenSslZeiger.h"
#include "common/GermanFormat.h"
#include "common/Zaehlwoerter.h"
#include "db/Lesestand.h"
#include "logbuch/OptionenStore.h"

#include <QFileInfo>
#include <QTimeZone>

#include <openssl/err.h>
#include <openssl/pkcs7.h>
#include <openssl/sha.h>
#include <openssl/ts.h>
#include <openssl/x509.h>
#include <openssl/x509_vfy.h>

#include <ctime>

namespace zeitstempelpruefung {

namespace {

using Token = OpenSslZeiger<PKCS7, PKCS7_free>;
using TstInfo = OpenSslZeiger<TS_TST_INFO, TS_TST_INFO_free>;
using Pruefung = OpenSslZeiger<TS_VERIFY_CTX, TS_VERIFY_CTX_free>;
using Zertifikatspeicher = OpenSslZeiger<X509_STORE, X509_STORE_free>;
using Parameter = OpenSslZeiger<X509_VERIFY_PARAM, X509_VERIFY_PARAM_free>;

Token tokenLesen(const QByteArray& der)
{
    const auto* anfang = reinterpret_cast<const unsigned char*>(der.constData());
    const unsigned char* stelle = anfang;
    Token token(d2i_PKCS7(nullptr, &stelle, der.size()));
    // Bytes after the token would be carried along unsigned.
    if (token && stelle != anfang + der.size())
        token.reset();
    return token;
}

std::optional<QDateTime> dienstzeit(const TS_TST_INFO* info)
{
    std::tm zeit{};
    if (!ASN1_TIME_to_tm(TS_TST_INFO_get_time(info), &zeit))
        return std::nullopt;
    return QDateTime(QDate(zeit.tm_year + 1900, zeit.tm_mon + 1, zeit.tm_mday),
                     QTime(zeit.tm_hour, zeit.tm_min, zeit.tm_sec), QTimeZone::utc());
}

QString gemeinsamerName(X509* zertifikat)
{
    const X509_NAME* name = X509_get_subject_name(zertifikat);
    const int stelle = X509_NAME_get_index_by_NID(name, NID_commonName, -1);
    if (stelle < 0)
        return {};
    const ASN1_STRING* wert = X509_NAME_ENTRY_get_data(X509_NAME_get_entry(name, stelle));
    unsigned char* utf8 = nullptr;
    const int laenge = ASN1_STRING_to_UTF8(&utf8, wert);
    if (laenge < 0)
        return {};
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(utf8), laenge);
    OPENSSL_free(utf8);
    return text;
}

QString signiererName(PKCS7* token)
{
    STACK_OF(X509)* signierer = PKCS7_get0_signers(token, nullptr, 0);
    ERR_clear_error();
    if (!signierer)
        return {};
    const QString name = sk_X509_num(signierer) > 0 ? gemeinsamerName(sk_X509_value(signierer, 0)) : QString();
    sk_X509_free(signierer);
    return name;
}

// The certificates to trust, checked as they were valid at the stamped time: a service's
// certificate that expired since still vouches for what it signed while it was valid.
Zertifikatspeicher vertrauen(const QString& zertifikat, const QDateTime& zeit, QString& fehler)
{
    Zertifikatspeicher speicher(X509_STORE_new());
    const QByteArray pfad = QFile::encodeName(zertifikat.isEmpty() ? systemzertifikate : zertifikat);
    const bool geladen = zertifikat.isEmpty() ? X509_STORE_load_path(speicher.get(), pfad.constData())
                                              : X509_STORE_load_file(speicher.get(), pfad.constData());
    if (!geladen || (!zertifikat.isEmpty() && !QFileInfo(zertifikat).isFile())) {
        fehler = QStringLiteral("Die Zertifikatsdatei %1 kann nicht gelesen werden.").arg(zertifikat);
        return {};
    }
    Parameter parameter(X509_VERIFY_PARAM_new());
    X509_VERIFY_PARAM_set_time(parameter.get(), static_cast<time_t>(zeit.toSecsSinceEpoch()));
    X509_STORE_set1_param(speicher.get(), parameter.get());
    return speicher;
}

QString vertrauenText(const QString& zertifikat)
{
    return zertifikat.isEmpty() ? QStringLiteral("die Zertifikate des Systems (%1)").arg(systemzertifikate)
                                : QStringLiteral("das Zertifikat %1").arg(zertifikat);
}

// The signature and its certificate chain only; the imprint is compared on its own so that a
// token over another value is named as such.
Befund signaturPruefen(PKCS7* token, const QString& zertifikat, Befund befund)
{
    QString fehler;
    Zertifikatspeicher speicher = vertrauen(zertifikat, befund.zeit, fehler);
    if (!speicher) {
        befund.text = fehler;
        return befund;
    }
    Pruefung pruefung(TS_VERIFY_CTX_new());
    TS_VERIFY_CTX_set_flags(pruefung.get(), TS_VFY_SIGNATURE | TS_VFY_VERSION);
    TS_VERIFY_CTX_set_store(pruefung.get(), speicher.release());
    ERR_clear_error();
    if (TS_RESP_verify_token(pruefung.get(), token) == 1) {
        befund.gueltig = true;
        befund.text = QStringLiteral("Signatur von „%1“ bestätigt, geprüft gegen %2")
                          .arg(befund.signierer, vertrauenText(zertifikat));
        return befund;
    }
    const int grund = ERR_GET_REASON(ERR_peek_last_error());
    ERR_clear_error();
    befund.text = grund == TS_R_CERTIFICATE_VERIFY_ERROR
                      ? QStringLiteral("das Zertifikat des Dienstes („%1“) führt nicht auf %2 zurück oder war zur "
                                       "Zeit des Stempels nicht gültig")
                            .arg(befund.signierer, vertrauenText(zertifikat))
                      : QStringLiteral("die Signatur passt nicht zum Inhalt (der Zeitstempel wurde verändert)");
    return befund;
}

} // namespace

QByteArray abdruck(const QByteArray& pruefwert)
{
    QByteArray wert(SHA256_DIGEST_LENGTH, '\0');
    SHA256(reinterpret_cast<const unsigned char*>(pruefwert.constData()), static_cast<size_t>(pruefwert.size()),
           reinterpret_cast<unsigned char*>(wert.data()));
    return wert;
}

Befund pruefen(const QByteArray& tokenDer, const QByteArray& pruefwert, const QString& zertifikat)
{
    Befund befund;
    const Token token = tokenLesen(tokenDer);
    const TstInfo info(token ? PKCS7_to_TS_TST_INFO(token.get()) : nullptr);
    ERR_clear_error();
    const std::optional<QDateTime> zeit = info ? dienstzeit(info.get()) : std::nullopt;
    if (!zeit) {
        befund.text = QStringLiteral("das ist kein lesbarer Zeitstempel");
        return befund;
    }
    befund.zeit = *zeit;
    befund.signierer = signiererName(token.get());
    const TS_MSG_IMPRINT* imprint = TS_TST_INFO_get_msg_imprint(info.get());
    const ASN1_OCTET_STRING* wert = TS_MSG_IMPRINT_get_msg(const_cast<TS_MSG_IMPRINT*>(imprint));
    const X509_ALGOR* verfahren = TS_MSG_IMPRINT_get_algo(const_cast<TS_MSG_IMPRINT*>(imprint));
    const QByteArray gestempelt(reinterpret_cast<const char*>(ASN1_STRING_get0_data(wert)), ASN1_STRING_length(wert));
    if (OBJ_obj2nid(verfahren->algorithm) != NID_sha256 || gestempelt != abdruck(pruefwert)) {
        befund.text = QStringLiteral("der Zeitstempel gilt einem anderen Wert als dem Prüfwert dieses Stands");
        return befund;
    }
    return signaturPruefen(token.get(), zertifikat, befund);
}

namespace {

QString standText(const Zeitstempel& z)
{
    qint64 eintraege = 0;
    for (qint64 anzahl : z.anzahl)
        eintraege += anzahl;
    return QStringLiteral("%1, Prüfwert %2")
        .arg(anzahl(eintraege, zaehlwort::eintrag), pruefkette::anzeige(z.pruefwert));
}

// Checks one entry against the logbook; false with the reason in `text` when it does not hold.
bool eintragPruefen(const ZeitstempelStore::Eintrag& eintrag, const QString& zertifikat, QString& text)
{
    if (!eintrag.zeitstempel) {
        text = QStringLiteral("Der Protokolleintrag vom %1 ist kein lesbarer Zeitstempel.")
                   .arg(german::dateTime(eintrag.erfasst));
        return false;
    }
    const Zeitstempel& z = *eintrag.zeitstempel;
    text = zeitstempeleintrag::vermerk(z) + QStringLiteral(" für ") + z.anlass + QStringLiteral(" (Stand: ") +
           standText(z) + QStringLiteral("): ");
    const std::optional<QByteArray> jetzt = ankerpruefung::pruefwertBei(z.anzahl);
    if (!jetzt || *jetzt != z.pruefwert) {
        text += QStringLiteral("ungültig – dieser Stand ist im Fahrtenbuch nicht mehr enthalten.");
        return false;
    }
    const Befund befund = pruefen(z.token, z.pruefwert, zertifikat);
    if (befund.gueltig && befund.zeit != z.zeit) {
        text += QStringLiteral("ungültig – die Zeit des Protokolleintrags ist nicht die des Zeitstempels (%1).")
                    .arg(german::dateTime(befund.zeit.toLocalTime()));
        return false;
    }
    text +=
        (befund.gueltig ? QStringLiteral("gültig – ") : QStringLiteral("ungültig – ")) + befund.text + QLatin1Char('.');
    return befund.gueltig;
}

} // namespace

Gesamtbefund allePruefen()
{
    const Lesestand stand;
    const QString zertifikat = OptionenStore::zeitstempelung().zertifikat;
    Gesamtbefund gesamt;
    for (const ZeitstempelStore::Eintrag& eintrag : ZeitstempelStore::alle()) {
        QString text;
        const bool gilt = eintragPruefen(eintrag, zertifikat, text);
        gesamt.zeilen << text;
        gesamt.stimmt = gesamt.stimmt && gilt;
        if (gilt)
            gesamt.letzter = eintrag.zeitstempel;
    }
    return gesamt;
}

} // namespace zeitstempelpruefung
