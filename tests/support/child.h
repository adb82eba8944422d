#pragma once

#include <QLatin1String>
#include <QObject>
#include <QtGlobal>

// A window's control by its object name; the program ends at once without it.
template <class T>
T* Child(const QObject* window, const char* name) {
  T* child = window->findChild<T*>(QLatin1String(name));
  if (child == nullptr) qFatal("no %s named %s", T::staticMetaObject.className(), name);
  return child;
}
