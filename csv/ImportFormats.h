#pragma once

#include "csv/CsvTable.h"
#include "csv/ImportPlan.h"

// Reads the records of one file into the plan: the file's format is
// told from its content (its header row or its sections, never its name),
// each row becomes a record of a ledger or a problem with its line number.
// A text that cannot be read at all sets the plan's refusal.
void ReadImportText(int source, const CsvTable& records, const ImportOptions& options,
                    ImportPlan& plan);

// The text of a car-file row that a column holds; nullptr for numbers,
// dates, the current-car mark and a profile or purchase the row does not have.
QString* CarFileText(ImportCarRow& car, const CarFileColumn& column);
