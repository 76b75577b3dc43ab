#pragma once
#include "platform/runtime_error.h"

namespace zolk::jet {

// Raised when a database server cannot be reached (no answer within the connection timeout, a
// refused connection or credentials, no such database): what the user can put right by
// pointing at the right server, unlike a database that is there but damaged.
class ServerUnreachable : public platform::RuntimeError {
public:
    using platform::RuntimeError::RuntimeError;
};

}  // namespace zolk::jet
