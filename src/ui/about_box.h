#pragma once

#include <QWidget>

namespace tabrel {

// "O Programie...": build date, version, maker and contact.
void show_about_box(QWidget* parent);

}  // namespace tabrel
