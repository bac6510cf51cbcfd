#include "cli/PrintJobs.h"

void AddLabelAndCounterpartPrintJobs(std::vector<PrintJob>& /*jobs*/) {}
