#pragma once

#include "QStringPrinter.h"
#include "RecordPage.h"

#include <QString>

#include <utility>
#include <vector>

using TextOverrides = std::vector<std::pair<QString, QString>>;

using composer::ToQString;

// The input texts of `page` as the window starts with them (every input at
// its declared default), with `overrides` typed over them by control name.
std::vector<QString> PageTexts(const composer::RecordPage &page, const TextOverrides &overrides = {});

// The record page whose name is `name` ("Armor", "EtcItem", ...).
const composer::RecordPage &PageNamed(const QString &name);
