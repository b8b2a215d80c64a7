#pragma once

#include <QString>
#include <functional>

class CDlgLogin;

struct GateOutcome
{
    bool open = false; // start-up goes on
    QString ledgerKey; // the key the ledger opens with
};

// The start-up login. With the fixed key it runs when a start-up password is
// set (a profile entry "Pin" that is not empty, also one that holds no
// readable text, or a profile file that cannot be read), and "/nopassword"
// skips it. A ledger keyed with the owner's password is opened only by what
// is typed, and "/nopassword" cannot skip that. The runner shows the dialog
// and returns its result (exec() unless a test drives the dialog itself).
GateOutcome RunPasswordGate(bool noPassword, const std::function<int(CDlgLogin&)>& run = {});
