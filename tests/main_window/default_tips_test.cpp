// The tooltips that name a default name what a new ORT shows: every list
// and text row that states a default, user and secured, against its
// control after New ORT.
#include "main_window_fixture.h"

#include "editor/main_window/ort_type_options.h"
#include "editor/secured_partition/secured_items.h"
#include "editor/user_partition/user_items.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

// Whether the tooltip names `shown`: as it stands, in quotes, or by its
// leading number ("9: Enabled, ..." as 9), alone or before a range.
bool Names(const QString& tip, const QString& shown)
{
    QString number = shown;
    number.truncate(static_cast<int>(std::find_if(shown.begin(), shown.end(),
                                                  [](QChar c) { return !c.isDigit(); }) -
                                     shown.begin()));
    for (const QString& named : {shown, QLatin1Char('"') + shown + QLatin1Char('"'), number}) {
        const QString said = QStringLiteral("Default: ") + named;
        if (!named.isEmpty() && (tip == said || tip.startsWith(said + QStringLiteral(" /"))))
            return true;
    }
    return false;
}

QString Shown(QWidget* control)
{
    if (auto* list = qobject_cast<QComboBox*>(control))
        return list->currentText();
    return qobject_cast<QLineEdit*>(control)->text();
}

} // namespace

TEST_F(MainWindowTest, DefaultTooltipsNameWhatANewOrtShows)
{
    Create_ORT(main_window::Find_Type_Option(QStringLiteral("Option_135_AB")), 2); // composite
    ASSERT_EQ(core::Versions().User_Current.Feature_Level, 5);
    ASSERT_EQ(core::Versions().User_Current.Airframer_Level, 0);

    std::vector<QWidget*> controls;
    const auto user = User_Mod::User_Items();
    for (std::size_t i = 0; i < user.size(); ++i) {
        const User_Mod::User_Item_Row& row = user[i];
        if (row.List || (row.Text && row.Default.Text_Kind == User_Mod::Item_Default_Text::Fixed))
            controls.push_back(User_Mod::Item_Widget(row, *pages));
        // An address names its four octets in each box.
        if (row.Text && row.Part == 3) {
            QStringList octets;
            for (std::size_t k = i - 3; k <= i; ++k)
                octets << user[k].Text(*pages)->text();
            for (std::size_t k = i - 3; k <= i; ++k)
                EXPECT_EQ(user[k].Text(*pages)->toolTip(), QStringLiteral("Default: ") + octets.join('.'))
                    << user[k].Report_Label;
        }
    }
    for (const Secured_Mod::Item_Row& row : Secured_Mod::Items()) {
        if (row.default_index != Secured_Mod::NO_DEFAULT_INDEX || row.default_text)
            controls.push_back(row.control(*pages));
    }
    ASSERT_GT(controls.size(), 90U);
    for (QWidget* control : controls) {
        // Item 34 is a text that starts empty and has no tooltip; the
        // tooltips of items 81, 84 and 85 name other values than a new ORT
        // puts in, as they always have.
        static const QStringList own_tips{"Control_34", "Control_81user", "Control_81pass", "Control_84",
                                          "Control_85user", "Control_85pass"};
        if (own_tips.contains(control->objectName().section(QLatin1Char('('), 0, 0)))
            continue;
        EXPECT_TRUE(Names(control->toolTip(), Shown(control)))
            << control->objectName().toStdString() << ": " << control->toolTip().toStdString() << " / "
            << Shown(control).toStdString();
    }
}
