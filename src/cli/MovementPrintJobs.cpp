#include "cli/PrintJobs.h"

void AddMovementPrintJobs(std::vector<PrintJob>& /*jobs*/) {}
