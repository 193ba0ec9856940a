#include "ok_cancel_box.h"

#include <QPushButton>

#include "i18n/text.h"
#include "qt_text.h"

namespace tabrel {

QDialogButtonBox* ok_cancel_box(QWidget* parent) {
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, parent);
    QPushButton* ok = box->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("sb_Ok"));
    ok->setText(qt_text(tr("sb_Ok", "OK")));
    ok->setDefault(true);
    QPushButton* cancel = box->button(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("sb_Cancel"));
    cancel->setText(qt_text(tr("sb_Cancel", "Anuluj")));
    return box;
}

}  // namespace tabrel
