#include "cli/PrintJobs.h"
#include "print/MovementReport.h"
#include "print/MovementReportDocument.h"

namespace {

struct GroupingName {
    const char* name;
    MovementGrouping grouping;
};

constexpr GroupingName kGroupings[] = {
    {"category", MovementGrouping::Category},
    {"item", MovementGrouping::Item},
    {"counterpart", MovementGrouping::Counterpart},
    {"department", MovementGrouping::Department},
    {"shelf", MovementGrouping::Shelf},
};

int makeReport(CliContext& c, PrintSource& source, std::unique_ptr<PrintDocument>* document) {
    QDate from, to;
    if (!TakeDayOption(c, QStringLiteral("--from"), &from) ||
        !TakeDayOption(c, QStringLiteral("--to"), &to))
        return ExitUsage;
    if (!from.isValid() || !to.isValid())
        return CliError(c, ExitUsage,
                        QStringLiteral("--from GIORNO e --to GIORNO sono obbligatori."));
    QString group;
    if (!TakeOption(c.args, QStringLiteral("--group"), &group))
        return CliError(c, ExitUsage, QStringLiteral("--group vuole un raggruppamento."));
    MovementReportRequest request;
    request.from = QDateTime(from, QTime(0, 0));
    request.to = QDateTime(to, QTime(0, 0));
    if (!group.isNull()) {
        bool known = false;
        for (const GroupingName& g : kGroupings)
            if (group == QLatin1String(g.name)) {
                request.grouping = g.grouping;
                known = true;
            }
        if (!known)
            return CliError(c, ExitUsage,
                            QStringLiteral("raggruppamento sconosciuto: %1 (category, item, "
                                           "counterpart, department o shelf).")
                                .arg(group));
    }
    const QString refused = MovementReportPeriodError(request.from, request.to);
    if (!refused.isEmpty())
        return CliError(c, ExitUsage, refused);
    QString error;
    std::unique_ptr<MovementReportDocument> report =
        MovementReportDocument::Make(source, request, &error);
    if (!report)
        return CliError(c, ExitFailed, error);
    *document = std::move(report);
    return ExitOk;
}

} // namespace

void AddMovementReportPrintJobs(std::vector<PrintJob>& jobs) {
    jobs.push_back({"report",
                    "--from GIORNO --to GIORNO [--group "
                    "category|item|counterpart|department|shelf]",
                    "situazione movimenti fra due giorni, per categoria, articolo, cliente e "
                    "fornitore, reparto o scaffale",
                    makeReport});
}
