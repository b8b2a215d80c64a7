#pragma once

#include "csv/ImportPlan.h"

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <optional>

// The export and import without a window, for scripts and scheduled runs:
//   orvyn --export FOLDER [--car NAME]
//   orvyn --import FILE|FOLDER [--car NAME] [--ledger KIND] [--dry-run] ...
// The run holds the single-instance lock of the data folder, asks for the
// start-up password on the terminal when one is set (unless "/nopassword"),
// prints the preview and the outcome, and answers 0 on success, 1 on any
// refusal. Its texts go through QCoreApplication::translate (context
// "CommandLine").

struct CsvCommandIo
{
    QTextStream& out;
    QTextStream& err;
    // Shows the prompt and reads a password; no answer at the end of input.
    std::function<std::optional<QString>(const QString& prompt)> readPassword;
};

// What an export or import is asked to do.
struct CsvRequest
{
    QString exportFolder;
    QStringList importPaths;
    ImportOptions options;
    bool dryRun = false;
    bool skipBadLines = false;
    bool noPassword = false;
    // What is wrong with the arguments, one sentence; empty when nothing is.
    QString mistake;
};

// Whether the arguments (without the program name) name an option of the
// export or import.
bool IsCsvCommand(const QStringList& arguments);
CsvRequest ParseCsvCommand(const QStringList& arguments);
// Runs a request that has no mistake.
int RunCsvCommand(const CsvRequest& request, CsvCommandIo& io);

// Asks for the start-up password on the terminal when one is set (unless
// noPassword); false, after saying why, when it was not given.
bool CommandLinePasswordPassed(bool noPassword, CsvCommandIo& io);

// Reads a line from standard input with the terminal's echo off (when it is
// a terminal), after writing the prompt to standard error.
std::optional<QString> ReadTerminalPassword(const QString& prompt);
