#include "main_toolbar.h"

#include <QMenu>
#include <QToolButton>

namespace tabrel {

namespace {

QToolButton* create_templates_button(QAction* templates, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QStringLiteral("tb_Templates"));
    button->setDefaultAction(templates);
    button->setPopupMode(QToolButton::MenuButtonPopup);
    auto* recent = new QMenu(button);
    recent->setObjectName(QStringLiteral("pm_RecentTemplates"));
    button->setMenu(recent);
    return button;
}

}  // namespace

QToolBar* create_main_toolbar(const MainActions& a, QWidget* parent) {
    auto* bar = new QToolBar(parent);
    bar->setObjectName(QStringLiteral("ToolBarMain"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addWidget(create_templates_button(a.a_Templates, bar));
    bar->addSeparator();
    bar->addActions({a.a_GroupAdd, a.a_GroupEdit, a.a_GroupDelete});
    bar->addSeparator();
    bar->addActions({a.a_WorkerAdd, a.a_WorkerEdit, a.a_WorkerDelete});
    bar->addSeparator();
    bar->addActions({a.a_automatic, a.a_automatic_optimal});
    bar->addSeparator();
    bar->addActions({a.a_Options, a.a_About, a.a_Close});
    return bar;
}

}  // namespace tabrel
