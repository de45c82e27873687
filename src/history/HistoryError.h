#pragma once
// A history file that cannot be written or read, or a key whose state cannot be recorded:
// the message says which and why.

#include "base/Exception.h"

class HistoryError : public Exception {
public:
    using Exception::Exception;
};
