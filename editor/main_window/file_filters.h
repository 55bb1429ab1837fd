#pragma once
// The filters of the file dialogs; the first entry is the one selected.

#include <QString>

namespace main_window {

inline const QString ORT_FILTER = QStringLiteral(
    "ORT Files (*.cfg);;All Files (*);;ORT Files (*.tab);;ORT Files B777 (*.001)");
inline const QString HEX_FILTER = QStringLiteral("CMT ASCII Hex Files (*.Hex);;All Files (*)");
inline const QString TEXT_FILTER = QStringLiteral("Text Files (*.txt);;All Files (*)");

} // namespace main_window
