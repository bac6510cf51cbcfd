#include "cli/PrintJobs.h"

void AddMovementReportPrintJobs(std::vector<PrintJob>& /*jobs*/) {}
