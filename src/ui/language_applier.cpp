#include "language_applier.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <optional>

#include "qt_text.h"

namespace tabrel {

namespace {

const QString kItemSeparator = QStringLiteral("\\n");
const QString kColumnSeparator = QStringLiteral("\\r");

bool skipped(const QObject* object) {
    return object->property(kTagProperty).toInt() == kSkippedTag;
}

// A window of its own (a dialog the main window parents) is applied with its own section;
// popup menus belong to the window that holds them.
bool own_window(const QObject* object) {
    const auto* widget = qobject_cast<const QWidget*>(object);
    return widget && widget->isWindow() && !qobject_cast<const QMenu*>(widget);
}

// The tab widget that shows `page` as one of its tabs, with the tab's index.
std::optional<std::pair<QTabWidget*, int>> tab_of(QObject* page) {
    auto* stack = qobject_cast<QStackedWidget*>(page->parent());
    auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parent()) : nullptr;
    auto* widget = qobject_cast<QWidget*>(page);
    if (!tabs || !widget || tabs->indexOf(widget) < 0) return std::nullopt;
    return std::make_pair(tabs, tabs->indexOf(widget));
}

// Item i is replaced only where the list already has it; the selection stays, or becomes the
// first item when it now lies beyond the list.
template <typename List>
void set_items(List* list, const QStringList& items) {
    const int selected = list->currentIndex();
    for (int i = 0; i < items.size() && i < list->count(); ++i) list->setItemText(i, items[i]);
    if (selected >= list->count()) list->setCurrentIndex(0);
}

void set_list_items(QListWidget* list, const QStringList& items) {
    for (int i = 0; i < items.size() && i < list->count(); ++i) list->item(i)->setText(items[i]);
}

void collect_nodes(QTreeWidgetItem* item, std::vector<QTreeWidgetItem*>& nodes) {
    nodes.push_back(item);
    for (int i = 0; i < item->childCount(); ++i) collect_nodes(item->child(i), nodes);
}

void set_tree_nodes(QTreeWidget* tree, const QStringList& texts) {
    std::vector<QTreeWidgetItem*> nodes;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) collect_nodes(tree->topLevelItem(i), nodes);
    for (size_t i = 0; i < nodes.size() && i < static_cast<size_t>(texts.size()); ++i)
        nodes[i]->setText(0, texts[static_cast<qsizetype>(i)]);
}

void set_tabs(QTabBar* bar, const QStringList& texts) {
    const int selected = bar->currentIndex();
    for (int i = 0; i < texts.size() && i < bar->count(); ++i) bar->setTabText(i, texts[i]);
    if (selected >= bar->count()) bar->setCurrentIndex(0);
}

void set_grid(QTableWidget* grid, const QString& value) {
    const QStringList columns = value.split(kColumnSeparator);
    for (int c = 0; c < columns.size() && c < grid->columnCount(); ++c) {
        const QStringList cells = columns[c].split(kItemSeparator);
        for (int r = 0; r < cells.size() && r < grid->rowCount(); ++r) {
            if (cells[r].isEmpty()) continue;
            if (!grid->item(r, c)) grid->setItem(r, c, new QTableWidgetItem);
            grid->item(r, c)->setText(cells[r]);
        }
    }
}

void set_radio_group(QGroupBox* box, const QString& value) {
    const qsizetype split = value.indexOf(kColumnSeparator);
    box->setTitle(value.left(split));
    if (split < 0) return;
    const QStringList items = value.mid(split + kColumnSeparator.size()).split(kItemSeparator);
    const auto buttons = box->findChildren<QRadioButton*>();
    for (int i = 0; i < items.size() && i < buttons.size(); ++i) buttons[i]->setText(items[i]);
}

// Kinds whose caption stays when the file has no key for them.
bool apply_kept_caption(QObject* object, const std::optional<QString>& value) {
    if (auto* action = qobject_cast<QAction*>(object)) {
        if (value) action->setText(*value);
        return true;
    }
    if (auto* label = qobject_cast<QLabel*>(object)) {
        if (value) label->setText(*value);
        return true;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(object)) {
        if (value) edit->setText(*value);
        return true;
    }
    if (auto* box = qobject_cast<QGroupBox*>(object);
        box && box->property(kRadioGroupProperty).toBool()) {
        if (value) set_radio_group(box, *value);
        return true;
    }
    return false;
}

