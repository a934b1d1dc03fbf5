#pragma once
// Object names for the controls that the translation file reaches by name.

#include <QObject>
#include <initializer_list>
#include <utility>

inline void Benennen(std::initializer_list<std::pair<QObject*, const char*>> Namen) {
    for (const auto& [Objekt, Name] : Namen)
        Objekt->setObjectName(QLatin1String(Name));
}
