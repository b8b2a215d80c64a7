#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <optional>

// The export and import without a window, for scripts and scheduled runs:
//   orvyn --export FOLDER [--car NAME]
//   orvyn --import FILE|FOLDER [--car NAME] [--ledger KIND] [--dry-run] ...
//   orvyn --help
// The run holds the single-instance lock of the data folder, asks for the
// start-up password on the terminal when one is set (unless "/nopassword"),
// prints the preview and the outcome, and answers 0 on success, 1 on any
// refusal.

struct CsvCommandIo
{
    QTextStream& out;
    QTextStream& err;
    // Shows the prompt and reads a password; no answer at the end of input.
    std::function<std::optional<QString>(const QString& prompt)> readPassword;
};

// Whether the arguments (without the program name) ask for a run without a window.
bool IsCsvCommand(const QStringList& arguments);
int RunCsvCommand(const QStringList& arguments, CsvCommandIo& io);

// Reads a line from standard input with the terminal's echo off (when it is
// a terminal), after writing the prompt to standard error.
std::optional<QString> ReadTerminalPassword(const QString& prompt);

QString CsvCommandHelp();
