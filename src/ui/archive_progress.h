#pragma once

#include <QString>
#include <memory>

#include "storage/archive.h"

class QProgressDialog;
class QWidget;

namespace tabrel {

// A progress dialog for a long archive operation, shown at the first block and closed with
// the object.
class ArchiveProgressDialog {
public:
    ArchiveProgressDialog(QWidget* parent, QString label);
    ~ArchiveProgressDialog();

    // The callback to hand to the archive operation.
    ArchiveProgress callback();

private:
    void show_progress(uint64_t done, uint64_t total);

    QWidget* parent_;
    QString label_;
    std::unique_ptr<QProgressDialog> dialog_;
};

}  // namespace tabrel
