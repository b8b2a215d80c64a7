#include "app/PasswordGate.h"

#include "database/LedgerFile.h"
#include "database/MyDatabase.h"
#include "platform/Folders.h"
#include "platform/StoredPassword.h"
#include "settings/DlgLogin.h"

#include <QCoreApplication>

GateOutcome RunPasswordGate(bool noPassword, const std::function<int(CDlgLogin&)>& run)
{
    const StoredPassword stored = ReadStoredPassword();
    GateOutcome outcome{true, CMyDatabase::kDatabasePassword};
    const QString ledger = platform::DatabasePath();
    if (stored.ownerKeyed && !QFileInfo::exists(ledger)) {
        // Nothing is left to open: a new ledger gets the fixed key.
        WriteOwnerKeyed(false);
        return outcome;
    }
    if (!stored.ownerKeyed && (noPassword || !stored.set))
        return outcome;
    CDlgLogin dialog;
    if (!stored.ownerKeyed) {
        // With no clear password (a stored value that is no text, a profile that
        // cannot be read) no typed password opens the ledger; "/nopassword" still does.
        dialog.setExpectedPassword(stored.clear);
        if (!stored.unreadableFile.isEmpty())
            dialog.setNotice(UnreadableProfileText(stored.unreadableFile));
    } else {
        if (noPassword)
            dialog.setNotice(QCoreApplication::translate(
                "PasswordGate", "账本已用密码加密，只有密码能打开它：/nopassword 不能跳过密码。"));
        dialog.setChecker([&](const QString& typed) {
            const QString key = OwnerLedgerKeyFor(
                ledger, typed, !stored.set || (stored.clear && typed == *stored.clear));
            if (!key.isEmpty())
                outcome.ledgerKey = key;
            return !key.isEmpty();
        });
    }
    outcome.open = (run ? run(dialog) : dialog.exec()) == QDialog::Accepted;
    // Once the ledger opens with the owner's password, a start-up password
    // kept from a change of mode that ended early is no longer needed.
    if (outcome.open && stored.ownerKeyed && outcome.ledgerKey != CMyDatabase::kDatabasePassword &&
        stored.set)
        WriteStartupPassword(QString());
    return outcome;
}
