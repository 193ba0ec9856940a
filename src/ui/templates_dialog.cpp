#include "templates_dialog.h"

#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "editing/worker_editor.h"
#include "i18n/cp1250.h"
#include "i18n/format_text.h"
#include "i18n/text.h"
#include "printouts/template_error.h"
#include "qt_text.h"
#include "template_list_delegate.h"

namespace fs = std::filesystem;

namespace tabrel {

namespace {

QPushButton* button(const char* caption, const char* name, QWidget* parent) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);  // Enter belongs to the search box and the list
    return b;
}

bool is_enter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

TemplatesDialog::TemplatesDialog(AppState& app, Printouts& printouts, WindowLists lists,
                                 Printouts::Opener editor, QWidget* parent)
    : QDialog(parent),
      app_(app),
      printouts_(printouts),
      lists_(std::move(lists)),
      editor_(std::move(editor)) {
    setObjectName(QStringLiteral("f_Templates"));
    setWindowTitle(QString::fromUtf8("Szablony dokumentów"));
    setModal(true);
    resize(460, 420);

    auto* search_label = new QLabel(QStringLiteral("Szukaj: "), this);
    search_label->setObjectName(QStringLiteral("l_Search"));
    e_Search = new QLineEdit(this);
    e_Search->setObjectName(QStringLiteral("e_Search"));
    search_label->setBuddy(e_Search);
    lb_Templates = new QListWidget(this);
    lb_Templates->setObjectName(QStringLiteral("lb_Templates"));
    lb_Templates->setItemDelegate(new TemplateListDelegate(lb_Templates));
    auto* create = button("Utwórz", "sb_Create", this);
    auto* edit = button("Edytuj", "sb_TemplateEdit", this);
    edit->setToolTip(QStringLiteral("Edytuj wzorzec dokumentu"));
    auto* cancel = button("Anuluj", "sb_Cancel", this);
    status_bar = new QStatusBar(this);
    status_bar->setObjectName(QStringLiteral("StatusBar"));
    status_bar->setSizeGripEnabled(false);

    auto* search_row = new QHBoxLayout;
    search_row->addWidget(search_label);
    search_row->addWidget(e_Search, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(edit);
    buttons->addStretch(1);
    buttons->addWidget(create);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(search_row);
    layout->addWidget(lb_Templates, 1);
    layout->addLayout(buttons);
    layout->addWidget(status_bar);

    e_Search->installEventFilter(this);
    lb_Templates->installEventFilter(this);
    connect(e_Search, &QLineEdit::textChanged, this, &TemplatesDialog::fill_list);
    connect(lb_Templates, &QListWidget::currentRowChanged, this, &TemplatesDialog::show_path);
    connect(lb_Templates, &QListWidget::itemDoubleClicked, this, &TemplatesDialog::sb_CreateClick);
    connect(create, &QPushButton::clicked, this, &TemplatesDialog::sb_CreateClick);
    connect(edit, &QPushButton::clicked, this, &TemplatesDialog::sb_TemplateEditClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TemplatesDialog::run() {
    GenerationContext ctx(app_.roster(), app_.options(), app_.locale(), app_.clock());
    if (!worker_listed(ctx)) return;
    exec();
}

// Printouts are about workers: without one listed in the main window there is nothing to
// fill them with.
bool TemplatesDialog::worker_listed(GenerationContext& ctx) const {
    lists_(ctx);
    const Roster& roster = app_.roster();
    if (!roster.groups.empty() && !roster.workers.empty() && !ctx.worker_list.empty()) return true;
    app_.prompter().inform(worker_need_message());
    return false;
}

void TemplatesDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    refresh();
    if (last_row_ >= 0 && last_row_ < lb_Templates->count()) lb_Templates->setCurrentRow(last_row_);
    e_Search->setFocus();
}

void TemplatesDialog::refresh() {
    catalogue_.clear();
    try {
        ZnajdzPliki(app_.folders().work / "templates", "*.wzr", catalogue_);
    } catch (const TemplateError& e) {
        app_.prompter().error(e.what());
    }
    fill_list();
}

void TemplatesDialog::fill_list() {
    lb_Templates->clear();
    status_bar->clearMessage();
    // A text cp1250 cannot hold is in no title.
    const auto text = utf8_to_cp1250(e_Search->text().toStdString());
    if (!text) return;
    for (size_t position : search_templates(catalogue_, *text)) {
        const TemplateInfo& info = catalogue_[position];
        auto* item = new QListWidgetItem(qt_text(info.title), lb_Templates);
        item->setData(Qt::UserRole, static_cast<int>(position));
        item->setData(TemplateListDelegate::kTypeRole, qt_text(info.extension));
    }
    if (lb_Templates->count() > 0) lb_Templates->setCurrentRow(0);
}

const TemplateInfo* TemplatesDialog::selected() const {
    const QListWidgetItem* item = lb_Templates->currentItem();
    if (!item) return nullptr;
    const int position = item->data(Qt::UserRole).toInt();
    return position >= 0 && position < static_cast<int>(catalogue_.size()) ? &catalogue_[position]
                                                                           : nullptr;
}

void TemplatesDialog::show_path(int row) {
    const TemplateInfo* info = row >= 0 ? selected() : nullptr;
    if (info)
        status_bar->showMessage(QFile::decodeName(info->path.string().c_str()));
    else
        status_bar->clearMessage();
}

// Up and Right go back, Down and Left forward, wrapping round; to the ends with Ctrl.
void TemplatesDialog::select_step(int key, bool to_end) {
    const int count = lb_Templates->count();
    if (count == 0) return;
    const bool back = key == Qt::Key_Up || key == Qt::Key_Right;
    const int row = lb_Templates->currentRow();
    int next = back ? (row <= 0 ? count - 1 : row - 1) : (row + 1) % count;
    if (to_end) next = back ? 0 : count - 1;
    lb_Templates->setCurrentRow(next);
}

bool TemplatesDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool ctrl = key->modifiers() & Qt::ControlModifier;
    const int k = key->key();
    if (watched == e_Search &&
        (k == Qt::Key_Up || k == Qt::Key_Down || k == Qt::Key_Left || k == Qt::Key_Right)) {
        select_step(k, ctrl);
        return true;
    }
    if (is_enter(k)) {
        ctrl ? sb_TemplateEditClick() : sb_CreateClick();
        return true;
    }
    if (k == Qt::Key_Escape) {
        reject();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TemplatesDialog::sb_CreateClick() {
    const TemplateInfo* info = selected();
    if (!info) return;
    const int row = lb_Templates->currentRow();
    generate(info->path);
    last_row_ = row;
}

bool TemplatesDialog::generate(const fs::path& path) {
    GenerationContext ctx(app_.roster(), app_.options(), app_.locale(), app_.clock());
    if (!worker_listed(ctx)) return false;
    const GenerationResult result = printouts_.generuj(path, ctx);
    if (!result.error.empty()) app_.prompter().error(result.error);
    return result.written;
}

void TemplatesDialog::sb_TemplateEditClick() {
    const TemplateInfo* info = selected();
    if (!info || info->path.string().size() <= 1) return;
    const std::string question = format_text(
        tabrel::tr("msg_DocumentTemplateEditQuestion",
                   "Do edycji wybrano wzorzec: %sWprowadzone zmiany będą miały wpływ %sna wygląd "
                   "generowanych dokumentów. %sCzy napewno przejść do edycji wzorca?"),
        {info->title + "\r\r", "\r", "\r\r"});
    if (app_.prompter().ask(question) && editor_) editor_(info->path);
}

}  // namespace tabrel
