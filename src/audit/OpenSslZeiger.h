#pragma once

#include <memory>

// OpenSSL's objects freed with their own function however a function ends.
template <typename T, void (*freigeben)(T*)> struct OpenSslFreigabe {
    void operator()(T* objekt) const { freigeben(objekt); }
};
template <typename T, void (*freigeben)(T*)> using OpenSslZeiger = std::unique_ptr<T, OpenSslFreigabe<T, freigeben>>;
