#include "app/PasswordGate.h"

#include "platform/Profile.h"
#include "settings/DlgLogin.h"
#include "settings/PasswordScramble.h"

bool RunPasswordGate(const std::function<int(CDlgLogin&)>& run)
{
    const std::optional<QString> stored =
        platform::ReadProfileString(QStringLiteral("User"), QStringLiteral("Pin"));
    if (stored && stored->isEmpty())
        return true;
    CDlgLogin dialog;
    // A stored value that is not a text cannot be unscrambled: then no typed
    // password opens the ledger ("/nopassword" still does).
    if (stored)
        dialog.setExpectedPassword(UnscramblePassword(*stored));
    const int result = run ? run(dialog) : dialog.exec();
    return result == QDialog::Accepted;
}
