#include "platform/component_types.h"

#include <QRegularExpression>

namespace platform::component {

QString Result_Text(Result r)
{
    return QStringLiteral("%1").arg(static_cast<std::uint32_t>(r), 8, 16, QLatin1Char('0')).toUpper();
}

QString From_BStr(BStr text)
{
    return text ? QString::fromUtf16(text) : QString();
}

BStr To_BStr(const QString& text)
{
    return reinterpret_cast<BStr>(text.utf16());
}

QString Guid_Text(const Guid& id)
{
    QString s = QStringLiteral("{%1-%2-%3-")
                    .arg(id.data1, 8, 16, QLatin1Char('0'))
                    .arg(id.data2, 4, 16, QLatin1Char('0'))
                    .arg(id.data3, 4, 16, QLatin1Char('0'));
    for (int i = 0; i < 8; ++i) {
        if (i == 2)
            s += QLatin1Char('-');
        s += QStringLiteral("%1").arg(id.data4[static_cast<std::size_t>(i)], 2, 16, QLatin1Char('0'));
    }
    s += QLatin1Char('}');
    return s.toUpper();
}

std::optional<Guid> Parse_Guid(const QString& text)
{
    static const QRegularExpression form(QStringLiteral(
        "^\\{?([0-9A-Fa-f]{8})-([0-9A-Fa-f]{4})-([0-9A-Fa-f]{4})-([0-9A-Fa-f]{4})-([0-9A-Fa-f]{12})\\}?$"));
    const QString t = text.trimmed();
    const auto m = form.match(t);
    if (!m.hasMatch() || t.startsWith(QLatin1Char('{')) != t.endsWith(QLatin1Char('}')))
        return std::nullopt;
    Guid id;
    id.data1 = m.captured(1).toUInt(nullptr, 16);
    id.data2 = static_cast<std::uint16_t>(m.captured(2).toUInt(nullptr, 16));
    id.data3 = static_cast<std::uint16_t>(m.captured(3).toUInt(nullptr, 16));
    const QString tail = m.captured(4) + m.captured(5);
    for (int i = 0; i < 8; ++i)
        id.data4[static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>(tail.mid(2 * i, 2).toUInt(nullptr, 16));
    return id;
}

} // namespace platform::component
