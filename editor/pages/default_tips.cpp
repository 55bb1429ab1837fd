#include "editor/pages/default_tips.h"

#include <QComboBox>
#include <QVariant>
#include <QWidget>

namespace pages {

namespace {

const char* const FORM_PROPERTY = "Default_Tip_Form";

} // namespace

void Tip_Default(QWidget* control, const QString& form)
{
    control->setProperty(FORM_PROPERTY, form);
}

void Tip_Or_Default(QWidget* control, const char* tooltip)
{
    if (tooltip)
        control->setToolTip(QString::fromLatin1(tooltip));
    else
        Tip_Default(control);
}

void Fill_Default_Tip(QWidget* control, const QString& shown, int index)
{
    const QVariant form = control->property(FORM_PROPERTY);
    if (!form.isValid())
        return;
    // The index first: a shown text may hold "%2", a number cannot hold "%1".
    control->setToolTip(form.toString()
                            .replace(QStringLiteral("%2"), QString::number(index))
                            .replace(QStringLiteral("%1"), shown));
}

void Fill_Default_Tip(QComboBox* list, int index)
{
    Fill_Default_Tip(list, list->itemText(index), index);
}

} // namespace pages
