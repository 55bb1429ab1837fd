#include "editor/main_window/text_report.h"

#include "editor/core/ort_types.h"
#include "editor/core/value_helpers.h"
#include "editor/main_window/app_info.h"
#include "editor/page_set/page_set.h"

#include <QGroupBox>

namespace main_window {

namespace {

const QString RULE(40, QLatin1Char('='));

QString Revision_Text(const Report_Header& header)
{
    switch (header.Partition_Config) {
    case core::PARTITION_SECURED: return core::To_Hex(header.Secured_Revision);
    case core::PARTITION_USER: return core::To_Hex(header.User_Revision);
    default:
        return core::To_Hex(header.Secured_Revision) + QLatin1Char('/') +
               core::To_Hex(header.User_Revision);
    }
}

QString Field_Line(const QString& frame, const QString& label, const QString& text)
{
    return frame + QLatin1Char(' ') + label + QStringLiteral(": ") + text;
}


constexpr int PART_NUMBER_FEATURE_LEVEL = 2;

const Report_Section SECTIONS[] = {
    {Report_Section::Kind::Page, [](const Page_Set& p) -> Page_Frame& { return p.General(); },
     Section_When::Always},
    {Report_Section::Kind::Page, [](const Page_Set& p) -> Page_Frame& { return p.Power(); },
     Section_When::Secured_Shown},
    {Report_Section::Kind::Page, [](const Page_Set& p) -> Page_Frame& { return p.HSD_Cnfg(); },
     Section_When::User_Shown},
    {Report_Section::Kind::Page, [](const Page_Set& p) -> Page_Frame& { return p.HSD_S64(); },
     Section_When::User_Shown},
    {Report_Section::Kind::Page, [](const Page_Set& p) -> Page_Frame& { return p.HSD_SBB(); },
     Section_When::User_Shown},
    {Report_Section::Kind::Page, [](const Page_Set& p) -> Page_Frame& { return p.Dual(); },
     Section_When::Always},
    {Report_Section::Kind::Page, [](const Page_Set& p) -> Page_Frame& { return p.Transit_GES(); },
     Section_When::Secured_Shown},
    {Report_Section::Kind::Page, [](const Page_Set& p) -> Page_Frame& { return p.Sat_GES(); },
     Section_When::User_Shown},
    {Report_Section::Kind::Page, [](const Page_Set& p) -> Page_Frame& { return p.Cabin(); },
     Section_When::Always},
    {Report_Section::Kind::Page,
     [](const Page_Set& p) -> Page_Frame& { return p.Cabin_Numbers(); }, Section_When::User_Shown},
    {Report_Section::Kind::Page,
     [](const Page_Set& p) -> Page_Frame& { return p.Cockpit_Voice(); }, Section_When::Always},
    {Report_Section::Kind::Page,
     [](const Page_Set& p) -> Page_Frame& { return p.Cockpit_Numbers(); },
     Section_When::User_Shown},
    {Report_Section::Kind::PSID_Table, nullptr, Section_When::User_Shown},
    {Report_Section::Kind::Page,
     [](const Page_Set& p) -> Page_Frame& { return p.Failure_Masks(); }, Section_When::Always},
    {Report_Section::Kind::Page, [](const Page_Set& p) -> Page_Frame& { return p.PIMBIT(); },
     Section_When::User_Shown},
};

} // namespace

QStringList Report_Title(const QString& title)
{
    return {QString(), RULE, QStringLiteral("==== ") + title, RULE};
}

QStringList Report_Header_Lines(const Report_Header& header)
{
    QStringList lines;
    lines << QStringLiteral("QUENDRALL/MORVIK ORT FILE PARAMETERS")
          << QStringLiteral("REPORT DATE: ") + header.Date << QString() << RULE
          << QStringLiteral("ORT CREATED BY: Merivane ") + QString::fromLatin1(APP_VERSION_TEXT) +
                 QStringLiteral(", ") + QString::fromLatin1(APP_PART_NUMBER)
          << QStringLiteral("ORT FILE NAME: ") + header.ORT_Path;
    const bool part_numbers = header.Secured_Feature_Level >= PART_NUMBER_FEATURE_LEVEL;
    if (header.Show_Secured) {
        if (part_numbers)
            lines << Field_Line(header.Secured_Frame, header.Secured_PN_Label, header.Secured_PN);
        lines << Field_Line(header.Secured_Frame, header.Secured_Desc_Label, header.Secured_Desc);
    }
    if (header.Show_User) {
        if (part_numbers)
            lines << Field_Line(header.User_Frame, header.User_PN_Label, header.User_PN);
        lines << Field_Line(header.User_Frame, header.User_Desc_Label, header.User_Desc);
    }
    lines << QStringLiteral("ORT FILE FORMAT VERSION: ") + QString::number(header.ORT_Type) +
                 QStringLiteral(" (") + Revision_Text(header) + QLatin1Char(')')
          << QString() << QStringLiteral("Data Loader Type: ") + header.Data_Loader_Type
          << QStringLiteral("SDU Part Number: ") + header.Software_Config
          << QStringLiteral("ORT CRC: ") +
                 QStringLiteral("%1").arg(header.Last_Saved_CRC, 4, 16, QLatin1Char('0')).toUpper()
          << RULE << QString();
    lines << Report_Title(QStringLiteral("ORT OPTIONS:"));
    return lines;
}

std::span<const Report_Section> Report_Sections()
{
    return SECTIONS;
}

QStringList Report_Section_Lines(const Page_Set& pages, bool show_secured, bool show_user)
{
    QStringList lines;
    for (const Report_Section& section : SECTIONS) {
        if ((section.When == Section_When::Secured_Shown && !show_secured) ||
            (section.When == Section_When::User_Shown && !show_user))
            continue;
        if (section.What == Report_Section::Kind::PSID_Table) {
            lines << Report_Title(pages.General().Frame_PsidSupFreq->title());
            pages.General().Write_Text_Output_PSID(lines);
            continue;
        }
        Page_Frame& page = section.Page(pages);
        lines << Report_Title(page.windowTitle());
        page.Write_Text_Output(lines);
    }
    return lines;
}

QByteArray Report_Bytes(const QStringList& lines)
{
    QByteArray out;
    for (const QString& line : lines) {
        out += line.toLatin1();
        out += "\r\n";
    }
    return out;
}

} // namespace main_window
