#pragma once

#include <QCheckBox>
#include <QLineEdit>
#include <QWidget>
#include <array>
#include <optional>

#include "base/prompter.h"
#include "storage/law_limits.h"

namespace tabrel {

// The options page "Kontrola czasu pracy": each rule of the working-time check switched on or
// off with its limit, and whether a drop that breaks one asks first.
class LawLimitsPage : public QWidget {
public:
    explicit LawLimitsPage(QWidget* parent = nullptr);

    void show_limits(const LawLimits& limits);
    // The limits as the controls hold them; nothing, and the user told why, when a limit is no
    // time or a day's work is set past 24:00.
    std::optional<LawLimits> limits(Prompter& prompter) const;

private:
    struct Row {
        QCheckBox* on;
        QLineEdit* limit;  // none for the rule without a limit
    };
    std::array<Row, 6> rows;
    QCheckBox* cb_LawAskAfterDrop;
};

}  // namespace tabrel
