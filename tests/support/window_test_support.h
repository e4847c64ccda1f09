// What every window test program needs: a message pump for the test's own
// thread, and every modal interaction that no test answers reported as a failure
// (linking window_test_support.cpp installs that for the whole program).
#pragma once

// Handles what is queued, without waiting. A quit message (posted when a main
// window goes) is dropped: the next test's loops must not see it.
void PumpWaitingMessages();
