#include "db/Sha256.h"

#include "db/DatabaseError.h"

#include <openssl/evp.h>

namespace {

[[noreturn]] void scheitern()
{
    throw DatabaseError(QStringLiteral("SHA-256 ist auf diesem System nicht verfügbar."));
}

} // namespace

Sha256::Sha256() : verfahren_(EVP_MD_fetch(nullptr, "SHA256", nullptr)), zustand_(EVP_MD_CTX_new())
{
    if (!verfahren_ || !zustand_) {
        EVP_MD_free(verfahren_);
        EVP_MD_CTX_free(zustand_);
        scheitern();
    }
}

Sha256::~Sha256()
{
    EVP_MD_CTX_free(zustand_);
    EVP_MD_free(verfahren_);
}

QByteArrayView Sha256::wert(QByteArrayView anfang, QByteArrayView ende)
{
    unsigned int laenge = 0;
    if (EVP_DigestInit_ex2(zustand_, verfahren_, nullptr) != 1 ||
        EVP_DigestUpdate(zustand_, anfang.data(), static_cast<std::size_t>(anfang.size())) != 1 ||
        EVP_DigestUpdate(zustand_, ende.data(), static_cast<std::size_t>(ende.size())) != 1 ||
        EVP_DigestFinal_ex(zustand_, wert_.data(), &laenge) != 1 || laenge != wert_.size())
        scheitern();
    return QByteArrayView(reinterpret_cast<const char*>(wert_.data()), static_cast<qsizetype>(wert_.size()));
}
