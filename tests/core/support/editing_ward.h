#pragma once

#include "editing/edit_context.h"
#include "support/ward_fixture.h"

namespace tabrel::test {

// A ward with the main window's edit context; the dialogs a drop may open show nothing.
struct EditingWard : Ward {
    struct NoDutyDialog : DutyFormView {
        void show(DutyForm&) override {}
    };
    struct NoDayOffDialog : DayOffFormView {
        void show(DayOffForm&) override {}
    };

    ViewState view;
    NoDutyDialog duty_dialog;
    NoDayOffDialog day_off_dialog;
    EditContext context{roster, options, prompter, view, duty_dialog, day_off_dialog};

    using Ward::Ward;
};

}  // namespace tabrel::test
