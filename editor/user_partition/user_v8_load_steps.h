#pragma once
// Small steps of the load direction shared by the user record generations.

#include "editor/core/record_layout.h"
#include "editor/user_partition/user_v8_controls.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

class Page_Set;
class QComboBox;
class QListWidget;

namespace User_Mod {

// Selects a stored list index in a combo box (-1 clears the selection); an
// index outside the list is an error of the load (core::Record_Error naming
// the field).
void Set_Stored_Index(QComboBox* combo, std::int64_t value, const char* field);

// A stored list index that the list holds (-1 clears the selection); any
// other keeps the control's selection, with a "***" line.
void Load_Checked_Index(QComboBox* combo, std::int64_t value, const QString& label);

// A stored list index through the conversion report (out of range: the
// control's selection; forced: that index).
void Report_Stored_Index(QComboBox* combo, const core::Record& record, int id, int index,
                         const QString& label, std::optional<int> forced = std::nullopt);

// Empties a list and adds the lines.
void Replace_Lines(QListWidget* list, const QStringList& lines);

} // namespace User_Mod
