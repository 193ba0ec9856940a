#pragma once

#include <QObject>

#include "app/app_state.h"
#include "printouts/printouts.h"

namespace tabrel {

class Tf_MainForm;
class Tf_Templates;

// The main window's printouts: written into "wydruki" in the work folder and opened with the
// desktop, the templates dialog behind a_Templates, and the recent templates on the toolbar.
class WindowPrintouts : public QObject {
    Q_OBJECT
public:
    WindowPrintouts(AppState& app, Tf_MainForm& window);

    Printouts& printouts() { return printouts_; }
    Tf_Templates* dialog() const { return dialog_; }

private:
    Printouts printouts_;
    Tf_Templates* dialog_;
};

}  // namespace tabrel
