#pragma once

#include <functional>

class CDlgLogin;

// Runs the login dialog when a start-up password is set (a profile entry "Pin"
// that is not empty, also one that holds no readable text, or a profile file
// that cannot be read). True: start-up goes on.
// The runner shows the dialog and returns its result (exec() unless a test
// drives the dialog itself).
bool RunPasswordGate(const std::function<int(CDlgLogin&)>& run = {});
