#include "store/ui/DbErrorDisplay.h"

#include "store/DbError.h"

void ShowDbError(IPrompt& prompt, const QSqlError& error) {
    prompt.message(DbErrorText(error),
                   IsStoreRefusal(error) ? IPrompt::Icon::Warning : IPrompt::Icon::Error);
}
