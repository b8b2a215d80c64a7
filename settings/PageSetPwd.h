#pragma once

#include "settings/PropertyPage.h"

#include <optional>

class IWindowRequests;
class LedgerContext;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The settings page that sets, changes and clears the start-up password. A set
// password must be confirmed before it can be replaced or cleared; five wrong
// confirmations close the sheet. Both "应用" and "清除密码" write the profile
// at once, independently of the sheet's OK, Apply and Cancel.
class CPageSetPwd : public CPropertyPage
{
    Q_OBJECT
public:
    // Without a window (a sheet opened before the main window exists) no new
    // password is stored. The context's ledger is re-keyed when the owner
    // chooses to encrypt it with the password (or no longer).
    explicit CPageSetPwd(IWindowRequests* window, LedgerContext* context = nullptr,
                         QWidget* parent = nullptr);

    // Every activation starts afresh: the edits emptied, the stored password
    // read again and the attempts counted from zero.
    bool OnSetActive() override;

    // "确定", or Enter in the old-password edit.
    void OnCheckOldPassword();
    // "应用", or Enter in the confirmation edit.
    void OnSetNewPassword();
    // "清除密码".
    void OnClearPassword();

    int attempts() const { return m_attempts; }
    QLineEdit* oldPasswordEdit() const { return m_oldEdit; }
    QPushButton* checkButton() const { return m_check; }
    QLabel* oldPasswordLabel() const { return m_oldLabel; }
    QPushButton* clearButton() const { return m_clear; }
    QLineEdit* newPasswordEdit() const { return m_newEdit; }
    QLineEdit* confirmEdit() const { return m_confirmEdit; }
    QPushButton* applyButton() const { return m_apply; }
    QCheckBox* encryptBox() const { return m_encrypt; }
    QLabel* hintLabel() const { return m_hintLabel; }

protected:
    // Enter in the three edits: check, next edit, store.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void initialise();
    void setNewPasswordEnabled(bool enabled);
    void showHint(const QString& text);
    void onOldTextChanged();
    void onNewTextChanged();
    void closeSheet();
    // The ledger given key (the fixed key when empty); false, after telling
    // the user, when it could not be re-keyed.
    bool rekeyLedger(const QString& key);
    bool ownerKeyed() const;
    // Stores a new password as chosen: the start-up password of a ledger with
    // the fixed key, or the ledger's own key. False after telling the user.
    bool storeNewPassword(const QString& password);

    IWindowRequests* m_window;
    LedgerContext* m_context;
    // The clear password; std::nullopt when the stored value is no text, which
    // no typed password matches.
    std::optional<QString> m_current;
    bool m_oldErrorShown = false;
    bool m_hintShown = false;
    int m_attempts = 0;

    QLineEdit* m_oldEdit;
    QPushButton* m_check;
    QLabel* m_oldLabel;
    QPushButton* m_clear;
    QLineEdit* m_newEdit;
    QLineEdit* m_confirmEdit;
    QPushButton* m_apply;
    QCheckBox* m_encrypt;
    QLabel* m_hintLabel;
};
