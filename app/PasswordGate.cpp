#include "app/PasswordGate.h"

#include "platform/StoredPassword.h"
#include "settings/DlgLogin.h"

bool RunPasswordGate(const std::function<int(CDlgLogin&)>& run)
{
    const StoredPassword stored = ReadStoredPassword();
    if (!stored.set)
        return true;
    CDlgLogin dialog;
    // With no clear password (a stored value that is no text, a profile that
    // cannot be read) no typed password opens the ledger; "/nopassword" still does.
    dialog.setExpectedPassword(stored.clear);
    if (!stored.unreadableFile.isEmpty())
        dialog.setNotice(UnreadableProfileText(stored.unreadableFile));
    const int result = run ? run(dialog) : dialog.exec();
    return result == QDialog::Accepted;
}