// A painted control keeps its texts in a property; item i is replaced where it has one.
void set_property_items(QObject* object, const QStringList& items) {
    QStringList texts = object->property(kItemsProperty).toStringList();
    for (int i = 0; i < items.size() && i < texts.size(); ++i) texts[i] = items[i];
    object->setProperty(kItemsProperty, texts);
    if (auto* widget = qobject_cast<QWidget*>(object)) widget->update();
}

// Kinds that hold items; a missing key leaves them as they are.
bool apply_items(QObject* object, const std::optional<QString>& value) {
    const QStringList items = value ? value->split(kItemSeparator) : QStringList();
    if (object->property(kItemsProperty).isValid()) {
        if (value) set_property_items(object, items);
        return true;
    }
    if (auto* combo = qobject_cast<QComboBox*>(object)) {
        if (value) set_items(combo, items);
        return true;
    }
    if (auto* list = qobject_cast<QListWidget*>(object)) {
        if (value) set_list_items(list, items);
        return true;
    }
    if (auto* tree = qobject_cast<QTreeWidget*>(object)) {
        if (value) set_tree_nodes(tree, items);
        return true;
    }
    if (auto* bar = qobject_cast<QTabBar*>(object)) {
        if (value) set_tabs(bar, items);
        return true;
    }
    if (auto* grid = qobject_cast<QTableWidget*>(object)) {
        if (value) set_grid(grid, *value);
        return true;
    }
    return false;
}

// Captions of the other kinds. A key the file lacks leaves the caption as it is: a blank
// button or tab helps nobody, and a file written for an older version lacks the newer keys.
void apply_caption(QObject* object, const std::optional<QString>& value) {
    if (!value) return;
    const QString& text = *value;
    if (auto tab = tab_of(object)) {
        tab->first->setTabText(tab->second, text);
    } else if (auto* menu = qobject_cast<QMenu*>(object)) {
        menu->setTitle(text);
    } else if (auto* box = qobject_cast<QGroupBox*>(object)) {
        box->setTitle(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
        auto* tool = qobject_cast<QToolButton*>(button);
        if (!tool || !tool->defaultAction()) button->setText(text);
    }
}

void apply_hint(const LanguageFile& file, QObject* object, const std::string& name) {
    const std::optional<std::string> hint = file.hint(name);
    if (!hint) return;
    const QString text = qt_text(*hint);
    if (auto* action = qobject_cast<QAction*>(object)) {
        action->setToolTip(text);
        action->setStatusTip(text);
    } else if (auto* widget = qobject_cast<QWidget*>(object)) {
        widget->setToolTip(text);
    }
}

void apply_component(const LanguageFile& file, const std::string& section, QObject* object) {
    const QString name = object->objectName();
    if (name.isEmpty() || name.startsWith(QStringLiteral("qt_")) || skipped(object)) return;
    const std::string key = name.toStdString();
    std::optional<QString> value;
    if (auto text = file.text(section, key)) value = qt_text(*text);
    if (!apply_kept_caption(object, value) && !apply_items(object, value))
        apply_caption(object, value);
    apply_hint(file, object, key);
}

void apply_components(const LanguageFile& file, const std::string& section, QObject* owner) {
    for (QObject* child : owner->children()) {
        if (own_window(child)) continue;
        apply_component(file, section, child);
        apply_components(file, section, child);
    }
}

}  // namespace

QString window_section(const QWidget* window) {
    const QString name = window->objectName();
    return name.startsWith(QStringLiteral("Tf_")) ? name.mid(1) : name;
}

void apply_language(const LanguageFile& file, QWidget* window) {
    if (skipped(window)) return;
    const std::string section = window_section(window).toStdString();
    if (section.empty()) return;
    if (auto caption = file.text(section, section)) window->setWindowTitle(qt_text(*caption));
    apply_components(file, section, window);
}

void apply_language_to_all(const LanguageFile& file) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (QWidget* window : QApplication::topLevelWidgets())
        if (own_window(window)) apply_language(file, window);
    QApplication::restoreOverrideCursor();
}

}  // namespace tabrel
