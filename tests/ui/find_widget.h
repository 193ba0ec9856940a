#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

namespace tabrel::test {

// A dialog's widget found by the object name the dialog gave it, so tests need no access to
// the dialog's members. A missing or differently typed widget stops the test program, naming it.
template <typename T>
T* widget(const QObject& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    if (!found) qFatal("no widget named %s of the expected type", name);
    return found;
}

}  // namespace tabrel::test
