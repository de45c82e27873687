#pragma once
// Message pumping for window tests: the code under test runs on the test's own thread, so
// paints, notifications and posted messages happen only while the test pumps.

#include <functional>

// Dispatches every message waiting for this thread. A quit message is taken and dropped: a
// window under test may post one when it goes, and it must not end a later test's loop.
void PumpMessages();

// Pumps until done() holds, waiting for new messages in between; false when it still does
// not hold after timeoutMs (a guard against a hanging test, not a measurement).
bool PumpUntil(const std::function<bool()>& done, unsigned timeoutMs = 10000);
