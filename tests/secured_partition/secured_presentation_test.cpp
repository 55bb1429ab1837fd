#include "tests/secured_partition/secured_fixture.h"

#include "editor/pages/field_edit.h"
#include "editor/pages/page_frame.h"
#include "editor/secured_partition/secured_mod.h"

using namespace secured_test;

namespace {

class SecuredPresentation : public Secured_Fixture {
protected:
    void Prepare(int feature_level, int airframer_level)
    {
        Set_Current(13, feature_level, airframer_level);
        Secured_Mod::Set_Secured_Defaults_New(P());
    }

    // The controls of the group editable below Airframer_Level 2.
    std::vector<QWidget*> Low_Airframer_Group()
    {
        Page_Power& w = P().Power();
        Page_General& g = P().General();
        std::vector<QWidget*> group = {
            g.Control_01, w.Control_22a, w.Control_22b, w.UpDown_22a, w.UpDown_22b,
            P().Cabin().Control_23a, P().Cabin().Control_23b, w.Control_28a1, w.Control_28a2,
            w.Control_28b1, w.Control_28b2, w.UpDown_28a1, w.UpDown_28a2, w.UpDown_28b1,
            w.UpDown_28b2, w.Control_29a1, w.Control_29a2, w.Control_29b1, w.Control_29b2,
            w.UpDown_29a1, w.UpDown_29a2, w.UpDown_29b1, w.UpDown_29b2, g.Control_30, g.UpDown_30,
            P().Transit_GES().Control_41_Reset, P().Cockpit_Voice().Control_42, w.Control_44,
            g.Control_47a, g.Control_47b, P().Dual().Control_50, g.Control_51a, g.Control_51b,
            g.Control_52, w.Control_57a, w.Control_57b};
        for (QPushButton* cell : P().Transit_GES().Control_41)
            group.push_back(cell);
        return group;
    }

    std::vector<QWidget*> Standard_Group()
    {
        Page_Cockpit_Voice& v = P().Cockpit_Voice();
        return {v.Control_31, v.Control_32, v.Control_43, P().Main.Control_53};
    }

    std::vector<QWidget*> Level_0_Group()
    {
        Page_Cockpit_Voice& v = P().Cockpit_Voice();
        Page_General& g = P().General();
        return {v.Label_Sec_L0[8], v.Label_Sec_L0[9], v.Frame_SDU1, v.Frame_SDU2,
                g.Label_Sec_L0[12], g.Control_27a, g.Control_27b};
    }
};

} // namespace

TEST_F(SecuredPresentation, FactoryDefaultsOfANewOrt)
{
    core::Chosen_Type().RFU_Default_Index = 1;
    core::Chosen_Type().Secured_Part_Number_Text = QStringLiteral("QZV5EABFSEC0001");
    // Values from an earlier ORT are replaced.
    P().Transit_GES().Control_41[3]->setText(QStringLiteral("012"));
    P().Power().Control_29b1->setText(QStringLiteral("1.0"));
    Prepare(2, 0);
    Page_General& g = P().General();
    EXPECT_EQ(g.Control_01->currentIndex(), 0);
    EXPECT_EQ(g.Control_27a->currentIndex(), 1);
    EXPECT_EQ(g.Control_27b->currentIndex(), 1);
    EXPECT_EQ(g.Control_30->text(), QStringLiteral("4.0"));
    EXPECT_EQ(g.Control_47a->text(), QStringLiteral("5"));
    EXPECT_EQ(g.Control_47b->text(), QStringLiteral("30"));
    EXPECT_EQ(g.Control_51a->text(), QStringLiteral("<SAT"));
    EXPECT_EQ(g.Control_51b->text(), QStringLiteral("<SAT-2"));
    EXPECT_EQ(g.Control_18->currentText(), QStringLiteral("-50 dBm0"));
    EXPECT_EQ(g.Control_54->currentIndex(), 0);
    EXPECT_EQ(g.Control_60->currentIndex(), 0);
    Page_Cockpit_Voice& v = P().Cockpit_Voice();
    for (QComboBox* box : {v.Control_06a1, v.Control_06a2, v.Control_06b1, v.Control_06b2,
                           v.Control_31, v.Control_32, v.Control_42, v.Control_43})
        EXPECT_EQ(box->currentIndex(), 0) << box->objectName().toStdString();
    EXPECT_EQ(v.Control_46a->text(), QStringLiteral("125"));
    EXPECT_EQ(v.Control_46b->text(), QStringLiteral("50"));
    EXPECT_EQ(v.Control_46c->text(), QStringLiteral("30"));
    EXPECT_EQ(P().Cabin().Control_59->text(), QStringLiteral("56"));
    EXPECT_EQ(Tag(P().Cabin().Control_59), QStringLiteral("128"));
    EXPECT_EQ(P().Cabin().Control_23a->currentText(), QStringLiteral("Allowed"));
    Page_Power& w = P().Power();
    EXPECT_EQ(w.Control_44->currentText(), QStringLiteral("Priority 2"));
    EXPECT_EQ(w.Control_22a->text(), QStringLiteral("7"));
    EXPECT_EQ(w.Control_22b->text(), QStringLiteral("0"));
    EXPECT_EQ(w.Control_39->text(), QStringLiteral("5"));
    EXPECT_EQ(w.Control_57a->text(), QStringLiteral("250"));
    EXPECT_EQ(w.Control_57b->text(), QStringLiteral("2000"));
    EXPECT_EQ(w.Control_28a2->text(), QStringLiteral("16"));
    EXPECT_EQ(w.Control_28b1->text(), QStringLiteral("25"));
    EXPECT_EQ(w.Control_29a2->text(), QStringLiteral("8.0"));
    EXPECT_EQ(w.Control_29b1->text(), QStringLiteral("-5.0"));
    EXPECT_EQ(P().Dual().Control_48->currentText(), QStringLiteral("Fixed"));
    EXPECT_EQ(P().Dual().Control_50->currentText(), QStringLiteral("Presented"));
    EXPECT_EQ(P().Dual().Control_56->currentText(), QStringLiteral("Disallowed"));
    for (QPushButton* cell : P().Transit_GES().Control_41)
        EXPECT_EQ(cell->text(), QStringLiteral("377"));
    EXPECT_EQ(P().Main.Control_53->text(), QString(24, u'-'));
    EXPECT_EQ(P().Main.Control_87->text(), QStringLiteral("QZV5EABFSEC0001"));
}

