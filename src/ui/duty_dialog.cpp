#include "duty_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "editing/duty_form.h"
#include "i18n/text.h"
#include "language_applier.h"
#include "ok_cancel_box.h"
#include "qt_text.h"
#include "time_field.h"
#include "typed_text.h"

namespace tabrel {

namespace {

// A note lives in a field of a line file: the separator and line breaks would split it.
constexpr char kNoteRefused[] = "\xA4\r\n";
// The bar moves in quarters of an hour; dragging it reaches every minute.
constexpr int kBarStep = 15;

QLabel* named_label(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QString text(std::string_view key, std::string_view polish) {
    return qt_text(tr(key, polish));
}

// The focus leaves for another control of the dialog, not for a message box or another window.
bool left_within_dialog(const QEvent* event) {
    if (event->type() != QEvent::FocusOut) return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

}  // namespace

DutyDialog::DutyDialog(Prompter& prompter, QWidget* parent)
    : QDialog(parent),
      l_prac_idx(named_label("l_prac_idx", this)),
      l_DateValue(named_label("l_DateValue", this)),
      rg_DutyType(new QGroupBox(this)),
      duty_types(new QButtonGroup(this)),
      me_Time(time_field("me_Time", kClockMask, this)),
      me_DutyFrom(time_field("me_DutyFrom", kClockMask, this)),
      me_DutyTo(time_field("me_DutyTo", kClockMask, this)),
      me_DutyOvertime(time_field("me_DutyOvertime", kSignedMask, this)),
      pb_DutyFrom(named_label("pb_DutyFrom", this)),
      pb_ShiftLength(new QScrollBar(Qt::Horizontal, this)),
      pb_DutyTo(named_label("pb_DutyTo", this)),
      e_Note(new QLineEdit(this)),
      cb_DutyOnRequest(new QCheckBox(text("cb_DutyOnRequest", "Na życzenie"), this)),
      prompter_(prompter) {
    QDialogButtonBox* buttons = ok_cancel_box(this);
    setObjectName(QStringLiteral("Tf_DutyAdd"));
    setWindowTitle(text("Tf_DutyAdd", "Dodaj/Edytuj dyżur"));
    rg_DutyType->setObjectName(QStringLiteral("rg_DutyType"));
    // Its title is the duty's length, which the dialog computes; a language file leaves it be.
    rg_DutyType->setProperty(kTagProperty, kSkippedTag);
    pb_ShiftLength->setObjectName(QStringLiteral("pb_ShiftLength"));
    pb_ShiftLength->setSingleStep(kBarStep);
    e_Note->setObjectName(QStringLiteral("e_Note"));
    e_Note->setMaxLength(static_cast<int>(kDutyNoteLength));
    cb_DutyOnRequest->setObjectName(QStringLiteral("cb_DutyOnRequest"));
    build_layout(buttons);

    guard_typed_text(e_Note, prompter_, kNoteRefused);
    for (QLineEdit* field : {me_Time, me_DutyFrom, me_DutyTo, me_DutyOvertime})
        field->installEventFilter(this);
    connect(duty_types, &QButtonGroup::idClicked, this, &DutyDialog::rg_DutyTypeClick);
    connect(pb_ShiftLength, &QScrollBar::valueChanged, this, &DutyDialog::pb_ShiftLengthScroll);
    connect(buttons->button(QDialogButtonBox::Ok), &QPushButton::clicked, this,
            &DutyDialog::sb_OkClick);
    connect(buttons->button(QDialogButtonBox::Cancel), &QPushButton::clicked, this,
            &QDialog::reject);
}

void DutyDialog::build_layout(QDialogButtonBox* buttons) {
    const char* const types[][2] = {{"rb_DutyType0", "\"8\""},
                                    {"rb_DutyType1", "Całą zmianę"},
                                    {"rb_DutyType2", "Dopracowanie"},
                                    {"rb_DutyType3", "Inny [godz.]: "}};
    auto* type_grid = new QGridLayout(rg_DutyType);
    for (int id = 0; id < 4; ++id) {
        auto* button = new QRadioButton(text(types[id][0], types[id][1]), rg_DutyType);
        button->setObjectName(QString::fromLatin1(types[id][0]));
        duty_types->addButton(button, id);
        type_grid->addWidget(button, id, 0);
    }
    type_grid->addWidget(me_Time, 3, 1);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(text("l_prac", "Pracownik:"), this), 0, 0);
    fields->addWidget(l_prac_idx, 0, 1, 1, 3);
    fields->addWidget(new QLabel(text("l_Date", "Data:"), this), 1, 0);
    fields->addWidget(l_DateValue, 1, 1, 1, 3);
    fields->addWidget(new QLabel(text("l_DutyFrom", "Od:"), this), 2, 0);
    fields->addWidget(me_DutyFrom, 2, 1);
    fields->addWidget(new QLabel(text("l_DutyTo", "Do:"), this), 2, 2);
    fields->addWidget(me_DutyTo, 2, 3);
    fields->addWidget(new QLabel(text("l_DutyOvertime", "Nadgodziny:"), this), 3, 0);
    fields->addWidget(me_DutyOvertime, 3, 1);

    auto* bar = new QHBoxLayout;
    bar->addWidget(pb_DutyFrom);
    bar->addWidget(pb_ShiftLength, 1);
    bar->addWidget(pb_DutyTo);

    auto* note = new QHBoxLayout;
    note->addWidget(new QLabel(text("l_Note", "Notatka:"), this));
    note->addWidget(e_Note, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rg_DutyType);
    layout->addLayout(fields);
    layout->addLayout(bar);
    layout->addLayout(note);
    layout->addWidget(cb_DutyOnRequest);
    layout->addWidget(buttons);
}

void DutyDialog::show(DutyForm& form) {
    load(form);
    exec();
    form_ = nullptr;
}

void DutyDialog::load(DutyForm& form) {
    form_ = &form;
    l_prac_idx->setText(qt_text(form.l_prac_idx()));
    l_DateValue->setText(qt_text(form.l_DateValue()));
    pb_DutyFrom->setText(qt_text(form.from_caption()));
    pb_DutyTo->setText(qt_text(form.to_caption()));
    show_time(*me_Time, form.other_length(), false);
    show_time(*me_DutyOvertime, form.overtime(), false);
    e_Note->setText(qt_text(form.note()));
    cb_DutyOnRequest->setChecked(form.on_request());
    mirror();
    QAbstractButton* chosen = duty_types->checkedButton();
    (chosen ? chosen : duty_types->button(0))->setFocus();
}

// The fields the form derives: the type, the caption, start and end, and the bar.
void DutyDialog::mirror() {
    mirror_type();
    rg_DutyType->setTitle(qt_text(form_->caption()));
    show_time(*me_DutyFrom, form_->start(), true);
    show_time(*me_DutyTo, form_->end(), true);
    mirror_bar();
}

void DutyDialog::mirror_type() {
    if (const std::optional<DutyType> type = form_->type()) {
        duty_types->button(static_cast<int>(*type))->setChecked(true);
        return;
    }
    duty_types->setExclusive(false);
    for (QAbstractButton* button : duty_types->buttons()) button->setChecked(false);
    duty_types->setExclusive(true);
}

void DutyDialog::mirror_bar() {
    const DutyBar& bar = form_->bar();
    const QSignalBlocker quiet(pb_ShiftLength);
    pb_ShiftLength->setEnabled(bar.enabled);
    pb_ShiftLength->setToolTip(bar.enabled ? qt_text(bar.hint) : QString());
    if (!bar.enabled) return;
    pb_ShiftLength->setRange(0, std::max(bar.max + 1 - bar.page, 0));
    pb_ShiftLength->setPageStep(bar.page);
    pb_ShiftLength->setValue(bar.position);
}

bool DutyDialog::eventFilter(QObject* watched, QEvent* event) {
    if (form_ && watched == me_Time && event->type() == QEvent::FocusIn) {
        form_->enter_other_length();
        mirror();
    }
    if (form_ && isVisible() && left_within_dialog(event)) leave_field(watched);
    return QDialog::eventFilter(watched, event);
}

// The exit rule of a time field. A text that is not a time is reported and the field shows
// the form's value again; false then.
bool DutyDialog::leave_field(QObject* field) {
    std::optional<TimeValue> time;
    if (field == me_Time) {
        if ((time = read_time(*me_Time, prompter_))) form_->leave_other_length(*time);
        show_time(*me_Time, form_->other_length(), false);
    } else if (field == me_DutyFrom) {
        if ((time = read_clock(*me_DutyFrom, prompter_))) form_->set_start(*time);
    } else if (field == me_DutyTo) {
        if ((time = read_clock(*me_DutyTo, prompter_))) form_->end_edited(*time);
        show_time(*me_Time, form_->other_length(), false);
    } else if (field == me_DutyOvertime) {
        if ((time = read_time(*me_DutyOvertime, prompter_))) form_->set_overtime(*time);
        show_time(*me_DutyOvertime, form_->overtime(), false);
    } else {
        return true;
    }
    mirror();
    return time.has_value();
}

// Enter in a field takes its value as leaving it would.
bool DutyDialog::leave_focused_field() {
    return leave_field(focusWidget());
}

void DutyDialog::rg_DutyTypeClick(int id) {
    form_->choose_type(static_cast<DutyType>(id));
    mirror();
}

void DutyDialog::pb_ShiftLengthScroll(int position) {
    form_->scroll_bar(position);
    mirror();
}

void DutyDialog::sb_OkClick() {
    if (!leave_focused_field()) return;
    form_->set_note(typed_cp1250(e_Note->text(), kNoteRefused).value_or(std::string()));
    form_->set_on_request(cb_DutyOnRequest->isChecked());
    if (form_->ok() == DutyForm::Outcome::Closed) accept();
}

}  // namespace tabrel
