#include "editor/pages_hsd/hsd_field_helpers.h"

#include "editor/core/char_sets.h"
#include "editor/core/ort_types.h"
#include "editor/pages/field_edit.h"
#include "editor/pages/page_widgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QVariant>

#include <algorithm>

namespace hsd {

namespace {
const char* const SPIN_MIN = "Minimum";
const char* const SPIN_MAX = "Maximum";
} // namespace

QString Clean_Free_Text(const QString& text, int char_set, const QString& code_extra)
{
    const qsizetype nul = text.indexOf(QChar(0));
    const QString head = nul < 0 ? text : text.left(nul);
    const core::Char_Set& set = core::Char_Sets(char_set);
    QString result;
    result.reserve(head.size());
    for (QChar c : head) {
        if (set.To_Upper)
            c = core::Upper_Char(c);
        if (set.Admits(c) || code_extra.contains(c))
            result += c;
    }
    return result;
}

void Keep_Text_In_Set(QLineEdit* edit, int char_set, const QString& code_extra)
{
    QPointer<QLineEdit> guarded(edit);
    // The field's own text, not the signal's: a handler that ran before this
    // one may have changed the text since the signal was sent.
    QObject::connect(edit, &QLineEdit::textChanged, edit,
                     [guarded, char_set, code_extra] {
                         if (!guarded)
                             return;
                         const QString text = guarded->text();
                         const QString clean = Clean_Free_Text(text, char_set, code_extra);
                         if (clean != text)
                             guarded->setText(clean);
                     });
}

void Bind_Value_Spin(pages::Up_Down* spin, QLineEdit* field, int minimum, int maximum, int initial,
                     std::function<void(int value)> on_change)
{
    spin->setProperty(SPIN_MIN, minimum);
    spin->setProperty(SPIN_MAX, maximum);
    hsd::Set_Spin_Value(spin, initial);
    QPointer<pages::Up_Down> guarded(spin);
    spin->Set_Step(field, [guarded, on_change = std::move(on_change)](bool up) {
        if (!guarded)
            return;
        const int before = pages::Spin_Value(guarded);
        hsd::Set_Spin_Value(guarded, before + (up ? 1 : -1));
        const int after = pages::Spin_Value(guarded);
        if (after != before && on_change)
            on_change(after);
    });
}

void Set_Spin_Value(pages::Up_Down* spin, int value)
{
    const int minimum = spin->property(SPIN_MIN).toInt();
    const int maximum = spin->property(SPIN_MAX).toInt();
    pages::Set_Spin_Value(spin, std::clamp(value, minimum, std::max(minimum, maximum)));
}

QComboBox* Make_Combo(const QString& name, const QStringList& entries)
{
    QComboBox* combo = pages::Make_Combo(name, entries, QString(), pages::Combo_Start::No_Entry);
    for (int i = 0; i < combo->count(); ++i)
        combo->setItemData(i, 0);
    combo->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return combo;
}

void Add_Field_Row(QGridLayout* grid, int row, QLabel* label, QWidget* field, pages::Up_Down* spin,
                   QLabel* unit)
{
    pages::Label_Field(label, field);
    grid->addWidget(label, row, 0);
    auto* cell = new QHBoxLayout;
    cell->addWidget(field);
    if (spin)
        cell->addWidget(spin);
    if (unit)
        cell->addWidget(unit);
    cell->addStretch(1);
    grid->addLayout(cell, row, 1);
}

int User_Level()
{
    return core::Versions().User_Current.Feature_Level;
}

} // namespace hsd
