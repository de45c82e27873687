#pragma once
// Tells the shell once that associations changed when a command's registry work ends, also
// when an error stopped it half-way: what was written before the error stays written.

#include "ui/system/ShellNotify.h"

class NotifyWhenDone {
public:
    NotifyWhenDone() = default;
    ~NotifyWhenDone() { NotifyAssociationsChanged(); }
    NotifyWhenDone(const NotifyWhenDone&) = delete;
    NotifyWhenDone& operator=(const NotifyWhenDone&) = delete;
};
