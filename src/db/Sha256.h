#pragma once

#include <QByteArrayView>

#include <array>

struct evp_md_st;
struct evp_md_ctx_st;

// SHA-256 of many short messages, one after the other: the chain check hashes a million rows of a
// few hundred bytes each. OpenSSL uses the processor's SHA instructions where there are any and
// keeps its state between messages; a failure throws DatabaseError.
class Sha256 {
public:
    Sha256();
    ~Sha256();
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    // The value of `anfang` followed by `ende`, valid until the next call.
    QByteArrayView wert(QByteArrayView anfang, QByteArrayView ende);

private:
    evp_md_st* verfahren_ = nullptr;
    evp_md_ctx_st* zustand_ = nullptr;
    std::array<unsigned char, 32> wert_{};
};
