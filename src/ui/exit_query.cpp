#include "exit_query.h"

#include "i18n/cp1250.h"
#include "i18n/text.h"

namespace tabrel {

bool query_exit(AppState& app) {
    Prompter& prompter = app.prompter();
    if (!prompter.ask(tr("msg_Exit", "Czy na pewno zamknąć program?"))) return false;
    const bool staff_saved = app.save_staff();
    const bool month_saved = app.save_month();
    if (staff_saved && month_saved) {
        app.save_exit_state();
        return true;
    }
    // What was not written lives only in memory: the user may stay and try again.
    return prompter.ask(cp("Nie udało się zapisać danych. Czy mimo to zamknąć program?"));
}

}  // namespace tabrel
