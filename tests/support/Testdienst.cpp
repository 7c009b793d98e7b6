#include "support/Testdienst.h"

#include "logbuch/OptionenStore.h"

namespace testdienst {

QString adresse(const QString& pfad)
{
    const QString basis = qEnvironmentVariable("VARNO_TEST_TSA");
    return basis.isEmpty() ? QString() : basis + pfad;
}

QString ca()
{
    return qEnvironmentVariable("VARNO_TEST_TSA_CA");
}

void einstellen(const QString& pfad)
{
    OptionenStore::zeitstempelungSpeichern({.dienst = adresse(pfad), .zertifikat = ca()});
}

} // namespace testdienst
