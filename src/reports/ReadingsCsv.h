#pragma once

#include "reports/ReportPeriod.h"

#include <QByteArray>

#include <optional>

// The readings as a CSV file for other programs (RFC 4180, UTF-8, CR LF line
// ends), oldest first:
//
//   date,time,glucose_mg_dl,glucose_mmol_l,meal,valid_date
//   2006-03-05,07:05,123,6.8,C,1
//
// meal is the file's event mark (C, PC or QC). A reading whose date is not a
// calendar date is written as stored (2006-02-30) with valid_date 0; such a
// reading belongs to no period, so it is written only when the whole table is.
namespace ReadingsCsv {

inline constexpr char kHeader[] = "date,time,glucose_mg_dl,glucose_mmol_l,meal,valid_date";

// No period: every reading of the table. The template row of an empty file is none.
QByteArray csv(const ReadingTables &tables, const std::optional<ReportPeriod> &period);

} // namespace ReadingsCsv
