#pragma once

#include "csv/CsvTable.h"
#include "csv/ImportPlan.h"

// The files of other car-cost programs and generic CSV files, read into the
// plan (docs/csv-formats.md describes the layouts and how they map). Each
// reader answers false when the records are not its format.

// LubeLogger's CSV exports: fuel, service/repair/upgrade, tax, odometer and
// supply records, told apart by their header names.
bool ReadLubeLogger(int source, const CsvTable& records, const ImportOptions& options,
                    ImportPlan& plan);
// Fuelio's sectioned backup: "## Vehicle", "## Log", "## CostCategories", "## Costs".
bool ReadFuelio(int source, const CsvTable& records, const ImportOptions& options,
                ImportPlan& plan);
// Any other CSV file with a header row: its columns mapped to ledger fields
// by the user (guessed from the header names until then).
void ReadGeneric(int source, const CsvTable& records, const ImportOptions& options,
                 ImportPlan& plan);