TEST_F(SecuredPresentation, VisibilityEnablesAndCaptionsForEveryLevel)
{
    for (int feature = 0; feature <= 2; ++feature) {
        for (int airframer = 0; airframer <= 3; ++airframer) {
            SCOPED_TRACE(QStringLiteral("Feature_Level %1, Airframer_Level %2").arg(feature).arg(airframer).toStdString());
            Prepare(feature, airframer);
            for (QWidget* w : Level_0_Group())
                EXPECT_EQ(w->isHidden(), feature != 0) << w->objectName().toStdString();
            Page_General& g = P().General();
            for (QWidget* w : std::vector<QWidget*>{g.Control_01, g.Control_18, g.Control_30, g.Control_47a,
                                                    g.Control_47b, g.Control_51a, g.Control_51b, g.Control_52,
                                                    g.Control_54, P().Cabin().Label_Sec_L1[0],
                                                    P().Cabin().Control_59, P().Cabin().UpDown_59,
                                                    g.Label_Sec_L1[0], g.Control_60})
                EXPECT_FALSE(w->isHidden()) << w->objectName().toStdString();
            EXPECT_EQ(P().Main.Label_87->isHidden(), feature < 2);
            EXPECT_EQ(P().Main.Control_87->isHidden(), feature < 2);
            EXPECT_EQ(P().Main.Control_87->isEnabled(), airframer < 3);

            for (QWidget* w : Standard_Group())
                EXPECT_EQ(w->isEnabled(), airframer == 0) << w->objectName().toStdString();
            for (QWidget* w : Low_Airframer_Group())
                EXPECT_EQ(w->isEnabled(), airframer < 2) << w->objectName().toStdString();
            // Never locked by the airframer rules.
            EXPECT_TRUE(P().Cockpit_Voice().Control_46b->isEnabled());
            EXPECT_TRUE(g.Control_54->isEnabled());

            Page_Cockpit_Voice& v = P().Cockpit_Voice();
            EXPECT_EQ(v.Control_31->currentIndex(), airframer == 0 ? 0 : 1);
            EXPECT_EQ(v.Control_32->currentIndex(), airframer == 0 ? 0 : 1);
            EXPECT_EQ(v.Control_43->currentIndex(), airframer == 0 ? 0 : 3);
            EXPECT_EQ(P().Main.Control_53->text(),
                      airframer == 0 ? QString(24, u'-') : QStringLiteral("AIRBUS-SECURE-ORT       "));
            EXPECT_EQ(P().Cabin().Control_23a->currentIndex(), airframer >= 2 ? 0 : 1);
            EXPECT_EQ(P().Cabin().Control_23b->currentIndex(), airframer >= 2 ? 0 : 1);
            EXPECT_EQ(v.Control_46b->text(), airframer >= 2 ? QStringLiteral("77") : QStringLiteral("50"));
            EXPECT_EQ(g.Control_54->currentIndex(), airframer >= 2 ? 3 : 0);
        }
    }
}

TEST_F(SecuredPresentation, NoSecuredPartitionLeavesEveryControlAsItWas)
{
    P().Main.Control_53->setText(QStringLiteral("KEEP"));
    P().Power().Control_22a->setText(QStringLiteral("12"));
    P().Main.Control_87->setEnabled(false);
    P().General().Control_27a->hide();
    Set_Current(core::PARTITION_ABSENT, 0, 0);
    Secured_Mod::Set_Secured_Defaults_New(P());
    Secured_Mod::Convert_Secured(P());
    EXPECT_EQ(P().Main.Control_53->text(), QStringLiteral("KEEP"));
    EXPECT_EQ(P().Power().Control_22a->text(), QStringLiteral("12"));
    EXPECT_FALSE(P().Main.Control_87->isEnabled());
    EXPECT_TRUE(P().General().Control_27a->isHidden());
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(SecuredPresentation, ConvertLoadsTheFileAndSavesIntoTheTarget)
{
    // A generation-2 file converted into generation 4.
    core::Record& file = Record(7);
    file.Set_Text(core::secured::Description, QStringLiteral("FROM FILE"));
    file.Set(core::secured::Item44, 10);
    file.Set(core::secured::Item46, 99, 2);
    Set_Current(13, 2, 0, 4);
    Set_Loaded_Type(9);
    Secured_Mod::Convert_Secured(P());
    const QByteArray& target = Record(13).Bytes();
    EXPECT_EQ(target.left(10), QByteArray("FROM FILE") + '\0');
    EXPECT_EQ(target.mid(357, 4).toHex(), "0000000a");
    EXPECT_EQ(target[363], 99);
    EXPECT_EQ(target[1169], 4); // the target's revision
}
