#pragma once

#include <QByteArray>

#include <openssl/crypto.h>

#include <memory>

// OpenSSL's objects freed with their own function however a function ends.
template <typename T, void (*freigeben)(T*)> struct OpenSslFreigabe {
    void operator()(T* objekt) const { freigeben(objekt); }
};
template <typename T, void (*freigeben)(T*)> using OpenSslZeiger = std::unique_ptr<T, OpenSslFreigabe<T, freigeben>>;

// An object's DER bytes through its i2d function; empty when it cannot be encoded.
template <typename T, typename Kodierung> QByteArray derBytes(T* objekt, Kodierung kodieren)
{
    unsigned char* der = nullptr;
    const int laenge = kodieren(objekt, &der);
    if (laenge <= 0)
        return {};
    QByteArray bytes(reinterpret_cast<const char*>(der), laenge);
    OPENSSL_free(der);
    return bytes;
}
