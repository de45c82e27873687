#pragma once
// The error the registry access layer raises: one of its four texts, with the name of the
// key or value it concerns.

#include "base/Exception.h"

class ERegistryException : public Exception {
public:
    using Exception::Exception;
};
