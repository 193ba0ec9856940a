#pragma once

#include <QObject>

#include "app/app_state.h"
#include "printouts/printouts.h"

namespace tabrel {

class MainWindow;
class TemplatesDialog;

// The main window's printouts: written into "wydruki" in the work folder and opened with the
// desktop, the templates dialog behind a_Templates, and the recent templates on the toolbar.
class WindowPrintouts : public QObject {
    Q_OBJECT
public:
    WindowPrintouts(AppState& app, MainWindow& window);

    Printouts& printouts() { return printouts_; }
    TemplatesDialog* dialog() const { return dialog_; }

private:
    Printouts printouts_;
    TemplatesDialog* dialog_;
};

}  // namespace tabrel
