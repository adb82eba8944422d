#pragma once

#include "sitepages.h"

#include <QString>

// The product's home on the maker's site: site root + "scarabine/".
QString ProductHomeAddress();

// The product's home + "ssd.php?page=" + key.
QString PageAddress(const PageKey& key);

// Hands the page to the desktop's default browser. Failures are ignored:
// nothing is shown and nothing else changes.
void OpenWebPage(const PageKey& key);

// Opens an already formed address the same way.
void OpenAddress(const QString& address);
