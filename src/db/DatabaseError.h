#pragma once

#include "common/VarnoError.h"

// A statement or the connection failed; carries the engine's message.
class DatabaseError : public VarnoError {
public:
    using VarnoError::VarnoError;
};
