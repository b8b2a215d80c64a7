#pragma once

#include <QString>
#include <optional>

// The start-up password as the profile keeps it: section "User", entry "Pin",
// scrambled (see PasswordScramble.h).
struct StoredPassword
{
    // A password guards start-up: one is stored, or the profile cannot be
    // read, so that one may be.
    bool set = false;
    // The clear password; std::nullopt when no typed text can match (a
    // stored value that is no text, or a profile that cannot be read).
    std::optional<QString> clear;
    // The profile file when it cannot be read; empty otherwise.
    QString unreadableFile;
    // The ledger is keyed with the owner's password (section "User", entry
    // "OwnerKeyed"): only that password opens it. "Pin" is then kept only
    // while the ledger changes from one mode to the other.
    bool ownerKeyed = false;
};

StoredPassword ReadStoredPassword();

// Marks the ledger as keyed with the owner's password, or not. False when the
// profile could not be written.
bool WriteOwnerKeyed(bool on);
// Stores the start-up password of a ledger with the fixed key (empty: none).
bool WriteStartupPassword(const QString& password);

// Says that the profile file cannot be read, so that only "/nopassword"
// starts the program.
QString UnreadableProfileText(const QString& file);
