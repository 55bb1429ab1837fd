#include "editor/core/version_labels.h"

#include "editor/core/ort_types.h"
#include "editor/core/value_helpers.h"

namespace core {

namespace {

struct Version_Row {
    int code;
    const char* text;
};

constexpr Version_Row VERSION_TABLE[] = {
    {1, "3.0"},        {2, "3.15"},       {3, "3.7"},        {4, "3.5 Dev 2"},
    {16, "4.0"},       {17, "4.1"},       {18, "4.2"},       {24, "4.3"},
    {25, "ENG 4.3.1"}, {26, "ENG 4.3.2"}, {27, "4.4"},       {28, "ENG 5.0"},
    {29, "ENG 5.0.1"}, {30, "ENG 5.0.2"}, {31, "ENG 5.0.3"}, {33, "ENG 5.0.4"},
    {34, "5.1"},       {35, "5.2"},       {36, "5.3"},
};

constexpr int SDU_TOOL_VERSION = 32;

} // namespace

QString Version_Text(int tool_version)
{
    for (const Version_Row& row : VERSION_TABLE)
        if (row.code == tool_version)
            return QString::fromLatin1(row.text);
    return QStringLiteral("Unknown");
}

QString Version_Label_Text(int tool_version)
{
    if (tool_version == SDU_TOOL_VERSION)
        return QStringLiteral("File Created by SDU");
    return QStringLiteral("File Created by Merivane Version ") + Version_Text(tool_version);
}

QString File_Label_Text()
{
    const Version_State& v = Versions();
    QString label = QStringLiteral("File Version ");
    if (!Is_Writable_Type(v.ORT_Type))
        return label;

    label += QString::number(v.ORT_Type);
    switch (v.Partition_Config) {
    case PARTITION_SECURED:
        label += QStringLiteral(" (") + To_Hex(v.Secured_Current.Record_Revision) + QLatin1Char(')');
        break;
    case PARTITION_USER:
        label += QStringLiteral(" (") + To_Hex(v.User_Current.Record_Revision) + QLatin1Char(')');
        break;
    case PARTITION_COMPOSITE:
        label += QStringLiteral(" (") + To_Hex(v.Secured_Current.Record_Revision) + QLatin1Char('/')
                 + To_Hex(v.User_Current.Record_Revision) + QLatin1Char(')');
        break;
    default:
        break;
    }

    switch (v.ORT_Type % 3) {
    case 1: label += QStringLiteral(": Secured Partition"); break;
    case 2: label += QStringLiteral(": User Partition"); break;
    default: label += QStringLiteral(": Composite Partition"); break;
    }
    return label;
}

} // namespace core
