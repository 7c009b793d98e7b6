#pragma once

#include "common/VarnoError.h"

// A statement or the connection failed; carries the engine's message.
class DatabaseError : public VarnoError {
public:
    using VarnoError::VarnoError;
};

// A row would repeat the key of a stored row (a unique index says no).
class DoppelterEintrag : public DatabaseError {
public:
    using DatabaseError::DatabaseError;
};

// A lock another user's transaction holds was not freed within the connection's lock timeout.
class SperreAbgelaufen : public DatabaseError {
public:
    using DatabaseError::DatabaseError;
};
