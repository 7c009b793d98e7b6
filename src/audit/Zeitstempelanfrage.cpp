#include "audit/Zeitstempelanfrage.h"

#include "audit/Zeitstempelpruefung.h"
#include "common/VarnoError.h"

#include <QStringList>

#include <openssl/bn.h>
#include <openssl/err.h>
#include <openssl/rand.h>
#include <openssl/ts.h>

namespace {

using Anfrage = OpenSslZeiger<TS_REQ, TS_REQ_free>;
using Abdruck = OpenSslZeiger<TS_MSG_IMPRINT, TS_MSG_IMPRINT_free>;
using Verfahren = OpenSslZeiger<X509_ALGOR, X509_ALGOR_free>;
using Antwort = OpenSslZeiger<TS_RESP, TS_RESP_free>;
using Zahl = OpenSslZeiger<BIGNUM, BN_free>;

constexpr int nonceBytes = 8;
constexpr long gewaehrt = 0;       // granted
constexpr long mitAenderungen = 1; // grantedWithMods

VarnoError fehler(const QString& grund)
{
    return VarnoError(QStringLiteral("Der Zeitstempeldienst hat keinen gültigen Zeitstempel geliefert: %1").arg(grund));
}

OpenSslZeiger<ASN1_INTEGER, ASN1_INTEGER_free> zufallsnonce()
{
    unsigned char bytes[nonceBytes];
    if (RAND_bytes(bytes, nonceBytes) != 1)
        throw VarnoError(QStringLiteral("Für den Zeitstempel ließ sich keine Zufallszahl erzeugen."));
    const Zahl zahl(BN_bin2bn(bytes, nonceBytes, nullptr));
    return OpenSslZeiger<ASN1_INTEGER, ASN1_INTEGER_free>(BN_to_ASN1_INTEGER(zahl.get(), nullptr));
}

QByteArray anfrageDer(const QByteArray& pruefwert, const ASN1_INTEGER* nonce)
{
    Verfahren sha256(X509_ALGOR_new());
    X509_ALGOR_set0(sha256.get(), OBJ_nid2obj(NID_sha256), V_ASN1_NULL, nullptr);
    Abdruck abdruck(TS_MSG_IMPRINT_new());
    const QByteArray wert = zeitstempelpruefung::abdruck(pruefwert);
    Anfrage anfrage(TS_REQ_new());
    const bool gebildet =
        TS_MSG_IMPRINT_set_algo(abdruck.get(), sha256.get()) &&
        TS_MSG_IMPRINT_set_msg(abdruck.get(), reinterpret_cast<unsigned char*>(const_cast<char*>(wert.constData())),
                               static_cast<int>(wert.size())) &&
        TS_REQ_set_version(anfrage.get(), 1) && TS_REQ_set_msg_imprint(anfrage.get(), abdruck.get()) &&
        TS_REQ_set_nonce(anfrage.get(), nonce) && TS_REQ_set_cert_req(anfrage.get(), 1);
    const QByteArray der = gebildet ? derBytes(anfrage.get(), i2d_TS_REQ) : QByteArray();
    if (der.isEmpty())
        throw VarnoError(QStringLiteral("Die Anfrage an den Zeitstempeldienst ließ sich nicht bilden."));
    return der;
}

// The service's own words, when it gave any.
QString statustext(TS_STATUS_INFO* status)
{
    QStringList texte;
    if (const STACK_OF(ASN1_UTF8STRING)* text = TS_STATUS_INFO_get0_text(status))
        for (int i = 0; i < sk_ASN1_UTF8STRING_num(text); ++i) {
            const ASN1_UTF8STRING* teil = sk_ASN1_UTF8STRING_value(text, i);
            texte << QString::fromUtf8(reinterpret_cast<const char*>(ASN1_STRING_get0_data(teil)),
                                       ASN1_STRING_length(teil));
        }
    return texte.isEmpty() ? QString() : QStringLiteral(" („%1“)").arg(texte.join(QStringLiteral(", ")));
}

Antwort antwortLesen(const QByteArray& antwort)
{
    const auto* anfang = reinterpret_cast<const unsigned char*>(antwort.constData());
    const unsigned char* stelle = anfang;
    Antwort gelesen(d2i_TS_RESP(nullptr, &stelle, antwort.size()));
    ERR_clear_error();
    if (!gelesen || stelle != anfang + antwort.size())
        throw fehler(QStringLiteral("die Antwort ist keine Zeitstempel-Antwort."));
    return gelesen;
}

QByteArray tokenDer(PKCS7* token)
{
    const QByteArray der = derBytes(token, i2d_PKCS7);
    if (der.isEmpty())
        throw fehler(QStringLiteral("der Zeitstempel der Antwort lässt sich nicht lesen."));
    return der;
}

} // namespace

Zeitstempelanfrage::Zeitstempelanfrage(const QByteArray& pruefwert)
    : nonce_(zufallsnonce()), der_(anfrageDer(pruefwert, nonce_.get()))
{
}

QByteArray Zeitstempelanfrage::token(const QByteArray& antwort) const
{
    const Antwort gelesen = antwortLesen(antwort);
    TS_STATUS_INFO* status = TS_RESP_get_status_info(gelesen.get());
    const long wert = ASN1_INTEGER_get(TS_STATUS_INFO_get0_status(status));
    if (wert != gewaehrt && wert != mitAenderungen)
        throw fehler(QStringLiteral("der Dienst hat die Anfrage abgelehnt%1.").arg(statustext(status)));
    PKCS7* token = TS_RESP_get_token(gelesen.get());
    TS_TST_INFO* info = TS_RESP_get_tst_info(gelesen.get());
    if (!token || !info)
        throw fehler(QStringLiteral("die Antwort enthält keinen Zeitstempel."));
    const ASN1_INTEGER* nonce = TS_TST_INFO_get_nonce(info);
    if (!nonce || ASN1_INTEGER_cmp(nonce, nonce_.get()) != 0)
        throw fehler(QStringLiteral("die Antwort gehört nicht zu dieser Anfrage (Nonce)."));
    return tokenDer(token);
}
