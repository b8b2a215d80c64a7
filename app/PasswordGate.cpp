#include "app/PasswordGate.h"

#include "platform/Profile.h"
#include "settings/DlgLogin.h"
#include "settings/PasswordScramble.h"

bool RunPasswordGate(const std::function<int(CDlgLogin&)>& run)
{
    const QString stored =
        platform::GetProfileString(QStringLiteral("User"), QStringLiteral("Pin"));
    if (stored.isEmpty())
        return true;
    CDlgLogin dialog;
    dialog.setExpectedPassword(UnscramblePassword(stored));
    const int result = run ? run(dialog) : dialog.exec();
    return result == QDialog::Accepted;
}
