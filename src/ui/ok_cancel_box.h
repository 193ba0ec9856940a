#pragma once

#include <QDialogButtonBox>

namespace tabrel {

// The dialogs' "OK" (sb_Ok, the default button) and "Anuluj" (sb_Cancel). Their clicks are
// the dialog's to connect: OK may keep the dialog open.
QDialogButtonBox* ok_cancel_box(QWidget* parent);

}  // namespace tabrel
