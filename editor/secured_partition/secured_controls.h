#pragma once
// Typed access to the control of a secured item row; a control that the
// page set does not hold is an error, not a crash.

#include "editor/secured_partition/secured_items.h"

#include <QString>
#include <QWidget>
#include <stdexcept>

namespace Secured_Mod {

// The row's label as the conversion report and the refusals show it.
inline QString Label_Of(const Item_Row& row) { return QString::fromLatin1(row.label); }

// The item fact of a number or tenths row.
inline const core::Item_Fact& Fact_Of(const Item_Row& row)
{
    if (!row.fact)
        throw std::logic_error(std::string("no item fact for item ") + row.label);
    return *row.fact;
}

template <class T>
T* Control_Of(const Item_Row& row, const Page_Set& pages)
{
    T* control = row.control ? qobject_cast<T*>(row.control(pages)) : nullptr;
    if (!control)
        throw std::logic_error(std::string("no control for item ") + row.label);
    return control;
}

template <class T>
T* Require(T* control, const char* name)
{
    if (!control)
        throw std::logic_error(std::string("missing control ") + name);
    return control;
}

} // namespace Secured_Mod
