#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "RecordLayout.h"

class CVentryDoc;
class QAction;
class QWidget;

// The record a control refers to right now, if any.
using CReferencedKey = std::function<std::optional<std::uint16_t>()>;

// Puts "Open Referenced Record" into the control's context menu: it opens the record of
// database that referenced names, through the document's record opener. The entry is disabled
// while the control refers to nothing.
QAction* AddOpenReferenceAction(QWidget& control, const CVentryDoc& doc, Database database,
                                CReferencedKey referenced);
