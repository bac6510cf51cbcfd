#include "cli/PrintJobs.h"

void AddItemPrintJobs(std::vector<PrintJob>& /*jobs*/) {}
