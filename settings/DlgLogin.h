#pragma once

#include <QDialog>
#include <functional>
#include <optional>

class CHoverButton;
class QLabel;
class QLineEdit;

// The start-up login: one password edit, checked against the expected clear
// password; ten wrong attempts end the dialog with Cancel.
class CDlgLogin : public QDialog
{
    Q_OBJECT
public:
    explicit CDlgLogin(QWidget* parent = nullptr);

    // The clear password; std::nullopt when there is none that can be typed
    // (then every attempt fails).
    void setExpectedPassword(std::optional<QString> password);
    // What a typed password is checked with instead (a ledger keyed with the
    // owner's password: whether it opens the ledger).
    void setChecker(std::function<bool(const QString&)> check) { m_check = std::move(check); }
    // A sentence shown above the password (why no password can be checked).
    void setNotice(const QString& text);
    int attempts() const { return m_attempts; }
    bool errorShown() const { return m_errorShown; }

    QLineEdit* passwordEdit() const { return m_edit; }
    CHoverButton* loginButton() const { return m_login; }

    // Checks the typed password (the "登陆" button and Enter in the edit).
    void OnLogin();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void onTextChanged();

    std::function<bool(const QString&)> m_check;
    int m_attempts = 0;
    bool m_errorShown = false;
    QLineEdit* m_edit;
    CHoverButton* m_login;
    QLabel* m_error;
    QLabel* m_notice;
};
