#pragma once

#include <QDialog>
#include <filesystem>
#include <functional>

#include "app/app_state.h"
#include "printouts/printouts.h"
#include "printouts/template_catalogue.h"

class QLineEdit;
class QListWidget;
class QStatusBar;

namespace tabrel {

// "Szablony dokumentów": the templates of the work folder, searched by title, generated for
// the shown month, the selected worker and the selected day, or opened for editing.
class TemplatesDialog : public QDialog {
    Q_OBJECT
public:
    // Fills the lists and the selection of the main window into a generation's context.
    using WindowLists = std::function<void(GenerationContext&)>;

    // `editor` opens a template file in the desktop's text editor.
    TemplatesDialog(AppState& app, Printouts& printouts, WindowLists lists,
                    Printouts::Opener editor, QWidget* parent);

    // Shows the dialog modally; without a listed worker only msg_WorkerNeed is shown.
    void run();

    // Reads the templates folder again and fills the list for the search text. A header that
    // cannot be read is reported and ends the listing.
    void refresh();

    // Generates the template at `path` and opens the output; a failure is reported. False
    // when nothing was written.
    bool generate(const std::filesystem::path& path);

    const TemplateCatalogue& catalogue() const { return catalogue_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool worker_listed(GenerationContext& ctx) const;
    void fill_list();
    void select_step(int key, bool to_end);
    void show_path(int row);
    void sb_CreateClick();
    void sb_TemplateEditClick();
    const TemplateInfo* selected() const;

    AppState& app_;
    Printouts& printouts_;
    WindowLists lists_;
    Printouts::Opener editor_;
    QLineEdit* e_Search = nullptr;
    QListWidget* lb_Templates = nullptr;
    QStatusBar* status_bar = nullptr;
    TemplateCatalogue catalogue_;
    int last_row_ = -1;  // the row generated last, selected again on the next showing
};

}  // namespace tabrel
