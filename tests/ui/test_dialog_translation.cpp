#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "app/app_state.h"
#include "find_widget.h"
#include "group_dialog.h"
#include "language_applier.h"
#include "program_fixture.h"
#include "storage/language_file.h"
#include "support/test_support.h"
#include "worker_dialog.h"

using namespace tabrel;
using tabrel::test::Program;
using tabrel::test::widget;

namespace {

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

LanguageFile shipped(const char* name) {
    const auto file = LanguageFile::load(std::string(TABREL_TEST_DATA "/../../lang/") + name);
    if (!file) qFatal("language file not found");
    return *file;
}

// Every text a reader sees on the window: its title, tabs, captions, items and hints. A value
// read from the file loses its trailing blanks, so they are not compared.
QStringList visible_texts(QWidget* window) {
    QStringList texts{window->windowTitle()};
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>())
        for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
    for (QWidget* w : window->findChildren<QWidget*>()) {
        QString line = w->objectName() + QLatin1Char('|') + w->toolTip() + QLatin1Char('|');
        if (auto* b = qobject_cast<QAbstractButton*>(w)) line += b->text();
        if (auto* l = qobject_cast<QLabel*>(w)) line += l->text();
        if (auto* g = qobject_cast<QGroupBox*>(w)) line += g->title();
        if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i) line += c->itemText(i) + QLatin1Char('\n');
        texts << line.trimmed();
    }
    return texts;
}

QRadioButton* radio(QWidget* box, int index) {
    return box->findChildren<QRadioButton*>().at(index);
}

}  // namespace

class TestDialogTranslation : public QObject {
    Q_OBJECT
private slots:
    void group_editor_in_english() {
        Program p;
        GroupDialog dialog{p.app};
        apply_language(shipped("english.lng"), &dialog);
        QCOMPARE(dialog.windowTitle(), u("Add/Edit group"));
        QCOMPARE(widget<QCheckBox>(dialog, "cb_WithoutHolidays")->text(), u("No holidays"));
        QCOMPARE(widget<QPushButton>(dialog, "sb_Cancel")->text(), u("Cancel"));
        QCOMPARE(widget<QToolButton>(dialog, "tb_ShiftAdd")->toolTip(),
                 u("Add a shift at the end"));
        auto* algorithms = dialog.findChild<QGroupBox*>(QStringLiteral("rg_Algorithms"));
        QCOMPARE(algorithms->title(), u("Algorithm"));
        QCOMPARE(radio(algorithms, 1)->text(), u("Algorithm 2"));
        auto* residue = dialog.findChild<QGroupBox*>(QStringLiteral("rg_NormaResidueDistribution"));
        QCOMPARE(radio(residue, 2)->text(), u("Never"));
    }

    void worker_editor_in_english() {
        Program p;
        WorkerDialog dialog{p.app};
        apply_language(shipped("english.lng"), &dialog);
        QCOMPARE(dialog.windowTitle(), u("Add/Edit worker"));
        QCOMPARE(widget<QRadioButton>(dialog, "rb_WithoutAuto")->text(), u("Do not schedule"));
        QCOMPARE(widget<QCheckBox>(dialog, "cb_wn_Norma")->text(), u("Monthly norm:"));
        QCOMPARE(widget<QPushButton>(dialog, "sb_Cancel")->text(), u("Cancel"));
        QCOMPARE(widget<QLineEdit>(dialog, "e_Nick")->toolTip(),
                 u("The short name appears on the duties and days off being added"));
    }

    void polish_file_changes_nothing() {
        Program p;
        GroupDialog group{p.app};
        WorkerDialog worker{p.app};
        for (QWidget* window : std::initializer_list<QWidget*>{&group, &worker}) {
            const QStringList built = visible_texts(window);
            apply_language(shipped("polski.lng"), window);
            QCOMPARE(visible_texts(window), built);
        }
        QCOMPARE(group.windowTitle(), u("Dodaj/Edytuj grupę"));
        QCOMPARE(widget<QRadioButton>(worker, "rb_Auto8")->text(),
                 u("Dyżury \"8\" na zmianie nr:"));
    }

    void polish_after_english_restores_the_captions() {
        Program p;
        GroupDialog dialog{p.app};
        const QStringList built = visible_texts(&dialog);
        apply_language(shipped("english.lng"), &dialog);
        QVERIFY(visible_texts(&dialog) != built);
        apply_language(shipped("polski.lng"), &dialog);
        QCOMPARE(widget<QCheckBox>(dialog, "cb_WithoutHolidays")->text(), u("Bez świąt"));
        QCOMPARE(widget<QToolButton>(dialog, "tb_ShiftAdd")->toolTip(), u("Dodaj zmianę na końcu"));
        auto* algorithms = dialog.findChild<QGroupBox*>(QStringLiteral("rg_Algorithms"));
        QCOMPARE(algorithms->title(), u("Algorytm"));
    }
};

QTEST_MAIN(TestDialogTranslation)
#include "test_dialog_translation.moc"
