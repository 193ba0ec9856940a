#include "archive_progress.h"

#include <QProgressDialog>
#include <algorithm>

namespace tabrel {

namespace {

// Thousandths, so that archives past 2 GB still fit the dialog's range.
int thousandths(uint64_t done, uint64_t total) {
    return total == 0 ? 1000 : static_cast<int>(std::min<uint64_t>(done * 1000 / total, 1000));
}

}  // namespace

ArchiveProgressDialog::ArchiveProgressDialog(QWidget* parent, QString label)
    : parent_(parent), label_(std::move(label)) {}

ArchiveProgressDialog::~ArchiveProgressDialog() = default;

ArchiveProgress ArchiveProgressDialog::callback() {
    return [this](uint64_t done, uint64_t total) { show_progress(done, total); };
}

void ArchiveProgressDialog::show_progress(uint64_t done, uint64_t total) {
    if (!dialog_) {
        dialog_ = std::make_unique<QProgressDialog>(label_, QString(), 0, 1000, parent_);
        dialog_->setWindowTitle(QStringLiteral("Tabrel"));
        dialog_->setWindowModality(Qt::WindowModal);
        dialog_->setMinimumDuration(0);
    }
    // A modal progress dialog lets pending events through as it updates.
    dialog_->setValue(thousandths(done, total));
}

}  // namespace tabrel
