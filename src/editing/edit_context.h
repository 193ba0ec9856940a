#pragma once

#include "app/prompter.h"
#include "app/view_state.h"
#include "model/roster.h"
#include "storage/options.h"

namespace tabrel {

class DutyForm;
class DayOffForm;

// The duty dialog "Dodaj/Edytuj dyżur": shows the prepared form modally and returns when it is
// closed. The form's own ok() does the insertion, so the window only mirrors its fields.
struct DutyFormView {
    virtual void show(DutyForm& form) = 0;
    virtual ~DutyFormView() = default;
};

// The day-off dialog "Dodaj/Edytuj wolne", likewise.
struct DayOffFormView {
    virtual void show(DayOffForm& form) = 0;
    virtual ~DayOffFormView() = default;
};

// What the grid's edits work on: the roster and the main window's state, the message boxes and
// the two dialogs a drop may open.
struct EditContext {
    Roster& roster;
    const Options& options;
    Prompter& prompter;
    ViewState& view;
    DutyFormView& duty_dialog;
    DayOffFormView& day_off_dialog;
};

}  // namespace tabrel
