#pragma once
// New ORT and conversion: turn the chosen ORT type into a working ORT in the
// page controls. The secured partition always goes first; a partition whose
// current Partition_Version is 99 is skipped. The main window brings itself
// up to date afterwards (menus, visibility, labels, tooltips).

#include <QString>
#include <exception>

class Page_Set;

namespace modVerConv {

// Factory defaults of both partitions into the controls. Writes no report.
void New_ORT(Page_Set& pages);

// Creates the conversion report with its header, converts the secured and
// then the user partition from the loaded generation into the current one,
// and closes the report. The report is closed on every path; a failure
// passes to the caller.
void Convert_ORT(Page_Set& pages);

// The number and description a failed New, Convert or load is reported
// with, and the text of that box: "Unknown Error in " + procedure + ": #" +
// number + ", " + description.
int Error_Number(const std::exception& error);
QString Error_Description(const std::exception& error);
QString Unknown_Error_Text(const QString& procedure, const std::exception& error);

} // namespace modVerConv
